#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    Keeps the user's own files theirs while the manager runs with administrator rights.

    When a user started the manager through pkexec, files and folders that the privileged
    process creates in that user's home (settings, packages) would otherwise belong to root.
*/
namespace UserOwnership
{
/** The user who started this privileged process through pkexec, or -1 when there is none. */
int invokingUserId();

/** Creates the folder and any missing parents; every folder it creates is handed to the
    invoking user. Returns true when the folder exists afterwards.
*/
bool createUserFolder (const juce::File& folder);

/** Hands one file or folder to the invoking user, if there is one. */
void handToInvokingUser (const juce::File& item);
} // namespace UserOwnership

#pragma once

#include <juce_core/juce_core.h>

/** Splits a command line at spaces; a stretch between double quotes or apostrophes stays
    one token, and the enclosing quotes are taken off. Empty tokens are dropped.
*/
juce::StringArray tokeniseCommandLine (const juce::String& commandLine);

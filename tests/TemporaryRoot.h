#pragma once

#include <juce_core/juce_core.h>

#include "platform/SystemFolders.h"

//==============================================================================
/** A fresh temporary folder with every system location of the manager moved below it. */
class TemporaryRoot
{
public:
    TemporaryRoot() : folder (juce::File::createTempFile ("mfm-test")), redirect (folder) { folder.createDirectory(); }

    ~TemporaryRoot() { folder.deleteRecursively(); }

    const juce::File& getFolder() const noexcept { return folder; }
    const SystemFolders& folders() const { return SystemFolders::get(); }

private:
    juce::File folder;
    SystemFolders::ScopedRoot redirect;
};

#pragma once

#include "platform/PrivilegedLauncher.h"

//==============================================================================
/**
    Replaces what the start-mode decision asks of the system for as long as it lives:
    the parameters, the rights, and what a failure or a quit request does (they are counted).
    A relaunch goes to a pkexec that does not exist unless a test names another.
*/
class FakeStartMode
{
public:
    explicit FakeStartMode (const juce::File& scratchFolder) : saved (PrivilegedLauncher::currentHooks())
    {
        auto& h = hooks();
        h.parameters = [this] { return parameters; };
        h.hasAdministratorRights = [this] { return isRoot; };
        h.pkexecProgram = scratchFolder.getChildFile ("no-such-pkexec").getFullPathName();
        h.showFailure = [this] { ++failuresShown; };
        h.requestQuit = [this] { ++quitRequests; };
    }

    ~FakeStartMode() { PrivilegedLauncher::currentHooks() = saved; }

    static PrivilegedLauncher::Hooks& hooks() { return PrivilegedLauncher::currentHooks(); }

    juce::StringArray parameters;
    bool isRoot = false;
    int failuresShown = 0, quitRequests = 0;

private:
    PrivilegedLauncher::Hooks saved;
    JUCE_DECLARE_NON_COPYABLE (FakeStartMode)
};

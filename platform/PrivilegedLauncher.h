#pragma once

#include <functional>
#include <juce_core/juce_core.h>

//==============================================================================
/**
    Decides how this process starts: as the privileged instance that does the work, or
    as the user's copy that hands over to a privileged one and quits.

    The privileged copy is started through pkexec with the marker "privelage" followed by
    this instance's own parameters, keeping the user's HOME, DISPLAY and XAUTHORITY so that
    per-user files stay the user's. Every system call it makes goes through Hooks, so
    tests can decide the rights, the programs and what happens on failure.
*/
class PrivilegedLauncher
{
public:
    /** The marker parameter that selects the privileged start. */
    static constexpr const char* marker = "privelage";

    /** The message shown on any failure to obtain the rights. */
    static constexpr const char* failureMessage = "Authorization Failed";

    /** What the launcher needs of the system. */
    struct Hooks
    {
        std::function<juce::StringArray()> parameters; // this process's command-line parameters
        std::function<bool()> hasAdministratorRights;  // already running as root
        std::function<juce::String (const char*)> environmentVariable;
        juce::String executable; // the program to start again
        juce::String pkexecProgram = "pkexec";
        juce::String envProgram = "/usr/bin/env";
        std::function<void()> showFailure; // the native "Authorization Failed" box
        std::function<void()> requestQuit; // the application's quit
    };

    /** The hooks of the real system. */
    static Hooks systemHooks();

    /** The hooks in force for this process; tests replace them. */
    static Hooks& currentHooks();

    //==============================================================================
    /** True when the parameters contain the marker as one whole, case-sensitive parameter. */
    static bool hasMarker (const juce::StringArray& parameters);

    /** The argument list of the relaunch: pkexec, env with the kept variables, the
        executable, the marker, then the original parameters in their order.
    */
    static juce::StringArray buildRelaunchCommand (const Hooks& hooks, const juce::StringArray& parameters);

    /** Starts the privileged copy and returns once pkexec has handed over to it (true)
        or has failed, been refused or cancelled (false).
    */
    static bool startPrivilegedCopy (const Hooks& hooks, const juce::StringArray& command);
};

/** Returns true when this instance should carry on with its normal start. Otherwise it has
    started the privileged copy (or shown "Authorization Failed" once) and asked the
    application to quit; the caller stops its own start-up at once.
*/
bool relaunchWithPrivileges();

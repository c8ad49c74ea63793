#include "platform/PrivilegedLauncher.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
/** The argument list a running process was started with, read from /proc. */
juce::StringArray processArguments (pid_t pid)
{
    juce::MemoryBlock data;
    juce::File ("/proc/" + juce::String (pid) + "/cmdline").loadFileAsData (data);

    juce::StringArray arguments;
    auto* text = static_cast<const char*> (data.getData());

    for (size_t start = 0, i = 0; i < data.getSize(); ++i)
    {
        if (text[i] == 0)
        {
            arguments.add (juce::String::fromUTF8 (text + start, (int) (i - start)));
            start = i + 1;
        }
    }

    return arguments;
}

void showAuthorizationFailed()
{
    juce::NativeMessageBox::showMessageBox (juce::MessageBoxIconType::InfoIcon, "MistFold License Manager",
                                            PrivilegedLauncher::failureMessage);
}
} // namespace

PrivilegedLauncher::Hooks PrivilegedLauncher::systemHooks()
{
    Hooks h;
    h.parameters = [] { return juce::JUCEApplicationBase::getCommandLineParameterArray(); };
    h.hasAdministratorRights = [] { return geteuid() == 0; };
    h.environmentVariable = [] (const char* name) { return juce::SystemStats::getEnvironmentVariable (name, {}); };
    h.executable = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getFullPathName();
    h.showFailure = showAuthorizationFailed;
    h.requestQuit = [] { juce::JUCEApplicationBase::quit(); };
    return h;
}

PrivilegedLauncher::Hooks& PrivilegedLauncher::currentHooks()
{
    static Hooks hooks = systemHooks();
    return hooks;
}

bool PrivilegedLauncher::hasMarker (const juce::StringArray& parameters)
{
    return parameters.contains (marker, false);
}

juce::StringArray PrivilegedLauncher::buildRelaunchCommand (const Hooks& hooks, const juce::StringArray& parameters)
{
    juce::StringArray command { hooks.pkexecProgram, hooks.envProgram };

    for (auto* name : { "HOME", "DISPLAY", "XAUTHORITY" })
    {
        auto value = hooks.environmentVariable (name);

        if (value.isNotEmpty())
            command.add (juce::String (name) + "=" + value);
    }

    command.add (hooks.executable);
    command.add (marker);
    command.addArray (parameters);
    return command;
}

bool PrivilegedLauncher::startPrivilegedCopy (const Hooks& hooks, const juce::StringArray& command)
{
    std::vector<char*> argv;

    for (auto& word : command)
        argv.push_back (const_cast<char*> (word.toRawUTF8()));

    argv.push_back (nullptr);

    pid_t pid = 0;

    if (posix_spawnp (&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return false; // pkexec is missing

    // pkexec asks for the password, then replaces itself with env, which replaces itself with
    // the privileged copy. Once the process runs neither of them any more (its argument list
    // names neither), the hand-over is done and this instance leaves the copy running. If
    // pkexec ends first, it was refused, cancelled or failed, unless the copy already ran
    // to its end.
    for (;;)
    {
        int status = 0;
        auto waited = waitpid (pid, &status, WNOHANG);

        if (waited == pid)
            return WIFEXITED (status) && WEXITSTATUS (status) == 0;

        if (waited < 0 && errno != EINTR)
            return false;

        auto running = processArguments (pid);

        if (! running.isEmpty() && ! running.contains (hooks.pkexecProgram) && running[0] != hooks.envProgram)
            return true;

        juce::Thread::sleep (20);
    }
}

bool relaunchWithPrivileges()
{
    auto& hooks = PrivilegedLauncher::currentHooks();
    auto parameters = hooks.parameters();

    if (PrivilegedLauncher::hasMarker (parameters) || hooks.hasAdministratorRights())
        return true;

    if (! PrivilegedLauncher::startPrivilegedCopy (hooks, PrivilegedLauncher::buildRelaunchCommand (hooks, parameters)))
        hooks.showFailure();

    hooks.requestQuit();
    return false;
}

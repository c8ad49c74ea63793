#include "platform/ShellCommand.h"

namespace
{
juce::String quotedPath (const juce::String& path)
{
    return "\"" + path + "\"";
}
} // namespace

ShellCommand ShellCommand::copyItem (const juce::String& source, const juce::String& destinationFolder)
{
    ShellCommand c;
    c.arguments = { "rsync", "-av", "-l", "--exclude=.*", "--exclude", ".*/", source, destinationFolder + "/" };
    c.commandLine = "rsync -av -l --exclude=\".*\" --exclude \".*/\" " + quotedPath (source) + " "
                    + quotedPath (destinationFolder + "/");
    return c;
}

ShellCommand ShellCommand::removeItem (const juce::String& path)
{
    ShellCommand c;
    c.arguments = { "rm", "-rf", path };
    c.commandLine = "rm -rf " + quotedPath (path);
    return c;
}

void runShellCommand (const ShellCommand& command)
{
    // Without wantStdOut the tool's output goes to /dev/null, so a chatty tool never
    // blocks on a full pipe while we wait for it.
    juce::ChildProcess process;

    if (process.start (command.arguments, 0))
        process.waitForProcessToFinish (-1);
}

#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    One call of a command-line tool, as an argument list.

    The tool is started directly, never through a shell, so a path with a quote,
    a dollar sign, a backquote or a backslash reaches it unchanged. The command-line
    text is what log lines show: the tool's words with every path between double quotes.
*/
struct ShellCommand
{
    /** The program followed by its arguments. */
    juce::StringArray arguments;

    /** The call as it is written into the log. */
    juce::String commandLine;

    /** Copies a file or folder into a folder, leaving out hidden files and keeping links. */
    static ShellCommand copyItem (const juce::String& source, const juce::String& destinationFolder);

    /** Removes a file or a folder with everything in it. */
    static ShellCommand removeItem (const juce::String& path);
};

/** Runs the command and waits until it ends. Whether it worked is judged by the caller,
    from the file system afterwards; the exit status is not returned.
*/
void runShellCommand (const ShellCommand& command);

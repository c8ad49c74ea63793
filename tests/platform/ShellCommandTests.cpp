#include <gtest/gtest.h>

#include "platform/ShellCommand.h"
#include "tests/TemporaryRoot.h"

TEST (ShellCommandText, LogLinesShowTheToolsWordsWithQuotedPaths)
{
    EXPECT_EQ (ShellCommand::copyItem ("/Volumes/ABCD/Synth.vst3", "/usr/local/lib/vst3").commandLine,
               "rsync -av -l --exclude=\".*\" --exclude \".*/\" \"/Volumes/ABCD/Synth.vst3\" \"/usr/local/lib/vst3/\"");
    EXPECT_EQ (ShellCommand::removeItem ("/opt/My App").commandLine, "rm -rf \"/opt/My App\"");
}

class ShellCommandTest : public ::testing::Test
{
protected:
    // Each of these would be changed or split by a shell.
    const juce::String awkwardName { "a \"quoted\" $HOME `touch pwned` \\back 'x'" };

    TemporaryRoot root;
    juce::File source = root.getFolder().getChildFile ("source");
    juce::File destination = root.getFolder().getChildFile ("dest ination");
};

TEST_F (ShellCommandTest, AwkwardPathsReachTheToolUnchanged)
{
    auto item = source.getChildFile (awkwardName);
    item.getChildFile ("Contents/binary").create();
    item.getChildFile ("Contents/binary").replaceWithText ("payload");
    item.getChildFile (".hidden").replaceWithText ("secret");
    item.getChildFile ("Contents/.DS_Store").replaceWithText ("junk");
    item.getChildFile ("Contents/binary").createSymbolicLink (item.getChildFile ("Contents/link"), false);
    destination.createDirectory();

    runShellCommand (ShellCommand::copyItem (item.getFullPathName(), destination.getFullPathName()));

    auto copy = destination.getChildFile (awkwardName);
    EXPECT_EQ (copy.getChildFile ("Contents/binary").loadFileAsString(), "payload");
    EXPECT_FALSE (copy.getChildFile (".hidden").exists());
    EXPECT_FALSE (copy.getChildFile ("Contents/.DS_Store").exists());
    EXPECT_TRUE (copy.getChildFile ("Contents/link").isSymbolicLink());
    EXPECT_FALSE (juce::File::getCurrentWorkingDirectory().getChildFile ("pwned").exists());

    // Removing it takes the item and nothing beside it.
    auto neighbour = destination.getChildFile ("a");
    neighbour.replaceWithText ("keep");
    runShellCommand (ShellCommand::removeItem (copy.getFullPathName()));
    EXPECT_FALSE (copy.exists());
    EXPECT_TRUE (neighbour.existsAsFile());
}

TEST_F (ShellCommandTest, AFailingCommandReturnsAndLeavesTheJudgementToTheCaller)
{
    runShellCommand (
        ShellCommand::copyItem (source.getChildFile ("missing").getFullPathName(), destination.getFullPathName()));
    EXPECT_FALSE (destination.getChildFile ("missing").exists());

    runShellCommand ({ { "no-such-tool-here", "x" }, "no-such-tool-here x" });
}

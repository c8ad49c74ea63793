#include <gtest/gtest.h>

#include "platform/PrivilegedLauncher.h"
#include "tests/FakeStartMode.h"
#include "tests/TemporaryRoot.h"

namespace
{
juce::File writeScript (const juce::File& folder, const juce::String& name, const juce::String& body)
{
    auto script = folder.getChildFile (name);
    script.replaceWithText ("#!/bin/sh\n" + body + "\n", false, false, "\n");
    script.setExecutePermission (true);
    return script;
}
} // namespace

/** Runs the start-mode decision against a fake pkexec and a copy that records its arguments. */
class StartModeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto& hooks = FakeStartMode::hooks();
        hooks.environmentVariable = [] (const char* name) { return juce::String ("/home/ann ") + name; };
        hooks.executable =
            writeScript (folder.getFolder(), "copy",
                         "printf '%s\\n' \"$@\" \"HOME=$HOME\" > \"$0.args\"; sleep 3; touch \"$0.ended\"")
                .getFullPathName();
        hooks.pkexecProgram = writeScript (folder.getFolder(), "pkexec", "exec \"$@\"").getFullPathName();
    }

    juce::StringArray readCopyArguments()
    {
        juce::StringArray lines;
        juce::File (FakeStartMode::hooks().executable + ".args").readLines (lines);
        lines.removeEmptyStrings();
        return lines;
    }

    TemporaryRoot folder;
    FakeStartMode startMode { folder.getFolder() };
};

TEST (PrivilegedLauncherMarker, OnlyTheWholeExactParameterCounts)
{
    const std::pair<juce::StringArray, bool> cases[] = {
        { { "privelage" }, true },
        { { "song.dmg", "privelage" }, true },
        { { "Privelage" }, false },
        { { "xprivelage" }, false },
        { { "privelage2" }, false },
        { { "privilege" }, false },
        { {}, false },
    };

    for (auto& [parameters, expected] : cases)
        EXPECT_EQ (PrivilegedLauncher::hasMarker (parameters), expected) << parameters.joinIntoString (" ");
}

TEST_F (StartModeTest, TheMarkerOrRootRightsStartNormallyWithoutAsking)
{
    startMode.parameters = { "install", "privelage" };
    EXPECT_TRUE (relaunchWithPrivileges());

    startMode.parameters = {};
    startMode.isRoot = true;
    EXPECT_TRUE (relaunchWithPrivileges());

    EXPECT_EQ (startMode.quitRequests, 0);
    EXPECT_EQ (startMode.failuresShown, 0);
}

TEST_F (StartModeTest, TheRelaunchCommandKeepsTheUsersEnvironmentAndEveryParameterInOrder)
{
    auto& hooks = FakeStartMode::hooks();
    hooks.environmentVariable = [] (const char* name)
    { return juce::String (name) == "XAUTHORITY" ? juce::String() : juce::String ("v"); };

    auto command = PrivilegedLauncher::buildRelaunchCommand (hooks, { "a b.dmg", "quit" });
    juce::StringArray expected { hooks.pkexecProgram, "/usr/bin/env", "HOME=v",  "DISPLAY=v",
                                 hooks.executable,    "privelage",    "a b.dmg", "quit" };
    EXPECT_EQ (command, expected);
}

TEST_F (StartModeTest, AnAgreedRelaunchStartsThePrivilegedCopyAndQuitsWithoutWaitingForIt)
{
    const auto unicode = juce::String (juce::CharPointer_UTF8 ("Caf\xc3\xa9 \"Bar\" $HOME.dmg"));
    startMode.parameters = { "install", unicode, "--service-url=https://127.0.0.1:1/" };

    EXPECT_FALSE (relaunchWithPrivileges());
    EXPECT_EQ (startMode.failuresShown, 0);
    EXPECT_EQ (startMode.quitRequests, 1);

    // The copy is still running: this instance did not wait for it to end.
    auto copy = juce::File (FakeStartMode::hooks().executable);
    EXPECT_FALSE (copy.getSiblingFile ("copy.ended").exists());

    for (int i = 0; i < 100 && readCopyArguments().size() < 5; ++i)
        juce::Thread::sleep (20);

    juce::StringArray expected { "privelage", "install", unicode, "--service-url=https://127.0.0.1:1/",
                                 "HOME=/home/ann HOME" };
    EXPECT_EQ (readCopyArguments(), expected);
}

TEST_F (StartModeTest, ARefusedCancelledOrMissingPkexecShowsTheFailureOnceAndQuits)
{
    auto& hooks = FakeStartMode::hooks();

    const juce::String refusals[] = {
        writeScript (folder.getFolder(), "pkexec-dismissed", "exit 126").getFullPathName(),
        writeScript (folder.getFolder(), "pkexec-refused", "sleep 0.3; exit 127").getFullPathName(),
        folder.getFolder().getChildFile ("no-such-pkexec").getFullPathName(),
    };

    for (auto& program : refusals)
    {
        startMode.failuresShown = startMode.quitRequests = 0;
        hooks.pkexecProgram = program;

        EXPECT_FALSE (relaunchWithPrivileges()) << program;
        EXPECT_EQ (startMode.failuresShown, 1) << program;
        EXPECT_EQ (startMode.quitRequests, 1) << program;
        EXPECT_TRUE (readCopyArguments().isEmpty()) << program;
    }
}

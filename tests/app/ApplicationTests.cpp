#include <gtest/gtest.h>

#include "app/MistFoldManagerApplication.h"
#include "tests/FakeStartMode.h"
#include "tests/TemporaryRoot.h"
#include "ui/MainComponent.h"

namespace
{
/** The log's lines without their time stamps, blank lines left out. */
juce::StringArray logTexts (const juce::File& logFile)
{
    juce::StringArray texts;

    for (auto& line : juce::StringArray::fromLines (logFile.loadFileAsString()))
    {
        // "9 Dec 2025 15:04:05 text": the text starts after the fourth blank.
        auto words = juce::StringArray::fromTokens (line, " ", "");
        if (words.size() > 4 && words[3].containsChar (':') && words[2].length() == 4)
            texts.add (line.fromFirstOccurrenceOf (words[3] + " ", false, false));
        else if (line.isNotEmpty())
            texts.add (line);
    }

    return texts;
}

void expectStartupLinesAt (const juce::StringArray& texts, int index)
{
    const juce::StringArray expected { "MFM 2.0.0", "Linux", "64bit", "UserLanguage", "DisplayLanguage" };
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_TRUE (texts[index + i].startsWith (expected[i])) << texts[index + i];
}
} // namespace

/** Drives the application object with a start mode decided by the test. */
class ApplicationTest : public ::testing::Test
{
protected:
    void SetUp() override { startMode.parameters = { "privelage" }; }

    TemporaryRoot root;
    FakeStartMode startMode { root.getFolder() };
};

TEST_F (ApplicationTest, StartsTheLogWithItsHeaderAndFiveLinesAndRemovesItLast)
{
    {
        MistFoldManagerApplication app;
        EXPECT_NE (juce::Logger::getCurrentLogger(), nullptr);
        EXPECT_EQ (juce::Logger::getCurrentLogger(), AppLogger::getCurrent());
    }

    EXPECT_EQ (juce::Logger::getCurrentLogger(), nullptr);
    EXPECT_EQ (AppLogger::getCurrent(), nullptr);

    auto texts = logTexts (root.folders().getLogFile());
    ASSERT_EQ (texts.size(), 8) << texts.joinIntoString ("|");
    EXPECT_EQ (texts[0], juce::String::repeatedString ("*", 58));
    EXPECT_EQ (texts[1], "Log initialized");
    EXPECT_TRUE (texts[2].startsWith ("Log started: "));
    expectStartupLinesAt (texts, 3);
}

TEST_F (ApplicationTest, ThePrivilegedInstanceOpensTheFixedMainWindow)
{
    MistFoldManagerApplication app;
    app.initialise ("privelage \"/tmp/a b.dmg\"");

    auto* window = app.getMainWindow();
    ASSERT_NE (window, nullptr);
    EXPECT_EQ (window->getName(), "MistFold License Manager");
    EXPECT_EQ (window->getBackgroundColour(), juce::Colour (0xffd3d3d3));
    EXPECT_EQ (window->getDesktopWindowStyleFlags() & juce::ComponentPeer::windowHasMinimiseButton,
               juce::ComponentPeer::windowHasMinimiseButton);
    EXPECT_TRUE (window->isUsingNativeTitleBar());
    EXPECT_TRUE (window->isOnDesktop());
    EXPECT_TRUE (window->isVisible());
    EXPECT_TRUE (window->isResizable());

    auto flags = window->getDesktopWindowStyleFlags();
    for (auto button : { juce::ComponentPeer::windowHasMinimiseButton, juce::ComponentPeer::windowHasMaximiseButton,
                         juce::ComponentPeer::windowHasCloseButton })
        EXPECT_NE (flags & button, 0);

    EXPECT_EQ (window->getWidth(), 600);
    EXPECT_EQ (window->getHeight(), 700);
    auto* limits = window->getConstrainer();
    ASSERT_NE (limits, nullptr);
    EXPECT_EQ (limits->getMinimumWidth(), 600);
    EXPECT_EQ (limits->getMaximumWidth(), 600);
    EXPECT_EQ (limits->getMinimumHeight(), 700);
    EXPECT_EQ (limits->getMaximumHeight(), 2000);

    // Only taller: a drag to any other size is held inside the limits.
    auto screen = juce::Desktop::getInstance().getDisplays().getPrimaryDisplay()->userArea;
    EXPECT_EQ (window->getBounds().getCentre(), screen.getCentre());
    window->setBoundsConstrained (window->getBounds().withSize (400, 300));
    EXPECT_EQ (window->getBounds().getWidth(), 600);
    EXPECT_EQ (window->getBounds().getHeight(), 700);
    window->setBoundsConstrained (window->getBounds().withSize (900, 800));
    EXPECT_EQ (window->getBounds().getWidth(), 600);
    EXPECT_EQ (window->getBounds().getHeight(), 800);

    auto* content = window->getMainComponent();
    ASSERT_NE (content, nullptr);
    EXPECT_EQ (window->getContentComponent(), content);
    EXPECT_NE (content->getEngine(), nullptr);
    EXPECT_EQ (startMode.quitRequests, 0);

    // The engine reports to the main component.
    content->getEngine()->startJob (JobKind::checkManagerUpdate);
    ASSERT_TRUE (content->getEngine()->waitForThreadToExit (5000));
    EXPECT_EQ (content->getJobProgress (JobKind::checkManagerUpdate), 1.0f);

    app.shutdown();
    EXPECT_EQ (app.getMainWindow(), nullptr);
}

TEST_F (ApplicationTest, AnInstanceThatCannotGetTheRightsShowsTheFailureAndStartsNoEngine)
{
    startMode.parameters = { "/tmp/x.dmg" };

    MistFoldManagerApplication app;
    app.initialise ("/tmp/x.dmg");

    ASSERT_NE (app.getMainWindow(), nullptr);
    EXPECT_EQ (app.getMainWindow()->getMainComponent()->getEngine(), nullptr);
    EXPECT_EQ (startMode.failuresShown, 1);
    EXPECT_EQ (startMode.quitRequests, 1);
    app.shutdown();
}

TEST_F (ApplicationTest, ALaterCommandLineReachesTheRunningInstanceAndQuitStopsIt)
{
    MistFoldManagerApplication app;
    app.initialise ("privelage");
    auto* messages = juce::MessageManager::getInstance();

    // The marker inside a longer word still raises the window; nothing quits.
    app.anotherInstanceStarted ("xprivelagex '/tmp/a b.dmg'");
    EXPECT_NE (app.getMainWindow(), nullptr);
    EXPECT_FALSE (messages->hasStopMessageBeenSent());

    app.anotherInstanceStarted ("install \"x y\" Quit");
    EXPECT_TRUE (messages->hasStopMessageBeenSent());
    app.shutdown();
}

TEST_F (ApplicationTest, TheMainComponentPaintsItsWhiteBackground)
{
    MainComponent content;
    auto image = content.createComponentSnapshot (content.getLocalBounds());
    EXPECT_EQ (image.getWidth(), 600);
    EXPECT_EQ (image.getHeight(), 700);
    EXPECT_EQ (image.getPixelAt (300, 350), juce::Colours::white);
}

//==============================================================================
/** Starts the real program in its own process, under the display of the tests. */
class ProgramTest : public ::testing::Test
{
protected:
    int runProgram (juce::StringArray arguments)
    {
        arguments.insert (0, MFM_APP_EXECUTABLE);
        arguments.add (juce::String (MistFoldManagerApplication::systemRootOption)
                       + root.getFolder().getFullPathName());

        juce::ChildProcess process;
        if (! process.start (arguments, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
            return -1;

        output = process.readAllProcessOutput();
        if (! process.waitForProcessToFinish (60000))
        {
            process.kill();
            return -2;
        }

        return (int) process.getExitCode();
    }

    TemporaryRoot root;
    juce::String output;
};

TEST_F (ProgramTest, QuitOnTheCommandLineEndsTheProgramAfterItsStartUpLines)
{
    ASSERT_EQ (runProgram ({ "privelage", "quit" }), 0) << output;
    ASSERT_EQ (runProgram ({ "privelage", "QUIT" }), 0) << output;

    // Each start adds its own header and start-up lines below the previous ones.
    auto texts = logTexts (root.getFolder().getChildFile ("var/lib/MistFold/MFM-LOG.txt"));
    ASSERT_EQ (texts.size(), 16) << texts.joinIntoString ("|");
    expectStartupLinesAt (texts, 3);
    expectStartupLinesAt (texts, 11);
}

#include <gtest/gtest.h>

#include "app/AppLogger.h"
#include "tests/TemporaryRoot.h"

namespace
{
const juce::String crlf ("\r\n");

juce::String headerText()
{
    return crlf + juce::String::repeatedString ("*", 58) + crlf + "Log initialized" + crlf + "Log started: ";
}

juce::MemoryBlock readAll (const juce::File& f)
{
    juce::MemoryBlock data;
    f.loadFileAsData (data);
    return data;
}

/** Old log content: numbered lines of 100 bytes each, CR LF included. */
juce::String numberedLines (int count)
{
    juce::String text;

    for (int i = 0; i < count; ++i)
        text << juce::String (i).paddedLeft ('0', 6) << juce::String::repeatedString ("x", 92) << crlf;

    return text;
}
} // namespace

class AppLoggerTest : public ::testing::Test
{
protected:
    TemporaryRoot root;
    juce::File logFile = root.folders().getLogFile();
};

TEST_F (AppLoggerTest, CreatesMissingFoldersAndWritesTheHeaderWithCrLf)
{
    ASSERT_FALSE (logFile.getParentDirectory().exists());

    auto before = juce::Time::getCurrentTime();
    {
        AppLogger logger (logFile);
    }
    auto after = juce::Time::getCurrentTime();

    auto text = logFile.loadFileAsString();
    ASSERT_TRUE (text.startsWith (headerText())) << text;

    // The header ends with the 12-hour stamp, its own line end and the empty line of logMessage.
    auto stamp = text.fromFirstOccurrenceOf ("Log started: ", false, false).upToFirstOccurrenceOf (crlf, false, false);
    EXPECT_TRUE (text.endsWith (stamp + crlf + crlf));
    EXPECT_TRUE (stamp == AppLogger::headerTimeStamp (before) || stamp == AppLogger::headerTimeStamp (after)) << stamp;
    EXPECT_FALSE (text.replace (crlf, {}).containsAnyOf ("\r\n"));
}

TEST_F (AppLoggerTest, TrimsALargeLogToItsLastPartFromTheFirstLineBreak)
{
    // 2048 lines of 100 bytes: 200 KiB.
    auto old = numberedLines (2048);
    logFile.getParentDirectory().createDirectory();
    logFile.replaceWithText (old, false, false, nullptr);

    {
        AppLogger logger (logFile);
    }

    auto data = readAll (logFile);
    auto text = data.toString();
    auto cut = (size_t) old.length() - (size_t) AppLogger::maximumKeptBytes;

    // The part kept begins with the line break found at or after the cut, break included.
    auto expectedStart = (int) cut;
    while (old[expectedStart] != '\r' && old[expectedStart] != '\n')
        ++expectedStart;

    auto kept = old.substring (expectedStart);
    EXPECT_TRUE (text.startsWith (kept + headerText()));
    EXPECT_LE ((juce::int64) kept.length(), AppLogger::maximumKeptBytes);
}

TEST_F (AppLoggerTest, LeavesALogWithoutLineBreaksInItsLastPartUnchanged)
{
    auto old = juce::String::repeatedString ("y", 200 * 1024);
    logFile.getParentDirectory().createDirectory();
    logFile.replaceWithText (old, false, false, nullptr);

    {
        AppLogger logger (logFile);
    }

    auto text = logFile.loadFileAsString();
    EXPECT_TRUE (text.startsWith (old + headerText()));
}

TEST_F (AppLoggerTest, LogLineWritesStampedUtf8LinesOnlyWhileAnInstanceIsCurrent)
{
    logLine ("before");

    auto logger = std::make_unique<AppLogger> (logFile);
    logLine ("not current yet");
    logger->makeCurrent();

    const auto text = juce::String (juce::CharPointer_UTF8 ("Gr\xc3\xbc\xc3\x9f"
                                                            "e \xe2\x82\xac 5"));
    auto before = juce::Time::getCurrentTime();
    logLine (text);
    auto after = juce::Time::getCurrentTime();

    juce::Logger::setCurrentLogger (logger.get());
    juce::Logger::writeToLog ("framework message");
    juce::Logger::setCurrentLogger (nullptr);

    logger.reset();
    EXPECT_EQ (AppLogger::getCurrent(), nullptr);
    logLine ("after");

    auto lines = juce::StringArray::fromLines (logFile.loadFileAsString());
    lines.removeEmptyStrings();

    EXPECT_FALSE (lines.contains ("before"));
    EXPECT_EQ (lines.indexOf ("not current yet"), -1);

    auto stamped = lines[lines.size() - 2];
    EXPECT_TRUE (stamped == AppLogger::lineTimeStamp (before) + " " + text
                 || stamped == AppLogger::lineTimeStamp (after) + " " + text)
        << stamped;
    EXPECT_EQ (lines[lines.size() - 1], "framework message");

    // Stored as UTF-8 bytes.
    auto data = readAll (logFile);
    const char euro[] = "\xe2\x82\xac";
    EXPECT_NE (std::search (data.begin(), data.end(), euro, euro + 3), data.end());
}

TEST (AppLoggerTimeStamps, MidnightNoonAndAfternoon)
{
    struct Case
    {
        int hours, minutes, seconds;
        const char* header;
        const char* line;
    };

    const Case cases[] = {
        { 0, 0, 0, "9 Dec 2025 12:00:00am", "9 Dec 2025 0:00:00" },
        { 12, 0, 0, "9 Dec 2025 12:00:00pm", "9 Dec 2025 12:00:00" },
        { 15, 4, 5, "9 Dec 2025 3:04:05pm", "9 Dec 2025 15:04:05" },
        { 9, 30, 59, "9 Dec 2025 9:30:59am", "9 Dec 2025 9:30:59" },
        { 23, 59, 59, "9 Dec 2025 11:59:59pm", "9 Dec 2025 23:59:59" },
    };

    for (auto& c : cases)
    {
        juce::Time t (2025, 11, 9, c.hours, c.minutes, c.seconds, 0, true);
        EXPECT_EQ (AppLogger::headerTimeStamp (t), c.header);
        EXPECT_EQ (AppLogger::lineTimeStamp (t), c.line);
    }
}

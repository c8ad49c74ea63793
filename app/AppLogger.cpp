#include "app/AppLogger.h"

#include <atomic>

namespace
{
std::atomic<AppLogger*> currentLineLogger { nullptr };
} // namespace

// juce::FileLogger already trims the old log at a line break, creates missing folders and
// writes the header with the 58 asterisks and a 12-hour "Log started" stamp.
AppLogger::AppLogger (const juce::File& logFile) : juce::FileLogger (logFile, "Log initialized", maximumKeptBytes)
{
}

AppLogger::~AppLogger()
{
    auto* self = this;
    currentLineLogger.compare_exchange_strong (self, nullptr);
}

void AppLogger::logMessage (const juce::String& message)
{
    juce::FileLogger::logMessage (message);
}

void AppLogger::makeCurrent()
{
    currentLineLogger = this;
}

AppLogger* AppLogger::getCurrent() noexcept
{
    return currentLineLogger;
}

juce::String AppLogger::headerTimeStamp (juce::Time time)
{
    return time.toString (true, true, true, false);
}

juce::String AppLogger::lineTimeStamp (juce::Time time)
{
    return time.toString (true, true, true, true);
}

void logLine (const juce::String& text)
{
    if (auto* logger = AppLogger::getCurrent())
        logger->logMessage (AppLogger::lineTimeStamp (juce::Time::getCurrentTime()) + " " + text);
}

#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    The manager's log file.

    Opening it keeps at most the last 128 KiB of earlier runs (cut at a line break) and
    writes a header; every entry is appended with CR LF. The one instance is installed as
    the framework's logger, and logLine() writes time-stamped lines through it.
*/
class AppLogger : public juce::FileLogger
{
public:
    /** Most of earlier runs kept when the log is opened. */
    static constexpr juce::int64 maximumKeptBytes = 128 * 1024;

    /** Opens (and creates) the log and writes its header. */
    explicit AppLogger (const juce::File& logFile);

    /** Clears the current instance if it is this one. */
    ~AppLogger() override;

    /** Appends the text and a line end. */
    void logMessage (const juce::String& message) override;

    //==============================================================================
    /** Makes this the instance that logLine() writes to. */
    void makeCurrent();

    /** The instance that logLine() writes to, or nullptr. */
    static AppLogger* getCurrent() noexcept;

    /** The header's time stamp: "9 Dec 2025 3:04:05pm". */
    static juce::String headerTimeStamp (juce::Time time);

    /** The time stamp of every line: "9 Dec 2025 15:04:05". */
    static juce::String lineTimeStamp (juce::Time time);

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AppLogger)
};

/** Writes one time-stamped line to the current log; does nothing while there is none. */
void logLine (const juce::String& text);

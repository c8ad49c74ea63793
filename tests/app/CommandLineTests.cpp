#include <gtest/gtest.h>

#include "app/CommandLine.h"

TEST (CommandLine, SplitsAtBlanksAndKeepsQuotedStretchesTogether)
{
    const std::pair<const char*, juce::StringArray> cases[] = {
        { "", {} },
        { "privelage", { "privelage" } },
        { "install  ABCD   quit", { "install", "ABCD", "quit" } },
        { "privelage \"/tmp/My Synth r12.dmg\" install", { "privelage", "/tmp/My Synth r12.dmg", "install" } },
        { "'/tmp/it is.dmg' BETA", { "/tmp/it is.dmg", "BETA" } },
        { "\"a 'b' c\" 'd \"e\"'", { "a 'b' c", "d \"e\"" } },
        { "--site-url=\"x y\" z", { "--site-url=\"x y\"", "z" } },
        { "tab\tstays", { "tab\tstays" } },
    };

    for (auto& [line, expected] : cases)
        EXPECT_EQ (tokeniseCommandLine (line), expected) << line;
}

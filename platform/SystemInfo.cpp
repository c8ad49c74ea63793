#include "platform/SystemInfo.h"

namespace SystemInfo
{
namespace
{
juce::String environmentValue (const char* name)
{
    return juce::SystemStats::getEnvironmentVariable (name, {}).trim();
}

juce::String osReleaseValue (const juce::StringArray& lines, const juce::String& key)
{
    for (auto& line : lines)
        if (line.startsWith (key + "="))
            return line.fromFirstOccurrenceOf ("=", false, false).trim().unquoted();

    return {};
}
} // namespace

juce::String distributionName (const juce::File& osReleaseFile)
{
    juce::StringArray lines;
    osReleaseFile.readLines (lines);

    auto name = osReleaseValue (lines, "NAME");
    auto version = osReleaseValue (lines, "VERSION_ID");

    if (name.isEmpty())
    {
        name = osReleaseValue (lines, "PRETTY_NAME");
        version = {};
    }

    if (name.isEmpty())
        return juce::SystemStats::getOperatingSystemName();

    return (name + " " + version).trim();
}

juce::String languageCode (const juce::String& localeValue)
{
    auto code = localeValue.upToFirstOccurrenceOf (".", false, false).upToFirstOccurrenceOf ("@", false, false);
    code = code.upToFirstOccurrenceOf ("_", false, false).trim();

    if (code.isEmpty() || code == "C" || code == "POSIX")
        return "en";

    return code;
}

juce::String userLanguage()
{
    for (auto* name : { "LC_ALL", "LC_MESSAGES", "LANG" })
        if (auto value = environmentValue (name); value.isNotEmpty())
            return languageCode (value);

    return languageCode ({});
}

juce::String preferredLanguage()
{
    auto first = environmentValue ("LANGUAGE").upToFirstOccurrenceOf (":", false, false);
    return first.isNotEmpty() ? languageCode (first) : userLanguage();
}
} // namespace SystemInfo

#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/** Facts about the system that the log records at start-up. */
namespace SystemInfo
{
/** The distribution's name and version, from an os-release file ("Debian GNU/Linux 12"). */
juce::String distributionName (const juce::File& osReleaseFile);

/** The language code of a locale value such as "de_DE.UTF-8"; "C" and "POSIX" are "en". */
juce::String languageCode (const juce::String& localeValue);

/** The language code of the current locale (LC_ALL, LC_MESSAGES, then LANG). */
juce::String userLanguage();

/** The first of the user's preferred languages (LANGUAGE, else the current locale's). */
juce::String preferredLanguage();
} // namespace SystemInfo

#pragma once

#include <juce_data_structures/juce_data_structures.h>

//==============================================================================
/**
    The user's settings: string values under case-sensitive keys in one properties file.

    Nothing is cached. Every read opens and parses the file, every effective write opens,
    changes and saves it before returning, so the GUI thread and the worker always see
    the file as it is. Double quotes are stored escaped as "&quot;".
*/
namespace Settings
{
/** Keys of the settings file. */
namespace Keys
{
static constexpr const char* appFolder = "app-folder";
static constexpr const char* appInstall = "APP-install";
static constexpr const char* auFolder = "au-folder";
static constexpr const char* auInstall = "AU-install";
static constexpr const char* vstFolder = "vst-folder";
static constexpr const char* vstInstall = "VST-install";
static constexpr const char* vst3Folder = "vst3-folder";
static constexpr const char* vst3Install = "VST3-install";
static constexpr const char* rtasFolder = "rtas-folder";
static constexpr const char* rtasInstall = "RTAS-install";
static constexpr const char* aaxFolder = "aax-folder";
static constexpr const char* aaxInstall = "AAX-install";
static constexpr const char* packagesFolder = "packages-folder";
static constexpr const char* betaToggle = "beta-toggle";
} // namespace Keys

/** The storage options of the settings file. */
juce::PropertiesFile::Options storageOptions();
} // namespace Settings

/** The value stored under the key, unescaped; empty when the key is missing. */
juce::String getSetting (const juce::String& key);

/** Stores the value under the key; the file is left untouched when the value is already there. */
void setSetting (const juce::String& key, const juce::String& value);

/** Writes the default of every key whose value is empty; existing values are never replaced. */
void fillDefaultSettings();

/** An install flag is on unless it holds exactly "0". */
bool isInstallFlagOn (const juce::String& value);

/** The beta opt-in is on when the value, read as atoi() reads it, is above 0. */
bool isBetaToggleOn (const juce::String& value);

/** A decimal number read as C's atoi() reads it: leading blanks, a sign, digits up to the first other character. */
int readLeadingInteger (const juce::String& text);

#include "settings/SettingsStore.h"

#include "platform/SystemFolders.h"
#include "platform/UserOwnership.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace
{
const juce::String quote ("\"");
const juce::String escapedQuote ("&quot;");

/** Opens the settings file through a properties object that lives only for one call. */
struct SettingsFileAccess
{
    SettingsFileAccess() { properties.setStorageParameters (Settings::storageOptions()); }

    juce::PropertiesFile& file() { return *properties.getUserSettings(); }

    juce::ApplicationProperties properties;
};

bool pathExists (const juce::String& path)
{
    return path.isNotEmpty() && access (path.toRawUTF8(), F_OK) == 0;
}
} // namespace

juce::PropertiesFile::Options Settings::storageOptions()
{
    juce::PropertiesFile::Options options;
    options.applicationName = "MFM";
    options.filenameSuffix = "settings";
    // An absolute folder name places the file in the settings folder of SystemFolders.
    options.folderName = SystemFolders::get().settingsFolder.getFullPathName();
    options.osxLibrarySubFolder = "Application Support";
    options.commonToAllUsers = false;
    options.ignoreCaseOfKeyNames = false;
    options.doNotSave = false;
    options.millisecondsBeforeSaving = 3000;
    options.storageFormat = juce::PropertiesFile::storeAsXML;
    options.processLock = nullptr;
    return options;
}

juce::String getSetting (const juce::String& key)
{
    SettingsFileAccess access;
    return access.file().getValue (key, {}).replace (escapedQuote, quote);
}

void setSetting (const juce::String& key, const juce::String& value)
{
    if (getSetting (key) == value)
        return;

    auto settingsFile = SystemFolders::get().getSettingsFile();
    UserOwnership::createUserFolder (settingsFile.getParentDirectory());

    {
        SettingsFileAccess access;
        access.file().setValue (key, value.replace (quote, escapedQuote));
        // Closing the properties object saves the file at once.
    }

    UserOwnership::handToInvokingUser (settingsFile);
}

void fillDefaultSettings()
{
    const auto& folders = SystemFolders::get();
    using namespace Settings;

    auto fillIfEmpty = [] (const char* key, const juce::String& value)
    {
        if (getSetting (key).isEmpty())
            setSetting (key, value);
    };

    // A format whose folder does not exist is off by default; the test reads the folder
    // value stored now, which may be the user's own.
    auto fillFlagFromFolder = [&fillIfEmpty] (const char* flagKey, const char* folderKey)
    { fillIfEmpty (flagKey, pathExists (getSetting (folderKey)) ? "1" : "0"); };

    fillIfEmpty (Keys::appFolder, folderSettingValue (folders.applicationsFolder));
    fillIfEmpty (Keys::appInstall, "1");
    fillIfEmpty (Keys::auFolder, folderSettingValue (folders.auFolder));
    fillIfEmpty (Keys::auInstall, "1");
    fillIfEmpty (Keys::vstFolder, folderSettingValue (folders.vstFolder));
    fillIfEmpty (Keys::vstInstall, "1");
    fillIfEmpty (Keys::vst3Folder, folderSettingValue (folders.vst3Folder));
    fillFlagFromFolder (Keys::vst3Install, Keys::vst3Folder);
    fillIfEmpty (Keys::rtasFolder, folderSettingValue (folders.rtasFolder));
    fillFlagFromFolder (Keys::rtasInstall, Keys::rtasFolder);
    fillIfEmpty (Keys::aaxFolder, folderSettingValue (folders.aaxFolder));
    fillFlagFromFolder (Keys::aaxInstall, Keys::aaxFolder);
    fillIfEmpty (Keys::packagesFolder, folderSettingValue (folders.getDefaultPackagesFolder()));
    fillIfEmpty (Keys::betaToggle, "0");
}

bool isInstallFlagOn (const juce::String& value)
{
    return value != "0";
}

int readLeadingInteger (const juce::String& text)
{
    // strtol rather than atoi: the same reading, without undefined behaviour on overflow.
    auto value = std::strtol (text.toRawUTF8(), nullptr, 10);
    return (int) juce::jlimit ((long) INT_MIN, (long) INT_MAX, value);
}

bool isBetaToggleOn (const juce::String& value)
{
    return readLeadingInteger (value) > 0;
}

#include <gtest/gtest.h>

#include "settings/SettingsStore.h"
#include "tests/TemporaryRoot.h"

#include <sys/stat.h>
#include <unistd.h>

class SettingsStoreTest : public ::testing::Test
{
protected:
    TemporaryRoot root;
    juce::File settingsFile = root.folders().getSettingsFile();
};

TEST_F (SettingsStoreTest, ValuesRoundTripAndQuotesAreStoredEscaped)
{
    EXPECT_EQ (getSetting ("vst-folder"), "");

    const juce::String value ("/Volumes/My \"Plug\" Ins/&quot;x");
    setSetting ("vst-folder", value);

    // A stored "&quot;" cannot be told apart from an escaped quote, so it reads back as one.
    EXPECT_EQ (getSetting ("vst-folder"), "/Volumes/My \"Plug\" Ins/\"x");
    EXPECT_EQ (settingsFile.getParentDirectory(), root.folders().settingsFolder);

    auto xml = juce::parseXML (settingsFile);
    ASSERT_NE (xml, nullptr);
    EXPECT_TRUE (xml->hasTagName ("PROPERTIES"));
    auto* element = xml->getChildByAttribute ("name", "vst-folder");
    ASSERT_NE (element, nullptr);
    EXPECT_EQ (element->getStringAttribute ("val"), "/Volumes/My &quot;Plug&quot; Ins/&quot;x");
    EXPECT_TRUE (settingsFile.loadFileAsString().contains ("My &amp;quot;Plug&amp;quot; Ins"));
}

TEST_F (SettingsStoreTest, KeysAreCaseSensitive)
{
    setSetting ("VST3-install", "1");
    EXPECT_EQ (getSetting ("VST3-install"), "1");
    EXPECT_EQ (getSetting ("vst3-install"), "");
}

TEST_F (SettingsStoreTest, WritingTheSameValueLeavesTheFileUntouched)
{
    setSetting ("beta-toggle", "1");
    auto oldTime = juce::Time (2001, 0, 1, 0, 0);
    ASSERT_TRUE (settingsFile.setLastModificationTime (oldTime));

    setSetting ("beta-toggle", "1");
    EXPECT_EQ (settingsFile.getLastModificationTime(), oldTime);

    setSetting ("beta-toggle", "0");
    EXPECT_NE (settingsFile.getLastModificationTime(), oldTime);
    EXPECT_EQ (getSetting ("beta-toggle"), "0");
}

TEST_F (SettingsStoreTest, AnUnreadableFileReadsEmptyAndIsReplacedByTheNextWrite)
{
    settingsFile.create();
    settingsFile.replaceWithText ("<PROPERTIES><VALUE name=\"app-folder\" val=");

    EXPECT_EQ (getSetting ("app-folder"), "");

    setSetting ("AU-install", "0");
    EXPECT_EQ (getSetting ("AU-install"), "0");
    EXPECT_NE (juce::parseXML (settingsFile), nullptr);
}

TEST_F (SettingsStoreTest, DefaultsFillEmptyKeysAndNeverReplaceValues)
{
    const auto& folders = root.folders();

    // Only the VST3 folder exists on this machine; the user chose an AAX folder that exists
    // and switched Audio Units off; the VST folder was stored empty.
    folders.vst3Folder.createDirectory();
    settingsFile.create();
    settingsFile.replaceWithText ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<PROPERTIES><VALUE name=\"vst-folder\" val=\"\"/></PROPERTIES>\n");
    auto ownAax = root.getFolder().getChildFile ("my aax");
    ownAax.createDirectory();
    setSetting ("aax-folder", ownAax.getFullPathName());
    setSetting ("AU-install", "0");

    fillDefaultSettings();

    const std::pair<const char*, juce::String> expected[] = {
        { "app-folder", folders.applicationsFolder.getFullPathName() + "/" },
        { "APP-install", "1" },
        { "au-folder", folders.auFolder.getFullPathName() + "/" },
        { "AU-install", "0" },
        { "vst-folder", folders.vstFolder.getFullPathName() + "/" },
        { "VST-install", "1" },
        { "vst3-folder", folders.vst3Folder.getFullPathName() + "/" },
        { "VST3-install", "1" },
        { "rtas-folder", folders.rtasFolder.getFullPathName() + "/" },
        { "RTAS-install", "0" },
        { "aax-folder", ownAax.getFullPathName() },
        { "AAX-install", "1" },
        { "packages-folder", folders.userDataFolder.getFullPathName() + "/packages/" },
        { "beta-toggle", "0" },
    };

    for (auto& [key, value] : expected)
        EXPECT_EQ (getSetting (key), value) << key;

    // A later start with the folders gone keeps the user's "1" and "0".
    folders.vst3Folder.deleteRecursively();
    setSetting ("RTAS-install", "1");
    fillDefaultSettings();
    EXPECT_EQ (getSetting ("VST3-install"), "1");
    EXPECT_EQ (getSetting ("RTAS-install"), "1");
}

TEST_F (SettingsStoreTest, DefaultFoldersAreTheSystemsPluginFolders)
{
    auto system = SystemFolders::forThisSystem();
    EXPECT_EQ (system.vstFolder.getFullPathName(), "/usr/local/lib/vst");
    EXPECT_EQ (system.vst3Folder.getFullPathName(), "/usr/local/lib/vst3");
    EXPECT_EQ (system.applicationsFolder.getFullPathName(), "/opt");
    EXPECT_EQ (system.getLogFile().getFullPathName(), "/var/lib/MistFold/MFM-LOG.txt");
    EXPECT_TRUE (system.getSettingsFile().getFullPathName().endsWith ("/.config/MistFold/MFM.settings"));
    EXPECT_EQ (folderSettingValue (system.aaxFolder), "/usr/local/lib/aax/");
}

TEST (SettingsFlags, OnlyZeroSwitchesAFormatOffAndBetaReadsLikeAtoi)
{
    const std::pair<const char*, bool> installFlags[] = {
        { "1", true }, { "0", false }, { "", true }, { "yes", true }, { "00", true }, { " 0", true },
    };

    for (auto& [value, on] : installFlags)
        EXPECT_EQ (isInstallFlagOn (value), on) << "'" << value << "'";

    const std::pair<const char*, bool> betaValues[] = {
        { "1", true },    { "2", true },   { " 3x", true }, { "0", false },          { "", false },
        { "abc", false }, { "-1", false }, { "x1", false }, { "99999999999", true },
    };

    for (auto& [value, on] : betaValues)
        EXPECT_EQ (isBetaToggleOn (value), on) << "'" << value << "'";
}

TEST_F (SettingsStoreTest, FilesCreatedForAUserWhoCameThroughPkexecAreHandedToThem)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to hand files to another user";

    const int nobody = 65534;
    setenv ("PKEXEC_UID", juce::String (nobody).toRawUTF8(), 1);
    setSetting ("beta-toggle", "1");
    unsetenv ("PKEXEC_UID");

    struct stat info
    {
    };
    for (auto& f :
         { settingsFile, settingsFile.getParentDirectory(), settingsFile.getParentDirectory().getParentDirectory() })
    {
        ASSERT_EQ (stat (f.getFullPathName().toRawUTF8(), &info), 0) << f.getFullPathName();
        EXPECT_EQ ((int) info.st_uid, nobody) << f.getFullPathName();
    }

    // The folders above the ones it created stay as they were.
    ASSERT_EQ (stat (root.getFolder().getFullPathName().toRawUTF8(), &info), 0);
    EXPECT_EQ ((int) info.st_uid, 0);
}

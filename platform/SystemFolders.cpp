#include "platform/SystemFolders.h"

namespace
{
std::unique_ptr<SystemFolders>& activeLayout()
{
    static std::unique_ptr<SystemFolders> layout;
    return layout;
}

juce::File homeFolder()
{
    return juce::File::getSpecialLocation (juce::File::userHomeDirectory);
}
} // namespace

juce::File SystemFolders::getLogFile() const
{
    return machineDataFolder.getChildFile ("MFM-LOG.txt");
}

juce::File SystemFolders::getSettingsFile() const
{
    return settingsFolder.getChildFile ("MFM.settings");
}

juce::File SystemFolders::getDefaultPackagesFolder() const
{
    return userDataFolder.getChildFile ("packages");
}

SystemFolders SystemFolders::forThisSystem()
{
    SystemFolders f;
    f.machineDataFolder = juce::File ("/var/lib/MistFold");
    f.userDataFolder = homeFolder().getChildFile (".local/share/MistFold");
    f.settingsFolder = homeFolder().getChildFile (".config/MistFold");
    f.applicationsFolder = juce::File ("/opt");
    f.vstFolder = juce::File ("/usr/local/lib/vst");
    f.vst3Folder = juce::File ("/usr/local/lib/vst3");
    f.auFolder = juce::File ("/usr/local/lib/components");
    f.rtasFolder = juce::File ("/usr/local/lib/rtas");
    f.aaxFolder = juce::File ("/usr/local/lib/aax");
    f.volumesFolder = juce::File ("/run/MistFold/Volumes");
    f.desktopFolder = juce::File::getSpecialLocation (juce::File::userDesktopDirectory);
    f.osReleaseFile = juce::File ("/etc/os-release");
    return f;
}

SystemFolders SystemFolders::under (const juce::File& root)
{
    auto moved = [&root] (const juce::File& f)
    { return root.getChildFile (f.getFullPathName().trimCharactersAtStart ("/")); };

    auto f = forThisSystem();
    f.userDataFolder = root.getChildFile ("home/.local/share/MistFold");
    f.settingsFolder = root.getChildFile ("home/.config/MistFold");
    f.desktopFolder = root.getChildFile ("home/Desktop");

    for (auto* folder : { &f.machineDataFolder, &f.applicationsFolder, &f.vstFolder, &f.vst3Folder, &f.auFolder,
                          &f.rtasFolder, &f.aaxFolder, &f.volumesFolder })
        *folder = moved (*folder);

    return f;
}

const SystemFolders& SystemFolders::get()
{
    auto& layout = activeLayout();

    if (layout == nullptr)
        layout = std::make_unique<SystemFolders> (forThisSystem());

    return *layout;
}

void SystemFolders::relocateUnder (const juce::File& root)
{
    activeLayout() = std::make_unique<SystemFolders> (under (root));
}

SystemFolders::ScopedRoot::ScopedRoot (const juce::File& root) : previous (std::move (activeLayout()))
{
    relocateUnder (root);
}

SystemFolders::ScopedRoot::~ScopedRoot()
{
    activeLayout() = std::move (previous);
}

juce::String folderSettingValue (const juce::File& folder)
{
    return folder.getFullPathName().trimCharactersAtEnd ("/") + "/";
}

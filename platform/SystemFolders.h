#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/**
    Every file-system location the manager uses, named in one place.

    The manager writes into machine-wide folders (its data folder, the plug-in folders)
    and into the user's own folders (settings, packages). Tests point the whole layout
    at a temporary folder with ScopedRoot, so no test ever touches a real one.
*/
struct SystemFolders
{
    /** Machine-wide data folder: the log, installation records, the APPDATA target base. */
    juce::File machineDataFolder;

    /** Per-user data folder: per-user installation records and the default packages folder. */
    juce::File userDataFolder;

    /** Folder of the settings file "MFM.settings". */
    juce::File settingsFolder;

    /** Default destination folders of the plug-in formats and of applications. */
    juce::File applicationsFolder, vstFolder, vst3Folder, auFolder, rtasFolder, aaxFolder;

    /** Private folder under which package images are unpacked, one subfolder per volume. */
    juce::File volumesFolder;

    /** Where the manager's own update image is saved. */
    juce::File desktopFolder;

    /** The file that names this system's distribution and version. */
    juce::File osReleaseFile;

    //==============================================================================
    /** The log file "MFM-LOG.txt" in the machine-wide data folder. */
    juce::File getLogFile() const;

    /** The settings file "MFM.settings". */
    juce::File getSettingsFile() const;

    /** The default packages folder inside the per-user data folder. */
    juce::File getDefaultPackagesFolder() const;

    //==============================================================================
    /** The real locations of this system. */
    static SystemFolders forThisSystem();

    /** The same layout, every location moved below the given folder. */
    static SystemFolders under (const juce::File& root);

    /** The layout in force for this process. */
    static const SystemFolders& get();

    /** Moves every location below the given folder for the rest of the process. */
    static void relocateUnder (const juce::File& root);

    /** Replaces the layout in force for as long as it lives; for tests. */
    class ScopedRoot
    {
    public:
        explicit ScopedRoot (const juce::File& root);
        ~ScopedRoot();

    private:
        std::unique_ptr<SystemFolders> previous;
        JUCE_DECLARE_NON_COPYABLE (ScopedRoot)
    };
};

/** A folder value as settings store it: an absolute path that ends with "/". */
juce::String folderSettingValue (const juce::File& folder);

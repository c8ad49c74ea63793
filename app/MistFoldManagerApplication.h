#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "app/AppLogger.h"

class MainComponent;

//==============================================================================
/**
    The application object: opens the log, creates the main window, hands command lines
    to the main component and shuts down in order.
*/
class MistFoldManagerApplication : public juce::JUCEApplication
{
public:
    MistFoldManagerApplication();
    ~MistFoldManagerApplication() override;

    //==============================================================================
    const juce::String getApplicationName() override { return "MistFold License Manager"; }
    const juce::String getApplicationVersion() override { return "2.0.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;
    void systemRequestedQuit() override;

    //==============================================================================
    /** Writes the five lines that open every run's log: version, system, word size and languages. */
    void writeStartupLines();

    /** The option that moves every file-system location below one folder, for tests and demos. */
    static constexpr const char* systemRootOption = "--system-root=";

    //==============================================================================
    /** The main window; it owns the MainComponent as its content. */
    class MainWindow : public juce::DocumentWindow
    {
    public:
        explicit MainWindow (const juce::String& name);

        void closeButtonPressed() override;

        /** The window's content. */
        MainComponent* getMainComponent() const noexcept { return mainComponent; }

        static constexpr int maximumHeight = 2000;

    private:
        MainComponent* mainComponent = nullptr;

        JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
    };

    /** The main window, while there is one. */
    MainWindow* getMainWindow() const noexcept { return mainWindow.get(); }

private:
    std::unique_ptr<AppLogger> log;
    std::unique_ptr<MainWindow> mainWindow;
    juce::TooltipWindow tooltipWindow;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MistFoldManagerApplication)
};

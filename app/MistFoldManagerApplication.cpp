#include "app/MistFoldManagerApplication.h"

#include "app/CommandLine.h"
#include "platform/PrivilegedLauncher.h"
#include "platform/SystemFolders.h"
#include "platform/SystemInfo.h"
#include "ui/MainComponent.h"

namespace
{
void useSystemRootFromCommandLine()
{
    for (auto& parameter : juce::JUCEApplicationBase::getCommandLineParameterArray())
        if (parameter.startsWith (MistFoldManagerApplication::systemRootOption))
            SystemFolders::relocateUnder (juce::File (parameter.fromFirstOccurrenceOf ("=", false, false)));
}
} // namespace

MistFoldManagerApplication::MistFoldManagerApplication()
{
    useSystemRootFromCommandLine();

    log = std::make_unique<AppLogger> (SystemFolders::get().getLogFile());
    log->makeCurrent();
    juce::Logger::setCurrentLogger (log.get());

    writeStartupLines();
}

MistFoldManagerApplication::~MistFoldManagerApplication()
{
    juce::Logger::setCurrentLogger (nullptr);
}

void MistFoldManagerApplication::writeStartupLines()
{
    logLine ("MFM " + getApplicationVersion());
    logLine ("Linux " + SystemInfo::distributionName (SystemFolders::get().osReleaseFile));
    logLine ("64bit");
    logLine ("UserLanguage " + SystemInfo::userLanguage());
    logLine ("DisplayLanguage " + SystemInfo::preferredLanguage());
}

//==============================================================================
void MistFoldManagerApplication::initialise (const juce::String& commandLine)
{
    // Creating the window creates the main component, whose start-mode decision may
    // already have asked to quit; the command line is handed over all the same.
    auto window = std::make_unique<MainWindow> (getApplicationName());

    if (auto* content = window->getMainComponent())
        content->handleArguments (tokeniseCommandLine (commandLine));

    mainWindow = std::move (window);
}

void MistFoldManagerApplication::shutdown()
{
    mainWindow = nullptr;
}

void MistFoldManagerApplication::anotherInstanceStarted (const juce::String& commandLine)
{
    if (mainWindow == nullptr)
        return;

    if (auto* content = mainWindow->getMainComponent())
        content->handleArguments (tokeniseCommandLine (commandLine));

    if (commandLine.contains (PrivilegedLauncher::marker))
    {
        if (! juce::Process::isForegroundProcess())
            juce::Process::makeForegroundProcess();

        mainWindow->toFront (true);
    }
}

void MistFoldManagerApplication::systemRequestedQuit()
{
    quit();
}

//==============================================================================
MistFoldManagerApplication::MainWindow::MainWindow (const juce::String& name)
    : juce::DocumentWindow (name, juce::Colours::lightgrey, juce::DocumentWindow::allButtons, true)
{
    setUsingNativeTitleBar (true);

    mainComponent = new MainComponent();
    setContentOwned (mainComponent, true);

    // Only taller: the content's own size is the minimum, its width also the maximum.
    setResizable (true, true);
    setResizeLimits (getWidth(), getHeight(), getWidth(), maximumHeight);
    centreWithSize (getWidth(), getHeight());
    setVisible (true);
}

void MistFoldManagerApplication::MainWindow::closeButtonPressed()
{
    juce::JUCEApplication::getInstance()->systemRequestedQuit();
}

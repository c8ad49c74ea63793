#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include "engine/ApplicationManager.h"

//==============================================================================
/**
    The content of the main window and the hub of the user interface.

    Its constructor ends with the start-mode decision: only the privileged instance
    creates the job engine and listens to it. The engine reports on its worker thread;
    this component only stores those reports under its own locks.
*/
class MainComponent : public juce::Component, public ApplicationManagerListener
{
public:
    MainComponent();
    ~MainComponent() override;

    //==============================================================================
    /** Acts on the words of a command line or the paths of a drop. */
    void handleArguments (const juce::StringArray& items);

    /** The job engine; null in an instance that handed over to a privileged copy. */
    ApplicationManager* getEngine() const noexcept { return engine.get(); }

    /** The latest progress reported for a job kind. */
    float getJobProgress (JobKind kind) const;

    /** A copy of the records last handed over by the engine. */
    juce::Array<ProductRecord> getProducts() const;

    //==============================================================================
    void jobProgressChanged (int jobKind, float progress) override;
    void productsUpdated (juce::Array<ProductRecord>& records) override;

    void paint (juce::Graphics& g) override;

    static constexpr int defaultWidth = 600;
    static constexpr int defaultHeight = 700;

private:
    //==============================================================================
    std::unique_ptr<ApplicationManager> engine;

    juce::CriticalSection productsLock;
    juce::Array<ProductRecord> products;

    juce::CriticalSection progressLock;
    std::array<float, numJobKinds> jobProgress {};

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComponent)
};

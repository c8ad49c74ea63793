#include "ui/MainComponent.h"

#include "platform/PrivilegedLauncher.h"

MainComponent::MainComponent()
{
    setSize (defaultWidth, defaultHeight);

    if (! relaunchWithPrivileges())
        return; // a privileged copy takes over; this instance is quitting

    engine = std::make_unique<ApplicationManager>();
    engine->addListener (this);
}

MainComponent::~MainComponent()
{
    // The worker calls into this component, so it must have ended before anything here goes.
    engine.reset();
}

//==============================================================================
void MainComponent::handleArguments (const juce::StringArray& items)
{
    if (items.contains ("quit", true))
        juce::JUCEApplicationBase::quit();
}

float MainComponent::getJobProgress (JobKind kind) const
{
    const juce::ScopedLock sl (progressLock);
    return jobProgress[(size_t) kind];
}

juce::Array<ProductRecord> MainComponent::getProducts() const
{
    const juce::ScopedLock sl (productsLock);
    return products;
}

//==============================================================================
void MainComponent::jobProgressChanged (int jobKind, float progress)
{
    if (jobKind < 0 || jobKind >= numJobKinds)
        return;

    const juce::ScopedLock sl (progressLock);
    jobProgress[(size_t) jobKind] = progress;
}

void MainComponent::productsUpdated (juce::Array<ProductRecord>& records)
{
    const juce::ScopedLock sl (productsLock);
    products.swapWith (records);
}

void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colours::white);
}

#pragma once

#include <juce_core/juce_core.h>

class ApplicationManager;

//==============================================================================
/**
    The work behind each job kind, run on the engine's worker.

    The engine decides when a job runs, takes its arguments and sets the result flag;
    a body does the work, reports its own progress through the engine and tests the
    engine's exit request where its job can stop early.
*/
class JobBodies
{
public:
    virtual ~JobBodies() = default;

    /** Builds the product list, hands it over with deliverProducts() and reports its progress. */
    virtual void refresh (ApplicationManager& engine) = 0;

    /** Installs the product's package; returns its success and fills the error text. */
    virtual bool install (ApplicationManager& engine, int productId, bool beta, juce::String& errorText) = 0;

    /** Removes the product's installed files; problems go into the error text. */
    virtual void uninstall (ApplicationManager& engine, int productId, juce::String& errorText) = 0;

    /** Asks the service for the manager's newest revision; returns the online flag of the check. */
    virtual bool checkManagerUpdate (ApplicationManager& engine) = 0;

    /** Downloads the manager's newest image; returns true when it was written and its checksum matched. */
    virtual bool downloadManagerUpdate (ApplicationManager& engine, juce::String& errorText) = 0;
};

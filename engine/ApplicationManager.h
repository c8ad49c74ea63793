#pragma once

#include "engine/ApplicationManagerListener.h"
#include "engine/JobBodies.h"
#include "engine/JobKind.h"

//==============================================================================
/**
    The job engine: the one worker thread that runs all slow work.

    There is no queue. Each job kind has a pending flag and an argument list; a post sets
    the flag, replaces the arguments and starts the worker when it is idle. The worker makes
    passes over the kinds in JobKind order, running each pending one, until no flag is set.
    Results of the latest jobs stay here for the main component to read once a kind has
    reported progress 1.
*/
class ApplicationManager : public juce::Thread
{
public:
    /** Text of a job whose kind has no work behind it in this build. */
    static constexpr const char* jobUnavailableText = "This job is not available.";

    /** Text of an install or uninstall posted without a product. */
    static constexpr const char* noProductText = "No product was given.";

    /** Creates an idle engine that runs the given job bodies. */
    explicit ApplicationManager (std::unique_ptr<JobBodies> bodies = {});

    /** Asks the worker to exit and waits, without a time limit, for its running job to end. */
    ~ApplicationManager() override;

    //==============================================================================
    /** Adds a listener unless it is already there; the latest added is called first. */
    void addListener (ApplicationManagerListener* listener);

    /** Removes a listener. */
    void removeListener (ApplicationManagerListener* listener);

    /** Marks a kind as pending and starts the worker if it is idle. Given arguments replace
        the kind's previous ones; without them the previous arguments are kept.
    */
    void startJob (JobKind kind, const juce::Array<juce::var>* arguments = nullptr);

    /** Posts a job with arguments. */
    void startJob (JobKind kind, const juce::Array<juce::var>& arguments) { startJob (kind, &arguments); }

    /** Raises the exit request and waits up to 10 seconds for the worker to end its pass.
        A job still running after that goes on to its end in the background; the worker is
        never killed, so no install is left without its roll-back. Returns true when the
        worker has ended.
    */
    bool cancelJobs();

    /** The service is reachable; written by the online check only. */
    void setOnline (bool shouldBeOnline);
    bool isOnline() const;

    /** The outcome and the error text of the latest job of the latest pass. */
    bool lastJobSucceeded() const noexcept { return resultFlag; }
    juce::String getLastError() const { return errorText; }

    /** A copy of the kind's current arguments. */
    juce::Array<juce::var> getJobArguments (JobKind kind) const;

    /** The manager's own update answer of the latest complete check. */
    ManagerUpdateInfo getManagerUpdateInfo() const { return managerUpdate; }

    //==============================================================================
    /** For job bodies on the worker: reports progress of a kind to every listener. */
    void reportProgress (JobKind kind, float progress);

    /** For job bodies: the opening report 0.01, left out once the worker was asked to exit. */
    void reportJobStarted (JobKind kind);

    /** For job bodies: hands a product list to the listeners; the list is empty afterwards. */
    void deliverProducts (juce::Array<ProductRecord>& products);

    /** For job bodies: the update answer that getManagerUpdateInfo() returns. */
    void setManagerUpdateInfo (const ManagerUpdateInfo& info) { managerUpdate = info; }

private:
    //==============================================================================
    void run() override;
    void runOnePass();
    void runJob (JobKind kind, const juce::Array<juce::var>& arguments);
    bool anyJobPending() const;

    static int indexOf (JobKind kind) { return (int) kind; }

    //==============================================================================
    std::unique_ptr<JobBodies> bodies;
    juce::ListenerList<ApplicationManagerListener, juce::Array<ApplicationManagerListener*, juce::CriticalSection>>
        listeners;

    juce::CriticalSection jobLock;
    std::array<juce::Array<juce::var>, numJobKinds> jobArguments;
    std::array<bool, numJobKinds> pending {};
    bool online = false;
    bool passesRunning = false; // the worker has not yet decided to end; guarded by jobLock

    juce::String errorText;
    std::atomic<bool> resultFlag { false };
    ManagerUpdateInfo managerUpdate;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ApplicationManager)
};

#include "engine/ApplicationManager.h"

ApplicationManager::ApplicationManager (std::unique_ptr<JobBodies> jobBodies)
    : juce::Thread ("thread"), bodies (std::move (jobBodies))
{
}

ApplicationManager::~ApplicationManager()
{
    // A negative time limit waits for the running job however long it takes; the worker
    // is never killed.
    stopThread (-1);
}

//==============================================================================
void ApplicationManager::addListener (ApplicationManagerListener* listener)
{
    listeners.add (listener);
}

void ApplicationManager::removeListener (ApplicationManagerListener* listener)
{
    listeners.remove (listener);
}

void ApplicationManager::startJob (JobKind kind, const juce::Array<juce::var>* arguments)
{
    const juce::ScopedLock sl (jobLock);

    if (arguments != nullptr)
        jobArguments[(size_t) indexOf (kind)] = *arguments;

    pending[(size_t) indexOf (kind)] = true;

    if (! passesRunning)
    {
        // The worker may have looked at the flags for the last time and be on its way out;
        // it takes no lock after that, so waiting for it here is short and safe.
        waitForThreadToExit (-1);
        passesRunning = startThread();
    }
}

bool ApplicationManager::cancelJobs()
{
    signalThreadShouldExit();
    return waitForThreadToExit (10000);
}

void ApplicationManager::setOnline (bool shouldBeOnline)
{
    const juce::ScopedLock sl (jobLock);
    online = shouldBeOnline;
}

bool ApplicationManager::isOnline() const
{
    const juce::ScopedLock sl (jobLock);
    return online;
}

juce::Array<juce::var> ApplicationManager::getJobArguments (JobKind kind) const
{
    const juce::ScopedLock sl (jobLock);
    return jobArguments[(size_t) indexOf (kind)];
}

//==============================================================================
void ApplicationManager::reportProgress (JobKind kind, float progress)
{
    listeners.call ([kind, progress] (ApplicationManagerListener& l)
                    { l.jobProgressChanged (indexOf (kind), progress); });
}

void ApplicationManager::reportJobStarted (JobKind kind)
{
    if (! threadShouldExit())
        reportProgress (kind, 0.01f);
}

void ApplicationManager::deliverProducts (juce::Array<ProductRecord>& products)
{
    listeners.call ([&products] (ApplicationManagerListener& l) { l.productsUpdated (products); });
    products.clear();
}

//==============================================================================
void ApplicationManager::run()
{
    // A post that arrives after this pass went past its kind is not lost: the worker ends
    // only when, under the job lock, no flag is set any more.
    for (;;)
    {
        runOnePass();

        const juce::ScopedLock sl (jobLock);

        if (! anyJobPending())
        {
            passesRunning = false;
            return;
        }
    }
}

void ApplicationManager::runOnePass()
{
    errorText.clear();
    resultFlag = false;

    for (auto kind : allJobKinds)
    {
        juce::Array<juce::var> arguments;

        {
            const juce::ScopedLock sl (jobLock);
            auto& flag = pending[(size_t) indexOf (kind)];

            if (! flag)
                continue;

            flag = false;
            arguments = jobArguments[(size_t) indexOf (kind)];
        }

        runJob (kind, arguments);
    }
}

void ApplicationManager::runJob (JobKind kind, const juce::Array<juce::var>& arguments)
{
    auto finishWithFailure = [this, kind] (const char* text)
    {
        errorText = text;
        resultFlag = false;
        reportProgress (kind, 1.0f);
    };

    if (bodies == nullptr)
        return finishWithFailure (jobUnavailableText);

    const bool needsProduct = kind == JobKind::install || kind == JobKind::uninstall;

    if (needsProduct && (arguments.isEmpty() || ! (arguments[0].isInt() || arguments[0].isInt64())))
        return finishWithFailure (noProductText);

    switch (kind)
    {
        case JobKind::refresh:
            bodies->refresh (*this);
            resultFlag = true;
            break;

        case JobKind::install:
            resultFlag = bodies->install (*this, (int) arguments[0], (bool) arguments[1], errorText);
            reportProgress (kind, 1.0f);
            break;

        case JobKind::uninstall:
            // Files that could not be removed are told by the error text alone.
            bodies->uninstall (*this, (int) arguments[0], errorText);
            resultFlag = true;
            reportProgress (kind, 1.0f);
            break;

        case JobKind::checkManagerUpdate:
            resultFlag = bodies->checkManagerUpdate (*this);
            break;

        case JobKind::downloadManagerUpdate:
            resultFlag = bodies->downloadManagerUpdate (*this, errorText);
            break;
    }
}

bool ApplicationManager::anyJobPending() const
{
    return std::find (pending.begin(), pending.end(), true) != pending.end();
}

#include <gtest/gtest.h>

#include "engine/ApplicationManager.h"

#include <mutex>

namespace
{
/** What a test body was asked to do. */
struct Call
{
    JobKind kind;
    juce::Array<juce::var> arguments;
    bool exitRequested;
};

/** Job bodies that record their calls and can be held at a gate or made slow. */
class RecordingBodies : public JobBodies
{
public:
    void refresh (ApplicationManager& engine) override
    {
        record (engine, JobKind::refresh, {});
        engine.reportJobStarted (JobKind::refresh);

        // Like the catalogue refresh: a product at a time, stopping at an exit request.
        juce::Array<ProductRecord> records;
        for (int i = 0; i < productCount; ++i)
        {
            if (engine.threadShouldExit())
            {
                records.clear();
                engine.deliverProducts (records);
                return;
            }

            juce::Thread::sleep (productMilliseconds);
            ProductRecord r;
            r.productId = i;
            records.add (r);
            engine.reportProgress (JobKind::refresh, 0.1f + 0.9f * (float) (i + 1) / (float) productCount);
        }

        engine.deliverProducts (records);
        engine.reportProgress (JobKind::refresh, 1.0f);
    }

    bool install (ApplicationManager& engine, int productId, bool beta, juce::String& errorText) override
    {
        record (engine, JobKind::install, { productId, beta });
        engine.reportJobStarted (JobKind::install);
        juce::Thread::sleep (installMilliseconds);
        (*installsFinished)++;
        engine.reportProgress (JobKind::install, 1.0f);
        errorText = installError;
        return installSucceeds;
    }

    void uninstall (ApplicationManager& engine, int productId, juce::String& errorText) override
    {
        record (engine, JobKind::uninstall, { productId });
        engine.reportJobStarted (JobKind::uninstall);
        engine.reportProgress (JobKind::uninstall, 1.0f);
        errorText = uninstallError;
    }

    bool checkManagerUpdate (ApplicationManager& engine) override
    {
        record (engine, JobKind::checkManagerUpdate, {});
        engine.reportJobStarted (JobKind::checkManagerUpdate);
        gate.wait (holdAtGate ? 10000 : 0);
        engine.reportProgress (JobKind::checkManagerUpdate, 0.5f);
        engine.reportProgress (JobKind::checkManagerUpdate, 1.0f);
        return engine.isOnline();
    }

    bool downloadManagerUpdate (ApplicationManager& engine, juce::String& errorText) override
    {
        record (engine, JobKind::downloadManagerUpdate, {});
        engine.reportJobStarted (JobKind::downloadManagerUpdate);
        engine.reportProgress (JobKind::downloadManagerUpdate, 1.0f);
        errorText = "download failed";
        return false;
    }

    std::vector<Call> getCalls()
    {
        std::lock_guard<std::mutex> lock (mutex);
        return calls;
    }

    juce::WaitableEvent gate, entered;
    bool holdAtGate = false, installSucceeds = true;
    juce::String installError, uninstallError;
    int productCount = 16, productMilliseconds = 0, installMilliseconds = 0;
    std::shared_ptr<std::atomic<int>> installsFinished = std::make_shared<std::atomic<int>> (0);

private:
    void record (ApplicationManager& engine, JobKind kind, juce::Array<juce::var> arguments)
    {
        {
            std::lock_guard<std::mutex> lock (mutex);
            calls.push_back ({ kind, std::move (arguments), engine.threadShouldExit() });
        }
        entered.signal();
    }

    std::mutex mutex;
    std::vector<Call> calls;
};

/** Records every report of the engine. */
class RecordingListener : public ApplicationManagerListener
{
public:
    void jobProgressChanged (int jobKind, float progress) override
    {
        std::lock_guard<std::mutex> lock (mutex);
        reports.push_back ({ (JobKind) jobKind, progress });
    }

    void productsUpdated (juce::Array<ProductRecord>& products) override
    {
        std::lock_guard<std::mutex> lock (mutex);
        deliveries.push_back (products.size());
        juce::Array<ProductRecord> taken;
        taken.swapWith (products);
    }

    std::vector<float> reportsFor (JobKind kind)
    {
        std::lock_guard<std::mutex> lock (mutex);
        std::vector<float> values;
        for (auto& [k, v] : reports)
            if (k == kind)
                values.push_back (v);
        return values;
    }

    std::vector<int> getDeliveries()
    {
        std::lock_guard<std::mutex> lock (mutex);
        return deliveries;
    }

private:
    std::mutex mutex;
    std::vector<std::pair<JobKind, float>> reports;
    std::vector<int> deliveries;
};

std::vector<JobKind> kindsOf (const std::vector<Call>& calls)
{
    std::vector<JobKind> kinds;
    for (auto& c : calls)
        kinds.push_back (c.kind);
    return kinds;
}

juce::Array<juce::var> args (std::initializer_list<juce::var> values)
{
    return juce::Array<juce::var> (values);
}
} // namespace

class ApplicationManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto owned = std::make_unique<RecordingBodies>();
        bodies = owned.get();
        engine = std::make_unique<ApplicationManager> (std::move (owned));
        engine->addListener (&listener);
    }

    void waitUntilIdle() { ASSERT_TRUE (engine->waitForThreadToExit (20000)); }

    RecordingListener listener;
    RecordingBodies* bodies = nullptr;
    std::unique_ptr<ApplicationManager> engine;
};

TEST_F (ApplicationManagerTest, PostsDuringAPassRunInKindOrderWithTheirLatestArguments)
{
    bodies->holdAtGate = true;
    engine->startJob (JobKind::checkManagerUpdate);
    ASSERT_TRUE (bodies->entered.wait (5000));

    // The pass is past these kinds already: they must not be lost.
    engine->startJob (JobKind::uninstall, args ({ 7 }));
    engine->startJob (JobKind::install, args ({ 3, false }));
    engine->startJob (JobKind::install, args ({ 5, true }));
    engine->startJob (JobKind::refresh);
    bodies->gate.signal();
    waitUntilIdle();

    auto calls = bodies->getCalls();
    ASSERT_EQ (kindsOf (calls), (std::vector<JobKind> { JobKind::checkManagerUpdate, JobKind::refresh, JobKind::install,
                                                        JobKind::uninstall }));
    EXPECT_EQ (calls[2].arguments, args ({ 5, true }));
    EXPECT_EQ (calls[3].arguments, args ({ 7 }));
    EXPECT_EQ (listener.getDeliveries(), std::vector<int> { 16 });
}

TEST_F (ApplicationManagerTest, APostWithoutArgumentsKeepsThePreviousOnes)
{
    engine->startJob (JobKind::uninstall, args ({ 4 }));
    waitUntilIdle();
    engine->startJob (JobKind::uninstall);
    waitUntilIdle();

    auto calls = bodies->getCalls();
    ASSERT_EQ (calls.size(), 2u);
    EXPECT_EQ (calls[1].arguments, args ({ 4 }));
    EXPECT_EQ (engine->getJobArguments (JobKind::uninstall), args ({ 4 }));
    EXPECT_TRUE (engine->getJobArguments (JobKind::install).isEmpty());
}

TEST_F (ApplicationManagerTest, ResultFlagAndReportsFollowEachKindsRule)
{
    struct Case
    {
        JobKind kind;
        juce::Array<juce::var> arguments;
        bool online;
        bool expectedResult;
        juce::String expectedError;
        std::vector<float> expectedReports;
    };

    bodies->installSucceeds = false;
    bodies->installError = "Installation failed";
    bodies->uninstallError = "files remain";

    const Case cases[] = {
        // The pass reports 1 once more after the install's and the uninstall's own 1.
        { JobKind::install, args ({ 2, false }), true, false, "Installation failed", { 0.01f, 1.0f, 1.0f } },
        { JobKind::uninstall, args ({ 2 }), true, true, "files remain", { 0.01f, 1.0f, 1.0f } },
        { JobKind::checkManagerUpdate, {}, false, false, "", { 0.01f, 0.5f, 1.0f } },
        { JobKind::checkManagerUpdate, {}, true, true, "", { 0.01f, 0.5f, 1.0f } },
        { JobKind::downloadManagerUpdate, {}, true, false, "download failed", { 0.01f, 1.0f } },
    };

    for (auto& c : cases)
    {
        RecordingListener own;
        engine->addListener (&own);
        engine->setOnline (c.online);
        engine->startJob (c.kind, c.arguments);
        waitUntilIdle();
        engine->removeListener (&own);

        EXPECT_EQ (engine->lastJobSucceeded(), c.expectedResult) << (int) c.kind;
        EXPECT_EQ (engine->getLastError(), c.expectedError) << (int) c.kind;
        EXPECT_EQ (own.reportsFor (c.kind), c.expectedReports) << (int) c.kind;
    }
}

TEST_F (ApplicationManagerTest, TheResultOfAPassIsThatOfItsLastJob)
{
    bodies->installSucceeds = false;
    bodies->installError = "Installation failed";
    bodies->holdAtGate = true;

    engine->setOnline (true);
    engine->startJob (JobKind::install, args ({ 1, false }));
    engine->startJob (JobKind::checkManagerUpdate);
    bodies->gate.signal();
    waitUntilIdle();

    // One pass: the error text of the install stays, the flag is the check's.
    EXPECT_TRUE (engine->lastJobSucceeded());
    EXPECT_EQ (engine->getLastError(), "Installation failed");
}

TEST_F (ApplicationManagerTest, ACancelStopsTheRefreshAndTheNextPostRunsNormally)
{
    bodies->productMilliseconds = 100;
    engine->startJob (JobKind::refresh);
    engine->startJob (JobKind::install, args ({ 9, true }));
    ASSERT_TRUE (bodies->entered.wait (5000));
    juce::Thread::sleep (250);

    EXPECT_TRUE (engine->cancelJobs());

    // The refresh hands over an empty list and never reports 1; the install that was
    // pending still runs, without its opening report.
    EXPECT_EQ (listener.getDeliveries(), std::vector<int> { 0 });
    auto refreshReports = listener.reportsFor (JobKind::refresh);
    EXPECT_TRUE (std::find (refreshReports.begin(), refreshReports.end(), 1.0f) == refreshReports.end());
    EXPECT_EQ (listener.reportsFor (JobKind::install), (std::vector<float> { 1.0f, 1.0f }));
    EXPECT_EQ (*bodies->installsFinished, 1);

    bodies->productMilliseconds = 0;
    engine->startJob (JobKind::refresh);
    waitUntilIdle();

    auto calls = bodies->getCalls();
    EXPECT_FALSE (calls.back().exitRequested);
    EXPECT_EQ (listener.getDeliveries(), (std::vector<int> { 0, 16 }));
    EXPECT_EQ (listener.reportsFor (JobKind::refresh).back(), 1.0f);
}

TEST_F (ApplicationManagerTest, ACancelNeverKillsAJobThatOutlastsItsWait)
{
    bodies->installMilliseconds = 11500;
    engine->startJob (JobKind::install, args ({ 1, false }));
    ASSERT_TRUE (bodies->entered.wait (5000));

    EXPECT_FALSE (engine->cancelJobs());
    EXPECT_TRUE (engine->isThreadRunning());

    waitUntilIdle();
    EXPECT_EQ (*bodies->installsFinished, 1);
    EXPECT_EQ (listener.reportsFor (JobKind::install).back(), 1.0f);
}

TEST_F (ApplicationManagerTest, DestructionWaitsForTheRunningJob)
{
    bodies->installMilliseconds = 500;
    auto finished = bodies->installsFinished;
    engine->startJob (JobKind::install, args ({ 1, false }));
    ASSERT_TRUE (bodies->entered.wait (5000));

    engine.reset();
    EXPECT_EQ (*finished, 1);
    EXPECT_EQ (listener.reportsFor (JobKind::install).back(), 1.0f);
}

TEST_F (ApplicationManagerTest, DestructionDuringARefreshDeliversAnEmptyListWithoutTheClosingReport)
{
    bodies->productMilliseconds = 100;
    engine->startJob (JobKind::refresh);
    ASSERT_TRUE (bodies->entered.wait (5000));
    juce::Thread::sleep (150);

    engine.reset();

    EXPECT_EQ (listener.getDeliveries(), std::vector<int> { 0 });
    auto reports = listener.reportsFor (JobKind::refresh);
    EXPECT_TRUE (std::find (reports.begin(), reports.end(), 1.0f) == reports.end());
}

TEST (ApplicationManagerWithoutBodies, NoJobClaimsASuccessItDidNotHave)
{
    RecordingListener listener;
    ApplicationManager engine;
    engine.addListener (&listener);

    for (auto kind : allJobKinds)
    {
        engine.startJob (kind, args ({ 0, false }));
        ASSERT_TRUE (engine.waitForThreadToExit (5000));
        EXPECT_FALSE (engine.lastJobSucceeded()) << (int) kind;
        EXPECT_EQ (engine.getLastError(), ApplicationManager::jobUnavailableText);
        EXPECT_EQ (listener.reportsFor (kind), std::vector<float> { 1.0f });
    }
}

TEST_F (ApplicationManagerTest, AnInstallOrUninstallWithoutAProductFails)
{
    for (auto kind : { JobKind::install, JobKind::uninstall })
    {
        engine->startJob (kind);
        waitUntilIdle();
        EXPECT_FALSE (engine->lastJobSucceeded());
        EXPECT_EQ (engine->getLastError(), ApplicationManager::noProductText);
        EXPECT_EQ (listener.reportsFor (kind), std::vector<float> { 1.0f });
    }

    EXPECT_TRUE (bodies->getCalls().empty());
}

TEST_F (ApplicationManagerTest, TheOnlineFlagStartsOffAndFollowsTheCheck)
{
    EXPECT_FALSE (engine->isOnline());
    engine->setOnline (true);
    EXPECT_TRUE (engine->isOnline());
    EXPECT_FALSE (engine->isThreadRunning());
    EXPECT_EQ (engine->getThreadName(), "thread");
    EXPECT_EQ (engine->getManagerUpdateInfo().revision, 0);
}

TEST_F (ApplicationManagerTest, TheLatestAddedListenerHearsFirstAndEachOnlyOnce)
{
    struct OrderListener : ApplicationManagerListener
    {
        OrderListener (std::vector<int>& o, int i) : order (o), id (i) {}
        void jobProgressChanged (int, float progress) override
        {
            if (progress == 1.0f)
                order.push_back (id);
        }
        void productsUpdated (juce::Array<ProductRecord>&) override {}
        std::vector<int>& order;
        int id;
    };

    std::vector<int> order;
    OrderListener first (order, 1), second (order, 2);
    engine->addListener (&first);
    engine->addListener (&second);
    engine->addListener (&first);

    engine->startJob (JobKind::downloadManagerUpdate);
    waitUntilIdle();
    engine->removeListener (&first);
    engine->removeListener (&second);

    EXPECT_EQ (order, (std::vector<int> { 2, 1 }));
}

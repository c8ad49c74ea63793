#include <gtest/gtest.h>

#include "app/MistFoldManagerApplication.h"

namespace
{
juce::JUCEApplicationBase* createApplication()
{
    return new MistFoldManagerApplication();
}

bool onlyListing (int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (juce::String (argv[i]).startsWith ("--gtest_list_tests"))
            return true;

    return false;
}
} // namespace

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);

    if (onlyListing (argc, argv))
        return RUN_ALL_TESTS();

    // Without a factory, JUCE leaves out its X error handlers and the first window aborts
    // the process under Xvfb. The factory is never called: tests build what they need.
    juce::JUCEApplicationBase::createInstance = &createApplication;
    juce::ScopedJuceInitialiser_GUI juce;

    return RUN_ALL_TESTS();
}

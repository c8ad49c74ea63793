#pragma once

#include "engine/CatalogueRecords.h"

//==============================================================================
/**
    Receives the engine's reports. Both calls come on the engine's worker thread, so a
    listener only stores what it gets, under a lock of its own.
*/
class ApplicationManagerListener
{
public:
    virtual ~ApplicationManagerListener() = default;

    /** Progress of a job kind from 0 to 1; 1 means the kind has finished for this pass. */
    virtual void jobProgressChanged (int jobKind, float progress) = 0;

    /** The product list of a refresh. The array is the engine's; a listener may swap its
        contents away, and whatever is left is discarded after the call.
    */
    virtual void productsUpdated (juce::Array<ProductRecord>& products) = 0;
};

#pragma once

#include <juce_core/juce_core.h>

//==============================================================================
/** One channel's answer of the revision query. A revision below 1 means there is none. */
struct RevisionInfo
{
    int revision = 0;
    juce::String checksum; // MD5, 32 lower-case hexadecimal digits
    juce::String downloadUrl;
    juce::int64 fetchedAt = 0; // seconds since the Unix epoch; 0 when not from the service
};

/** One change of a product, from its change log. */
struct ChangeLogEntry
{
    int revision = 0;
    juce::String date;
    juce::String operatingSystem;
    juce::String kind; // "fix", "new", "change" or "remove"
    juce::String text;
};

/** One product as the refresh builds it. */
struct ProductRecord
{
    int productId = 0;
    bool installed = false;
    int installedRevision = 0;
    int packageRevision = 0;
    RevisionInfo released;
    RevisionInfo beta;
    juce::Array<ChangeLogEntry> changeLog;
};

/** The manager's own newest released revision on the service. */
struct ManagerUpdateInfo
{
    int revision = 0;
    juce::String checksum;
    juce::String downloadUrl;
};

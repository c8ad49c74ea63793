#pragma once

#include <array>

//==============================================================================
/** The kinds of job the engine runs, in the order in which one pass visits them. */
enum class JobKind
{
    refresh = 0,
    install,
    uninstall,
    checkManagerUpdate,
    downloadManagerUpdate
};

/** Every job kind in pass order. */
constexpr std::array<JobKind, 5> allJobKinds { JobKind::refresh, JobKind::install, JobKind::uninstall,
                                               JobKind::checkManagerUpdate, JobKind::downloadManagerUpdate };

constexpr int numJobKinds = (int) allJobKinds.size();

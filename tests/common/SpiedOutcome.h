#pragma once

#include "protocol/WorkerOutcome.h"

#include <QSignalSpy>

// The outcome carried by the index-th finished() signal a spy on a split or
// merge launcher caught.
inline WorkerOutcome spiedOutcome(const QSignalSpy &finished, int index = 0)
{
    return finished.at(index).at(0).value<WorkerOutcome>();
}

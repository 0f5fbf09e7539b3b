#include "pdf/DocumentDisposal.h"

#include <QMutex>
#include <QMutexLocker>

#include <atomic>
#include <vector>

namespace {

std::atomic<bool> keeping{false};
QMutex keptMutex;

// Never destroyed: the objects in it are left to the end of the process.
// A global keeps them reachable, so leak checkers do not count them.
std::vector<std::shared_ptr<void>> *kept = nullptr;

} // namespace

void DocumentDisposal::keepUntilExit()
{
    keeping = true;
}

bool DocumentDisposal::keepsUntilExit()
{
    return keeping;
}

void DocumentDisposal::dispose(std::shared_ptr<void> object)
{
    if (!object || !keeping)
        return;   // the last reference, if it was one, goes here
    QMutexLocker lock(&keptMutex);
    if (!kept)
        kept = new std::vector<std::shared_ptr<void>>;
    kept->push_back(std::move(object));
}

int DocumentDisposal::keptCount()
{
    QMutexLocker lock(&keptMutex);
    return kept ? int(kept->size()) : 0;
}

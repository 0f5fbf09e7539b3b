#include "pdf/PendingRanges.h"

#include "app/FileUtils.h"
#include "app/Logger.h"
#include "pdf/PdfErrorCode.h"

#include <QDir>
#include <QFile>

namespace {

// Enough files for one journal commit to carry many of them, few enough that
// the first names appear soon.
constexpr size_t filesPerBatch = 64;
constexpr qint64 batchMilliseconds = 250;

} // namespace

PendingRanges::PendingRanges(const QString &folder)
    : m_folder(folder)
{
}

PendingRanges::~PendingRanges()
{
    removeTemporaries(0);
}

void PendingRanges::addWritten(int index, const QString &temporary, const QString &name)
{
    Pending pending;
    pending.result.index = index;
    pending.temporary = temporary;
    pending.name = name;
    add(pending);
}

void PendingRanges::addFailed(int index, int errorCode)
{
    Pending pending;
    pending.result.index = index;
    pending.result.errorCode = errorCode;
    add(pending);
}

void PendingRanges::add(const Pending &pending)
{
    if (m_pending.empty())
        m_sinceFirst.start();
    m_pending.push_back(pending);
}

bool PendingRanges::wantsSettling() const
{
    return m_pending.size() >= filesPerBatch
           || (!m_pending.empty() && m_sinceFirst.elapsed() >= batchMilliseconds);
}

bool PendingRanges::settle(const Deliver &deliver, const OutputNaming &naming)
{
    const QHash<QString, SyncBatch::Outcome> synced = m_batch.finish();
    for (size_t i = 0; i < m_pending.size(); ++i) {
        Pending &pending = m_pending[i];
        PageRangeOutput::Result &result = pending.result;
        if (!pending.temporary.isEmpty()) {
            // Not in the batch: synced as it was written (where syncing is not deferred).
            const SyncBatch::Outcome outcome = synced.value(pending.temporary);
            if (outcome.problem.isEmpty())
                result.path = FileUtils::commitUnique(pending.temporary, m_folder, pending.name,
                                                      FileUtils::AnyMoveMethod, naming, &m_numbers);
            else
                Logger::instance().log(QStringLiteral("Writing %1 failed (%2)")
                                           .arg(QDir::toNativeSeparators(pending.temporary), outcome.problem),
                                       LogError);
            if (result.path.isEmpty()) {
                result.errorCode = PdfErrorCode::writeFailure(outcome.error);
                QFile::remove(pending.temporary);
            }
            pending.temporary.clear();
        }
        if (deliver && !deliver(result)) {
            removeTemporaries(i + 1);
            m_pending.clear();
            return false;
        }
    }
    m_pending.clear();
    return true;
}

void PendingRanges::removeTemporaries(size_t from)
{
    for (size_t i = from; i < m_pending.size(); ++i) {
        if (!m_pending[i].temporary.isEmpty())
            QFile::remove(m_pending[i].temporary);
    }
}

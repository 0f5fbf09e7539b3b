#include "merge/InformationWorkerList.h"

#include "app/Logger.h"
#include "pdf/DebenuDocument.h"
#include "pdf/DebenuService.h"

#include <QCoreApplication>
#include <QFileInfo>

InformationWorkerList::InformationWorkerList(std::shared_ptr<DebenuService> service, const QStringList &paths,
                                             IProgress *progress, QObject *parent)
    : QObject(parent)
    , m_service(std::move(service))
    , m_paths(paths)
    , m_progress(progress)
{
    qRegisterMetaType<MergeItemList>("MergeItemList");
}

MergeItem InformationWorkerList::readItem(const QString &path)
{
    const QFileInfo info(path);
    MergeItem item;
    item.fileName = info.fileName();
    item.fullPath = path;
    DebenuDocument document(m_service, path, QString(), false);
    if (document.isLoaded() && document.needsPassword()) {
        item.hasPassword = true;
    } else if (document.isLoaded()) {
        item.hasPassword = false;
        item.pageCount = document.pageCount();
        item.password.clear();
        item.hasSecurity = document.isEncrypted();
    }
    return item;
}

void InformationWorkerList::run()
{
    emit started();
    Logger::instance().log(QStringLiteral("Add worker running..."), LogDebug);
    const int total = m_paths.size();
    IProgress *sink = m_progress ? m_progress : &m_nullProgress;
    sink->reset();
    sink->setMinimum(1);
    sink->setMaximum(total);
    sink->setText(QString());
    sink->setValue(1);
    Logger::instance().log(QStringLiteral("Total files:%1").arg(total), LogDebug);

    m_items.clear();
    for (int i = 1; i <= total; ++i) {
        if (sink->isCanceled())
            break;
        const QString &path = m_paths.at(i - 1);
        const QFileInfo info(path);
        if (info.isFile() && path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
            sink->setText(tr("%1 out of %2 files. %3", nullptr, total).arg(i).arg(total).arg(info.fileName()));
            m_items.append(readItem(path));
        }
        sink->setValue(i);
        QCoreApplication::processEvents();
    }

    if (sink->isCanceled())
        emit finished(false, MergeItemList());
    else
        emit finished(true, m_items);
    emit complete();
}

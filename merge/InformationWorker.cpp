#include "merge/InformationWorker.h"

#include "pdf/DebenuDocument.h"
#include "pdf/DebenuService.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QThread>

namespace {

bool onGuiThread()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
           && QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

InformationWorker::InformationWorker(std::shared_ptr<DebenuService> service, const QString &path,
                                     const QString &password, QObject *parent)
    : QObject(parent)
    , m_service(std::move(service))
    , m_path(path)
    , m_password(password)
{
}

void InformationWorker::run()
{
    emit started();
    DocumentInformation information;
    information.path = m_path;
    {
        DebenuDocument document(m_service, m_path, m_password, false);
        if (document.isLoaded() && document.needsPassword()) {
            information.locked = true;
            information.hasPassword = true;
        } else if (document.isLoaded()) {
            information.locked = false;
            information.title = document.documentTitle();
            information.encrypted = document.isEncrypted();
            information.pageCount = document.pageCount();
            if (!m_password.isEmpty()) {
                information.hasPassword = true;
                information.password = m_password;
            }
            if (m_preview) {
                information.previewImage = document.firstPageImage();
                if (onGuiThread())
                    information.preview = QPixmap::fromImage(information.previewImage);
            }
            information.contentCopyPermitted = document.contentCopyPermitted();
            // Opens, but holds nothing to show, split or merge.
            information.unreadable = information.pageCount <= 0;
        } else {
            information.unreadable = true;
        }
        m_done = true;
        m_result = information;
    } // the document closes here
    emit finished();
}

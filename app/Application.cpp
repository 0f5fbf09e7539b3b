#include "app/Application.h"

#include "app/AppSettings.h"
#include "app/InstallLayout.h"
#include "app/Logger.h"
#include "pdf/DebenuService.h"
#include "pdf/PageRenderer.h"
#include "widgets/Compositor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsDropShadowEffect>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QUrl>
#include <QWidget>

#ifdef Q_OS_WIN
#include <objbase.h>
#include <shlobj.h>
#endif

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_pdfService(std::make_shared<DebenuService>())
    , m_split(m_pdfService)
    , m_merge(m_pdfService)
{
    m_pdfService->installRenderer(std::make_shared<PageRenderer>());
    AppSettings::applyIdentity();
    // Windows without a title of their own (the dialogs) are named after the
    // product in the desktop's window list, like the main window.
    setApplicationDisplayName(QStringLiteral("Sheafwright"));
    Logger::instance().adoptOldLogs();
    loadStyleSheet();
    loadLanguage(AppSettings::language());
    qDebug() << Q_FUNC_INFO << "Settings path:" << settings()->fileName();
}

Application::~Application() = default;

Application *Application::instance()
{
    return qobject_cast<Application *>(QCoreApplication::instance());
}

std::shared_ptr<QSettings> Application::settings() const
{
    return AppSettings::open();
}

std::shared_ptr<DebenuService> Application::pdfService() const
{
    return m_pdfService;
}

Split *Application::split()
{
    return &m_split;
}

Merge *Application::merge()
{
    return &m_merge;
}

void Application::loadStyleSheet()
{
    QFile file(QStringLiteral(":/style/style.css"));
    if (file.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(file.readAll()));
}

QString Application::translationsDirectory() const
{
    return InstallLayout::translationsDirectory();
}

bool Application::loadLanguage(const QString &code)
{
    if (m_translator)
        removeTranslator(m_translator);
    else
        m_translator = new QTranslator(this);
    if (m_qtTranslator)
        removeTranslator(m_qtTranslator);
    else
        m_qtTranslator = new QTranslator(this);

    const QString path = translationsDirectory() + QLatin1Char('/')
                         + QStringLiteral("leafcut_%1.qm").arg(code);
    const bool loaded = m_translator->load(path, QString(), QString(), QString());
    qDebug() << Q_FUNC_INFO << "Load translation:" << path;
    qDebug() << Q_FUNC_INFO << "Result:" << loaded;
    // The texts of the sources are drafts; the English file holds their
    // proofread wording, so a language without a file of its own gets that.
    if (!loaded)
        m_translator->load(translationsDirectory() + QStringLiteral("/leafcut_en.qm"), QString(), QString(), QString());
    installTranslator(m_translator);

    // Qt's own dialogs and context menus ("Look in", "Cancel") in the same
    // language, from the system's Qt translations.
    const bool qtLoaded = m_qtTranslator->load(QLocale(code), QStringLiteral("qt"), QStringLiteral("_"),
                                               QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    qDebug() << Q_FUNC_INFO << "Qt translation for" << code << ":" << qtLoaded;
    installTranslator(m_qtTranslator);
    return loaded;
}

void Application::reloadSettings()
{
    loadLanguage(AppSettings::language());
    emit settingsChanged();
}

void Application::openLastMergeFolder()
{
    openFolderAndSelect(lastMergeFile);
}

void Application::openLastSplitFolder()
{
    openFolderAndSelect(lastSplitFolder);
}

void Application::openFolderAndSelect(const QString &path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.isDir()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::toNativeSeparators(path)));
        return;
    }
#ifdef Q_OS_WIN
    const QString native = QDir::toNativeSeparators(path);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    if (PIDLIST_ABSOLUTE list = ILCreateFromPathW(reinterpret_cast<const wchar_t *>(native.utf16()))) {
        SHOpenFolderAndSelectItems(list, 0, nullptr, 0);
        ILFree(list);
    }
#else
    // The desktop's file manager selects the file; without one, open the folder.
    const QString folder = info.absolutePath();
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(info.absoluteFilePath()).toString()} << QString();
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 3000), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [folder](QDBusPendingCallWatcher *w) {
        if (QDBusPendingReply<>(*w).isError())
            QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
        w->deleteLater();
    });
#endif
}

void applyDropShadow(QWidget *widget, QWidget *target)
{
    // Without a compositing manager translucent pixels turn black.
    if (!Compositor::isRunning())
        return;
    widget->setAttribute(Qt::WA_TranslucentBackground);
    auto *shadow = new QGraphicsDropShadowEffect(widget);
    shadow->setOffset(0, 0);
    shadow->setBlurRadius(20);
    target->setGraphicsEffect(shadow);
}

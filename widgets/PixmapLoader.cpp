#include "widgets/PixmapLoader.h"

#include <QFileInfo>
#include <QGuiApplication>

QString PixmapLoader::fileFor(const QString &path, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return path;
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= path.lastIndexOf(QLatin1Char('/')))
        return path;
    const QString twin = path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
    return QFileInfo::exists(twin) ? twin : path;
}

QPixmap PixmapLoader::load(const QString &path)
{
    const qreal ratio = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                            ? qApp->devicePixelRatio() : 1.0;
    const QString file = fileFor(path, ratio);
    QPixmap pixmap(file);
    if (file != path)
        pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}

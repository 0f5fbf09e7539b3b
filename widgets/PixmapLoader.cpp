#include "widgets/PixmapLoader.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>

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
    // The toolkit's own switch for "@2x" pictures turns ours off too.
    static const bool twinsDisabled = qEnvironmentVariableIsSet("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING");
    const qreal ratio = !twinsDisabled && qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                            ? qApp->devicePixelRatio() : 1.0;
    const QString file = fileFor(path, ratio);
    QPixmap pixmap(file);
    if (file != path)
        pixmap.setDevicePixelRatio(2.0);
    return pixmap;
}

void PixmapLoader::drawPart(QPainter &painter, const QRect &target, const QString &path)
{
    const QPixmap pixmap = load(path);
    // The source rectangle counts the pixmap's own pixels.
    const qreal ratio = pixmap.devicePixelRatio();
    painter.drawPixmap(QRectF(target), pixmap, QRectF(0, 0, target.width() * ratio, target.height() * ratio));
}

#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

// Loads a picture of the program's resources for painting in code. On a
// screen scaled above 1 it takes the picture's "@2x" twin (made from the same
// drawing at twice the size) so it stays sharp; the pixmap keeps the logical
// size of the plain picture either way. QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING
// in the environment keeps the plain pictures, as it does for the toolkit.
class QPainter;

class PixmapLoader
{
public:
    static QPixmap load(const QString &path);
    // Draws the top-left part of the picture at path, target's size in
    // logical pixels, into target (the plain picture's pixels 1:1).
    static void drawPart(QPainter &painter, const QRect &target, const QString &path);
    // The file to load for path at the given device pixel ratio.
    static QString fileFor(const QString &path, qreal devicePixelRatio);
};

#pragma once

#include <QPixmap>
#include <QString>

// Loads a picture of the program's resources for painting in code. On a
// screen scaled above 1 it takes the picture's "@2x" twin (made from the same
// drawing at twice the size) so it stays sharp; the pixmap keeps the logical
// size of the plain picture either way.
class PixmapLoader
{
public:
    static QPixmap load(const QString &path);
    // The file to load for path at the given device pixel ratio.
    static QString fileFor(const QString &path, qreal devicePixelRatio);
};

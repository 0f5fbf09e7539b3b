#pragma once

#include <QFrame>
#include <QPixmap>

class QLabel;

// The 75 x 100 thumbnail frame of the preview panel: empty, a lock symbol for
// a protected document, or the first page scaled to fit 70 x 95.
class Cover : public QFrame
{
    Q_OBJECT
public:
    enum CoverMode { CoverEmpty = 0, CoverLocked = 1, CoverImage = 2 };
    Q_ENUM(CoverMode)

    explicit Cover(QWidget *parent = nullptr);

    // Shows mode; pixmap is only used by CoverImage (a null one shows nothing).
    void setCover(CoverMode mode, const QPixmap &pixmap = QPixmap());

    // The label that holds the picture.
    QLabel *imageLabel() const { return m_image; }

private:
    QLabel *m_image;
};

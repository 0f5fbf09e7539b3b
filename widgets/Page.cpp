#include "widgets/Page.h"

#include "pdf/DebenuDocument.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QTransform>

Page::Page(std::shared_ptr<DebenuDocument> document, int pageNumber, QWidget *parent)
    : QLabel(parent)
    , m_document(std::move(document))
    , m_pageNumber(pageNumber)
{
#ifdef Q_OS_WIN
    // Pages paint every pixel themselves. Elsewhere the toolkit would bypass
    // its backing store for such a widget and leave it blank.
    setAttribute(Qt::WA_PaintOnScreen);
#endif
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (m_document)
        m_size = m_document->pageSize(m_pageNumber);
    setFixedSize(m_size.expandedTo(QSize(0, 0)));
}

QSize Page::sizeHint() const
{
    return m_size;
}

void Page::setRotation(int degrees)
{
    const int turn = ((degrees % 360) + 360) % 360;
    if (turn == m_rotation)
        return;
    if ((turn - m_rotation) % 180 != 0)
        m_size.transpose();
    m_rotation = turn;
    setFixedSize(m_size.expandedTo(QSize(0, 0)));
    update();
}

QString Page::cacheKey(int documentId, int pageNumber)
{
    return QStringLiteral("viewer_docID_%1_p%2").arg(documentId).arg(pageNumber);
}

QString Page::cacheKey() const
{
    const QString key = cacheKey(m_document ? m_document->documentId() : 0, m_pageNumber);
    return m_rotation == 0 ? key : key + QStringLiteral("_r%1").arg(m_rotation);
}

QString Page::labelText(int pageNumber)
{
    return tr("Page %1").arg(pageNumber);
}

QRect Page::labelRect(const QRect &imageRect, int textWidth)
{
    const int width = qMax(textWidth + 10, 100);
    const int left = (imageRect.left() + imageRect.right()) / 2 - width / 2;
    const int bottom = imageRect.bottom() - 1;
    return QRect(QPoint(left, imageRect.bottom() - 30), QPoint(left + width - 1, bottom));
}

void Page::drawLabel(QPainter &painter, const QRect &imageRect, int pageNumber)
{
    painter.save();
    const QString text = labelText(pageNumber);
    const QRect box = labelRect(imageRect, painter.fontMetrics().horizontalAdvance(text));
    // Same corner radii as a rounded rectangle of roundness 8 relative to the
    // box's shorter side.
    const int roundness = 8;
    const int xRound = box.width() > box.height() ? roundness * box.height() / box.width() : roundness;
    const int yRound = box.width() > box.height() ? roundness : roundness * box.width() / box.height();
    QPainterPath path;
    path.addRoundedRect(box, xRound, yRound, Qt::RelativeSize);
    painter.fillPath(path, QBrush(QColor(128, 128, 128, 128)));
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

QPixmap Page::pagePixmap()
{
    const QString key = cacheKey();
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    if (m_document)
        pixmap = m_document->pagePixmap(m_pageNumber);
    if (!pixmap.isNull() && m_rotation != 0)
        pixmap = pixmap.transformed(QTransform().rotate(m_rotation));
    const bool rendered = !pixmap.isNull();
    if (!rendered) {
        // A page the renderer could not draw shows blank, with its label;
        // it is not cached, so the next paint tries again.
        pixmap = QPixmap(m_size.expandedTo(QSize(1, 1)));
        pixmap.fill(Qt::white);
    }
    QPainter painter(&pixmap);
    painter.setFont(font());
    drawLabel(painter, pixmap.rect(), m_pageNumber);
    painter.end();
    if (rendered)
        QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void Page::changeEvent(QEvent *event)
{
    // The label is part of the cached image: draw it again in the new language.
    if (event->type() == QEvent::LanguageChange) {
        QPixmapCache::remove(cacheKey());
        update();
    }
    QLabel::changeEvent(event);
}

void Page::paintEvent(QPaintEvent *)
{
    const QPixmap pixmap = pagePixmap();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, pixmap);
}

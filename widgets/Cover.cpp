#include "widgets/Cover.h"

#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

Cover::Cover(QWidget *parent)
    : QFrame(parent)
    , m_image(new QLabel(this))
{
    setObjectName(QStringLiteral("cover"));
    setFixedSize(75, 100);
    m_image->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setAlignment(Qt::AlignCenter);
    layout->addStretch();
    layout->addWidget(m_image);
    layout->addStretch();
}

void Cover::setCover(CoverMode mode, const QPixmap &pixmap)
{
    switch (mode) {
    case CoverEmpty:
        m_image->setPixmap(QPixmap());
        break;
    case CoverLocked: {
        const QIcon lock(QStringLiteral(":/style/images/lock.png"));
        m_image->setScaledContents(false);
        m_image->setPixmap(lock.pixmap(QSize(30, 39), QIcon::Normal, QIcon::Off));
        m_image->setFixedSize(30, 39);
        break;
    }
    case CoverImage: {
        if (pixmap.isNull()) {
            m_image->setPixmap(QPixmap());
            break;
        }
        const QPixmap scaled = pixmap.scaled(70, 95, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_image->setPixmap(scaled);
        m_image->setFixedSize(scaled.size());
        break;
    }
    }
}

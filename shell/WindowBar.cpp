#include "shell/WindowBar.h"

#include "widgets/PixmapLoader.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>

namespace {
const int spacerWide = 52;
const int spacerNarrow = 26;
const int spacerHeight = 19;
}

WindowBar::WindowBar(QWidget *parent)
    : QFrame(parent)
    , m_icon(new QLabel(this))
    , m_spacer(new QSpacerItem(spacerWide, spacerHeight, QSizePolicy::Minimum, QSizePolicy::Minimum))
    , m_title(new QLabel(this))
    , m_minimize(new QPushButton(this))
    , m_close(new QPushButton(this))
{
    const QPixmap icon = PixmapLoader::load(QStringLiteral(":/style/images/icon16.png"));
    m_icon->setPixmap(icon);
    m_icon->setFixedSize(icon.size() / icon.devicePixelRatio());
    m_title->setObjectName(QStringLiteral("windowBarLabel"));
    m_title->setAlignment(Qt::AlignCenter);
    m_minimize->setObjectName(QStringLiteral("windowminimize"));
    m_close->setObjectName(QStringLiteral("windowclose"));

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_icon, 0, Qt::AlignBottom);
    layout->addSpacerItem(m_spacer);
    layout->addStretch();
    layout->addWidget(m_title, 0, Qt::AlignBottom);
    layout->addStretch();
    layout->addWidget(m_minimize, 0, Qt::AlignTop);
    layout->addWidget(m_close, 0, Qt::AlignTop);

    connect(m_minimize, &QPushButton::clicked, this, &WindowBar::onButtonMinimize);
    connect(m_close, &QPushButton::clicked, this, &WindowBar::onButtonClose);
    setFixedHeight(22);
}

void WindowBar::setTitle(const QString &text)
{
    m_title->setText(text);
}

QString WindowBar::title() const
{
    return m_title->text();
}

void WindowBar::setMinimizeVisible(bool visible)
{
    m_minimize->setVisible(visible);
    m_spacer->changeSize(visible ? spacerWide : spacerNarrow, spacerHeight,
                         QSizePolicy::Minimum, QSizePolicy::Minimum);
    layout()->invalidate();
}

void WindowBar::onButtonMinimize()
{
    emit minimizeWindow();
}

void WindowBar::onButtonClose()
{
    emit closeWindow();
}

#include "shell/WindowBar.h"

#include "widgets/PixmapLoader.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>

namespace {
const int spacerNarrow = 26;
const int buttonWidth = 26;
const int spacerHeight = 19;

QPushButton *titleButton(const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    return button;
}
}

WindowBar::WindowBar(QWidget *parent)
    : QFrame(parent)
    , m_icon(new QLabel(this))
    , m_spacer(new QSpacerItem(spacerNarrow + buttonWidth, spacerHeight, QSizePolicy::Minimum, QSizePolicy::Minimum))
    , m_title(new QLabel(this))
    , m_minimize(titleButton(QStringLiteral("windowminimize"), this))
    , m_maximize(titleButton(QStringLiteral("windowmaximize"), this))
    , m_close(titleButton(QStringLiteral("windowclose"), this))
{
    const QPixmap icon = PixmapLoader::load(QStringLiteral(":/style/images/icon16.png"));
    m_icon->setPixmap(icon);
    m_icon->setFixedSize(icon.size() / icon.devicePixelRatio());
    m_title->setObjectName(QStringLiteral("windowBarLabel"));
    m_title->setAlignment(Qt::AlignCenter);
    m_maximize->hide();

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_icon, 0, Qt::AlignBottom);
    layout->addSpacerItem(m_spacer);
    layout->addStretch();
    layout->addWidget(m_title, 0, Qt::AlignBottom);
    layout->addStretch();
    layout->addWidget(m_minimize, 0, Qt::AlignTop);
    layout->addWidget(m_maximize, 0, Qt::AlignTop);
    layout->addWidget(m_close, 0, Qt::AlignTop);

    connect(m_minimize, &QPushButton::clicked, this, &WindowBar::onButtonMinimize);
    connect(m_maximize, &QPushButton::clicked, this, &WindowBar::toggleMaximized);
    connect(m_close, &QPushButton::clicked, this, &WindowBar::onButtonClose);
    setFixedHeight(22);
    retranslate();
}

void WindowBar::retranslate()
{
    m_minimize->setToolTip(tr("Minimize"));
    m_minimize->setAccessibleName(tr("Minimize"));
    const QString maximize = m_maximized ? tr("Restore") : tr("Maximize");
    m_maximize->setToolTip(maximize);
    m_maximize->setAccessibleName(maximize);
    m_close->setToolTip(tr("Close"));
    m_close->setAccessibleName(tr("Close"));
}

void WindowBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void WindowBar::balanceTitle()
{
    int width = spacerNarrow;
    for (const QPushButton *button : {m_minimize, m_maximize})
        if (!button->isHidden())
            width += buttonWidth;
    m_spacer->changeSize(width, spacerHeight, QSizePolicy::Minimum, QSizePolicy::Minimum);
    layout()->invalidate();
}

void WindowBar::setMaximizeVisible(bool visible)
{
    m_maximize->setVisible(visible);
    balanceTitle();
}

void WindowBar::setMaximized(bool maximized)
{
    m_maximized = maximized;
    // The style sheet draws "restore" for a maximised window.
    m_maximize->setProperty("maximized", maximized);
    m_maximize->style()->unpolish(m_maximize);
    m_maximize->style()->polish(m_maximize);
    retranslate();
}

void WindowBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !m_maximize->isHidden()) {
        emit toggleMaximized();
        event->accept();
        return;
    }
    QFrame::mouseDoubleClickEvent(event);
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
    balanceTitle();
}

void WindowBar::onButtonMinimize()
{
    emit minimizeWindow();
}

void WindowBar::onButtonClose()
{
    emit closeWindow();
}

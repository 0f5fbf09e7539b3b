#include "widgets/MessagePassword.h"

#include "shell/WindowBar.h"
#include "widgets/Button.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

MessagePassword::MessagePassword(QWidget *parent)
    : FramelessDialog({QStringLiteral("messagePassword"), QSize(380, 190), QMargins(9, 0, 8, 9)},
                      Qt::Window | Qt::FramelessWindowHint, parent)
    , m_text(new QLabel(content()))
    , m_passwordLabel(new QLabel(content()))
    , m_password(new QLineEdit(content()))
    , m_ok(new Button(content()))
    , m_skipButton(new Button(content()))
    , m_skipAllButton(new Button(content()))
{
    setWindowIcon(QIcon(QStringLiteral(":/style/images/AppIconPdf256.png")));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_passwordLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_password->setEchoMode(QLineEdit::Password);

    m_ok->setObjectName(QStringLiteral("buttonSplitOk"));
    m_ok->setFixedSize(100, 42);
    m_ok->setDefault(true);
    for (Button *skip : {m_skipButton, m_skipAllButton}) {
        skip->setObjectName(QStringLiteral("buttonSkip"));
        skip->setFixedHeight(42);
        skip->setMinimumWidth(100);
        skip->setAutoDefault(false);
        skip->hide();
    }

    auto *passwordRow = new QHBoxLayout;
    passwordRow->addWidget(m_passwordLabel);
    passwordRow->addWidget(m_password, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_skipButton);
    buttons->addWidget(m_skipAllButton);
    buttons->addStretch();

    QVBoxLayout *layout = contentLayout();
    layout->addStretch();
    layout->addWidget(m_text);
    layout->addStretch();
    layout->addLayout(passwordRow);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(windowBar(), &WindowBar::closeWindow, this, &QDialog::reject);
    connect(m_skipButton, &QPushButton::clicked, this, &MessagePassword::buttonSkip);
    connect(m_skipAllButton, &QPushButton::clicked, this, &MessagePassword::buttonSkipAll);
    retranslate();
}

void MessagePassword::setText(const QString &text)
{
    m_text->setText(text);
}

QString MessagePassword::text() const
{
    return m_text->text();
}

QString MessagePassword::password() const
{
    return m_password->text();
}

void MessagePassword::setSkipVisible(bool visible)
{
    m_skipButton->setVisible(visible);
}

void MessagePassword::setSkipAllVisible(bool visible)
{
    m_skipAllButton->setVisible(visible);
}

void MessagePassword::buttonSkip()
{
    m_skip = true;
    accept();
}

void MessagePassword::buttonSkipAll()
{
    m_skipAll = true;
    accept();
}

void MessagePassword::retranslate()
{
    windowBar()->setTitle(tr("Enter password"));
    m_passwordLabel->setText(tr("Password:"));
    m_ok->setText(tr("OK"));
    m_skipButton->setText(tr("SKIP"));
    m_skipAllButton->setText(tr("SKIP ALL"));
}

void MessagePassword::showEvent(QShowEvent *event)
{
    FramelessDialog::showEvent(event);
    m_password->setFocus();
}

void MessagePassword::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    FramelessDialog::changeEvent(event);
}

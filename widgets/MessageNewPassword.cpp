#include "widgets/MessageNewPassword.h"

#include "shell/WindowBar.h"
#include "widgets/Button.h"
#include "widgets/NewPasswordFields.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

MessageNewPassword::MessageNewPassword(const OutputPermissions &permissions, QWidget *parent)
    : FramelessDialog({QStringLiteral("messagePassword"), QSize(460, 300), QMargins(12, 0, 12, 9)},
                      Qt::Window | Qt::FramelessWindowHint, parent)
    , m_text(new QLabel(content()))
    , m_fields(new NewPasswordFields(content()))
    , m_ok(new Button(content()))
{
    setWindowIcon(QIcon(QStringLiteral(":/style/images/AppIconPdf256.png")));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_fields->setPermissions(permissions);

    m_ok->setObjectName(QStringLiteral("buttonSplitOk"));
    m_ok->setFixedSize(100, 42);
    m_ok->setDefault(true);
    m_ok->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addStretch();

    QVBoxLayout *layout = contentLayout();
    layout->addWidget(m_text);
    layout->addSpacing(6);
    layout->addWidget(m_fields);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_fields, &NewPasswordFields::acceptableChanged, m_ok, &QWidget::setEnabled);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(windowBar(), &WindowBar::closeWindow, this, &QDialog::reject);
    retranslate();
}

void MessageNewPassword::setText(const QString &text)
{
    m_text->setText(text);
}

QString MessageNewPassword::password() const
{
    return m_fields->password();
}

void MessageNewPassword::retranslate()
{
    windowBar()->setTitle(tr("Protect with a password"));
    m_ok->setText(tr("OK"));
}

void MessageNewPassword::showEvent(QShowEvent *event)
{
    centerOnParentWindow();
    FramelessDialog::showEvent(event);
}

void MessageNewPassword::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    FramelessDialog::changeEvent(event);
}

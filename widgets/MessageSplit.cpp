#include "widgets/MessageSplit.h"

#include "app/Logger.h"
#include "shell/WindowBar.h"
#include "widgets/Button.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

MessageSplit::MessageSplit(int fileCount, QWidget *parent)
    : FramelessDialog({QStringLiteral("messageBox"), QSize(389, 181), QMargins(9, 3, 8, 12)},
                      Qt::Window | Qt::FramelessWindowHint, parent)
    , m_fileCount(fileCount)
    , m_text(new QLabel(content()))
    , m_note(new QLabel(content()))
    , m_ok(new Button(content()))
    , m_open(new Button(content()))
    , m_merge(new Button(content()))
{
    setWindowIcon(QIcon(QStringLiteral(":/style/images/AppIconPdf256.png")));
    m_text->setObjectName(QStringLiteral("messageText"));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_note->setObjectName(QStringLiteral("messageText"));
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);
    m_note->hide();
    m_ok->setObjectName(QStringLiteral("buttonSplitOk"));
    m_ok->setMinimumWidth(80);
    m_open->setObjectName(QStringLiteral("buttonSplitOpen"));
    m_open->setMinimumWidth(93);
    m_merge->setObjectName(QStringLiteral("buttonSplitMerge"));
    m_merge->setMinimumWidth(155);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (Button *button : {m_ok, m_open, m_merge}) {
        button->setFixedHeight(42);
        buttons->addWidget(button);
    }
    buttons->addStretch();

    QVBoxLayout *layout = contentLayout();
    layout->addStretch();
    layout->addWidget(m_text);
    layout->addWidget(m_note);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &MessageSplit::onOk);
    connect(m_open, &QPushButton::clicked, this, &MessageSplit::onOpen);
    connect(m_merge, &QPushButton::clicked, this, &MessageSplit::onMerge);
    connect(windowBar(), &WindowBar::closeWindow, this, &MessageSplit::onOk);
    retranslate();
}

void MessageSplit::retranslate()
{
    windowBar()->setTitle(tr("Split complete"));
    m_text->setText(tr("Your document was split in %1 files. You can open folder to view the "
                       "results of proceed of merging them.", nullptr, m_fileCount).arg(m_fileCount));
    m_ok->setText(tr("OK"));
    m_open->setText(tr("OPEN"));
    m_merge->setText(tr("MERGE RESULTS"));
}

void MessageSplit::setNote(const QString &note)
{
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

void MessageSplit::onOk()
{
    m_choice = ChoiceOk;
    accept();
}

void MessageSplit::onOpen()
{
    m_choice = ChoiceOpen;
    accept();
}

void MessageSplit::onMerge()
{
    m_choice = ChoiceMerge;
    accept();
}

void MessageSplit::showEvent(QShowEvent *event)
{
    centerOnParentWindow();
    Logger::instance().log(QStringLiteral("Rect width: %1").arg(width()), LogDebug);
    Logger::instance().log(QStringLiteral("Rect height: %1").arg(height()), LogDebug);
    FramelessDialog::showEvent(event);
}

void MessageSplit::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    FramelessDialog::changeEvent(event);
}

#include "widgets/MessageMerge.h"

#include "shell/WindowBar.h"
#include "widgets/Button.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

MessageMerge::MessageMerge(QWidget *parent)
    : MessageMerge(QStringList(), parent)
{
}

MessageMerge::MessageMerge(const QStringList &leftOut, QWidget *parent)
    : FramelessDialog({QStringLiteral("messageBox"), QSize(420, 181), QMargins(9, 3, 8, 12)},
                      Qt::Window | Qt::FramelessWindowHint, parent)
    , m_text(new QLabel(content()))
    , m_note(new QLabel(content()))
    , m_leftOutCaption(new QLabel(content()))
    , m_leftOutList(new QListWidget(content()))
    , m_ok(new Button(content()))
    , m_open(new Button(content()))
{
    setWindowIcon(QIcon(QStringLiteral(":/style/images/AppIconPdf256.png")));
    m_text->setObjectName(QStringLiteral("messageText"));
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    m_note->setObjectName(QStringLiteral("messageText"));
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);
    m_note->hide();
    m_leftOutCaption->setObjectName(QStringLiteral("messageText"));
    m_leftOutCaption->setWordWrap(true);
    m_leftOutList->setObjectName(QStringLiteral("leftOutList"));
    m_leftOutList->setMaximumHeight(90);
    QFont listFont = m_leftOutList->font();
    listFont.setPixelSize(13);
    m_leftOutList->setFont(listFont);
    m_leftOutList->setSelectionMode(QAbstractItemView::NoSelection);
    // A file's line with its reason can be longer than the dialog is wide:
    // it wraps rather than hides its end behind a scroll bar.
    m_leftOutList->setWordWrap(true);
    m_leftOutList->setTextElideMode(Qt::ElideNone);
    m_leftOutList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_leftOutList->setResizeMode(QListView::Adjust);
    m_ok->setObjectName(QStringLiteral("buttonSplitOk"));
    m_ok->setFixedHeight(42);
    m_ok->setMinimumWidth(100);
    m_open->setObjectName(QStringLiteral("buttonSplitOpen"));
    m_open->setFixedHeight(42);
    m_open->setMinimumWidth(170);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addSpacing(20);
    buttons->addWidget(m_open);
    buttons->addStretch();

    QVBoxLayout *layout = contentLayout();
    layout->addSpacing(6);
    layout->addStretch();
    layout->addWidget(m_text);
    layout->addWidget(m_note);
    layout->addWidget(m_leftOutCaption);
    layout->addWidget(m_leftOutList);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &MessageMerge::onOk);
    connect(m_open, &QPushButton::clicked, this, &MessageMerge::onOpen);
    connect(windowBar(), &WindowBar::closeWindow, this, &MessageMerge::onOk);
    setLeftOutFiles(leftOut);
}

void MessageMerge::setLeftOutFiles(const QStringList &files, const QStringList &reasons)
{
    m_leftOut = files;
    m_leftOutList->clear();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = QDir::toNativeSeparators(files.at(i));
        const QString reason = reasons.value(i);
        // With its reason a file is named short, so that the reason shows;
        // its tooltip has the whole path.
        auto *item = new QListWidgetItem(reason.isEmpty() ? path
                                                          : QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), reason));
        item->setToolTip(path);
        m_leftOutList->addItem(item);
    }
    m_leftOutCaption->setVisible(!files.isEmpty());
    m_leftOutList->setVisible(!files.isEmpty());
    retranslate();
}

void MessageMerge::setNote(const QString &note)
{
    m_note->setText(note);
    m_note->setVisible(!note.isEmpty());
}

QString MessageMerge::text() const
{
    return m_text->text();
}

void MessageMerge::retranslate()
{
    windowBar()->setTitle(tr("Merge complete"));
    if (m_leftOut.isEmpty())
        m_text->setText(tr("All of your files have been merged. You can open the folder to view the result"));
    else
        m_text->setText(tr("Your files have been merged, except those listed below. You can open the "
                           "folder to view the result"));
    m_leftOutCaption->setText(tr("Left out of the merged file: %1", nullptr, m_leftOut.size()).arg(m_leftOut.size()));
    m_ok->setText(tr("OK"));
    m_open->setText(tr("OPEN FOLDER"));
}

void MessageMerge::onOk()
{
    m_openFolder = false;
    accept();
}

void MessageMerge::onOpen()
{
    m_openFolder = true;
    accept();
}

void MessageMerge::showEvent(QShowEvent *event)
{
    centerOnParentWindow();
    FramelessDialog::showEvent(event);
}

void MessageMerge::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    FramelessDialog::changeEvent(event);
}

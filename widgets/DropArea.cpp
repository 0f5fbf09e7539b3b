#include "widgets/DropArea.h"

#include "app/AppSettings.h"
#include "widgets/PdfFileDialog.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

DropArea::DropArea(QWidget *parent)
    : QFrame(parent)
    , m_add(new QPushButton(this))
    , m_bigLabel(new QLabel(this))
    , m_smallLabel(new QLabel(this))
{
    m_add->setObjectName(QStringLiteral("buttonAddPreview"));
    m_bigLabel->setObjectName(QStringLiteral("bigLabel"));
    m_smallLabel->setObjectName(QStringLiteral("smallLabel"));
    m_bigLabel->setAlignment(Qt::AlignCenter);
    m_smallLabel->setAlignment(Qt::AlignCenter);

    auto *captions = new QVBoxLayout;
    captions->setSpacing(0);
    captions->addStretch();
    captions->addWidget(m_bigLabel);
    captions->addWidget(m_smallLabel);
    captions->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_add, 0, Qt::AlignVCenter);
    layout->addLayout(captions);
    layout->addStretch();

    setAcceptDrops(true);
    connect(m_add, &QPushButton::clicked, this, &DropArea::buttonAdd);
    retranslate();
}

void DropArea::retranslate()
{
    m_bigLabel->setText(tr("Add file"));
    m_smallLabel->setText(tr("or drag & drop"));
}

void DropArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

QString DropArea::startFolder()
{
    return AppSettings::lastSelectFolder();
}

QStringList DropArea::chooseFiles(const QString &caption, const QString &folder, const QString &filter)
{
    if (multiSelect)
        return QFileDialog::getOpenFileNames(this, caption, folder, filter, nullptr, PdfFileDialog::options());
    const QString file = QFileDialog::getOpenFileName(this, caption, folder, filter, nullptr,
                                                      PdfFileDialog::options());
    return file.isEmpty() ? QStringList() : QStringList{file};
}

void DropArea::buttonAdd()
{
    const QStringList files = chooseFiles(tr("Open file"), startFolder(), PdfFileDialog::filter());
    if (files.isEmpty())
        return;
    AppSettings::open()->setValue(QString::fromLatin1(AppSettings::keyLastSelectFolder),
                                  QFileInfo(files.first()).absoluteDir().absolutePath());
    report(files);
}

void DropArea::report(const QStringList &files)
{
    if (files.isEmpty())
        return;
    if (multiSelect)
        emit droppedFiles(files);
    else
        emit droppedFile(files.first());
}

void DropArea::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
        event->acceptProposedAction();
}

void DropArea::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void DropArea::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
}

void DropArea::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!data->hasUrls())
        return;
    QStringList files;
    for (const QUrl &url : data->urls()) {
        const QString path = url.toLocalFile();
        if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
            files << path;
    }
    report(files);
}

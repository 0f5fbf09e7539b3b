#include "split/SizeModePage.h"

#include "widgets/HelpRow.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
// Six digits: up to 999,999 MB, which still fits the request's kilobytes.
const int MaxDigits = 6;
}

SizeModePage::SizeModePage(QWidget *parent)
    : QFrame(parent)
    , m_label(new QLabel(this))
    , m_size(new QLineEdit(this))
    , m_unit(new QComboBox(this))
    , m_help(new QLabel(this))
{
    setObjectName(QStringLiteral("splitArea"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 5, 5, 0);

    auto *row = new QHBoxLayout();
    m_label->setObjectName(QStringLiteral("help"));
    m_size->setObjectName(QStringLiteral("maxSize"));
    m_size->setFixedSize(75, 30);
    m_size->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{1,%1}").arg(MaxDigits)), m_size));
    m_unit->setObjectName(QStringLiteral("sizeUnit"));
    m_unit->addItems({QString(), QString()});
    m_unit->setMinimumWidth(80);
    row->addWidget(m_label);
    row->addWidget(m_size);
    row->addWidget(m_unit);
    row->addStretch();
    layout->addLayout(row);
    layout->addSpacing(12);

    layout->addWidget(new HelpRow(m_help, this));
    layout->addStretch();

    setLimit(10, Megabytes);
    retranslate();
}

int SizeModePage::maxSizeKb() const
{
    bool ok = false;
    const int value = m_size->text().trimmed().toInt(&ok, 10);
    if (!ok || value < 1)
        return 0;
    return m_unit->currentIndex() == Megabytes ? value * 1000 : value;
}

void SizeModePage::setLimit(int value, Unit unit)
{
    m_size->setText(QString::number(value));
    m_unit->setCurrentIndex(unit);
}

void SizeModePage::retranslate()
{
    m_label->setText(tr("Largest file size:"));
    m_unit->setItemText(Kilobytes, tr("KB"));
    m_unit->setItemText(Megabytes, tr("MB"));
    m_help->setText(tr("The pages are put in order into files no larger than this, for example to fit a mail "
                       "attachment. A page that alone is larger gets a file of its own."));
}

void SizeModePage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

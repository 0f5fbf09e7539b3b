#include "widgets/CheckBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

CheckBox::CheckBox(QWidget *parent)
    : QFrame(parent)
    , m_label(new QLabel(this))
    , m_box(new QCheckBox(this))
{
    m_label->setObjectName(QStringLiteral("textCheckBox"));
    // One line: a switch whose words wrap reads badly and gets cut in a
    // row of fixed height. The layout gives it the width its text needs.
    m_label->setWordWrap(false);
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_box);
    layout->addWidget(m_label, 1);
    layout->addStretch();

    connect(m_box, &QCheckBox::stateChanged, this, &CheckBox::stateChanged);
    connect(this, &CheckBox::clicked, this, &CheckBox::onClicked);
}

void CheckBox::setText(const QString &text)
{
    m_label->setText(text);
}

QString CheckBox::text() const
{
    return m_label->text();
}

void CheckBox::setCheckState(Qt::CheckState state)
{
    m_box->setCheckState(state);
}

Qt::CheckState CheckBox::checkState() const
{
    return m_box->checkState();
}

void CheckBox::onClicked()
{
    m_box->setCheckState(m_box->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void CheckBox::mousePressEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton) {
        m_pressed = true;
        m_pressPosition = event->globalPos();
    }
    QFrame::mousePressEvent(event);
}

void CheckBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressed && event->globalPos() == m_pressPosition)
        emit clicked();
    m_pressed = false;
    QFrame::mouseReleaseEvent(event);
}

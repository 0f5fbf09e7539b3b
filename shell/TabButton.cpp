#include "shell/TabButton.h"

TabButton::TabButton(QWidget *parent)
    : Button(parent)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::clicked, this, &TabButton::onClicked);
}

void TabButton::onClicked()
{
    emit clicked(m_index);
}

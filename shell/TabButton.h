#pragma once

#include "widgets/Button.h"

// A checkable tab button that knows the page it stands for and reports it
// with every click.
class TabButton : public Button
{
    Q_OBJECT
public:
    explicit TabButton(QWidget *parent = nullptr);

    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }

signals:
    void clicked(int index);

private slots:
    void onClicked();

private:
    int m_index = -1;
};

#pragma once

#include <QFrame>
#include <QWidget>

class QLabel;

// The information mark beside a wrapped help text, as every split mode shows
// its explanation. The row takes the text label over (object name "help" for
// the style sheet, word wrap on) and keeps it at most maxTextHeight high.
class HelpRow : public QFrame
{
    Q_OBJECT
public:
    HelpRow(QLabel *text, QWidget *parent, int maxTextHeight = QWIDGETSIZE_MAX);
};

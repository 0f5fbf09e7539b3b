#pragma once

#include <QProgressBar>

// A progress bar whose label is drawn in two colours: the palette's text
// colour over the empty part and its highlighted-text colour over the filled
// part (swapped when the bar is flipped).
class ProgressBar : public QProgressBar
{
    Q_OBJECT
public:
    using QProgressBar::QProgressBar;

    // The filled part of the bar in widget coordinates; empty when the
    // position falls outside the bar.
    QRect filledRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStyleOptionProgressBar barOption() const;
    QRect filledRect(const QStyleOptionProgressBar &option, QRect *textArea) const;
    bool isFlipped() const;
};

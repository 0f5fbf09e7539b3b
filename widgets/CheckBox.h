#pragma once

#include <QFrame>
#include <QPoint>

class QCheckBox;
class QLabel;

// A check box whose text is a separate one-line label; a click anywhere
// on the frame or the label toggles the box.
class CheckBox : public QFrame
{
    Q_OBJECT
public:
    explicit CheckBox(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    void setCheckState(Qt::CheckState state);
    Qt::CheckState checkState() const;

signals:
    // Every change of the inner box, by click or by code.
    void stateChanged(int state);
    // A left press and release at the same global position.
    void clicked();

public slots:
    // Toggles: checked becomes unchecked, anything else becomes checked.
    void onClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *m_label;
    QCheckBox *m_box;
    bool m_pressed = false;
    QPoint m_pressPosition;
};

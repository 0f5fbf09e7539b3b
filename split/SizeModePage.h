#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class QLineEdit;

// The split screen's page for splitting by size: the largest file size, a
// number with its unit (kB or MB, decimal: 1 MB = 1000 kB = 1,000,000
// bytes, as the desktop's file managers count, so a limit also holds where
// sizes are counted in units of 1024).
class SizeModePage : public QFrame
{
    Q_OBJECT
public:
    enum Unit { Kilobytes = 0, Megabytes = 1 };

    explicit SizeModePage(QWidget *parent = nullptr);

    // The limit in kilobytes; 0 when none is entered.
    int maxSizeKb() const;
    // Sets the number and the unit shown.
    void setLimit(int value, Unit unit);

    QLineEdit *sizeEdit() const { return m_size; }
    QComboBox *unitBox() const { return m_unit; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QLabel *m_label;
    QLineEdit *m_size;
    QComboBox *m_unit;
    QLabel *m_help;
};

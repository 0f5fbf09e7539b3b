#pragma once

#include "widgets/FramelessDialog.h"

class QAbstractButton;
class QDialogButtonBox;
class QLabel;

// The program's general message box: a caption, a text and a row of buttons.
// exec() returns the clicked button's role in the button box, or 0 when the
// window bar's close button or Escape closed it.
class MessageView : public FramelessDialog
{
    Q_OBJECT
public:
    MessageView(const QString &caption, const QString &text, QWidget *parent = nullptr);

    // The common box: caption, text and one "OK" button (ends with 1). Owned
    // by parent, not shown; the caller runs it with exec().
    static MessageView *createMessage(const QString &caption, const QString &text, QWidget *parent);
    // A question with two buttons: act (exec() returns
    // QDialogButtonBox::DestructiveRole) and keep (RejectRole), the default
    // one, so that Return or Escape never acts. Owned by parent, not shown.
    static MessageView *createQuestion(const QString &caption, const QString &text, const QString &act,
                                       const QString &keep, QWidget *parent);

    QDialogButtonBox *buttonBox() const { return m_buttons; }
    QString text() const;

public slots:
    void buttonClicked(QAbstractButton *button);
    void onCloseWindow();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_text;
    QDialogButtonBox *m_buttons;
};

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Answers modal dialogs as a person would: each queued answer waits for the
// next modal widget to appear (the active one, not one already answered),
// records what it showed and acts on it. Answers run in order.
class ModalDriver : public QObject
{
public:
    using Answer = std::function<void(QWidget *dialog)>;

    ModalDriver()
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
        m_timer.start();
    }

    void expect(Answer answer) { m_answers.append(std::move(answer)); }
    int pending() const { return m_answers.count(); }
    // Text of every dialog answered so far (all its labels, joined).
    QStringList seen() const { return m_seen; }
    QStringList classes() const { return m_classes; }

    static QString textOf(QWidget *dialog)
    {
        QStringList parts;
        const auto labels = dialog->findChildren<QLabel *>();
        for (const QLabel *label : labels)
            if (!label->text().isEmpty())
                parts << label->text();
        return parts.join(QLatin1Char('|'));
    }

    static QAbstractButton *button(QWidget *dialog, const QString &text)
    {
        const auto buttons = dialog->findChildren<QAbstractButton *>();
        for (QAbstractButton *b : buttons)
            if (b->text() == text && b->isVisible())
                return b;
        return nullptr;
    }

    static void click(QWidget *dialog, const QString &text)
    {
        if (QAbstractButton *b = button(dialog, text))
            b->click();
        else
            qWarning("no visible button %s in %s", qPrintable(text), dialog->metaObject()->className());
    }

    static Answer press(const QString &text)
    {
        return [text](QWidget *dialog) { click(dialog, text); };
    }

    static Answer typeAndPress(const QString &typed, const QString &text)
    {
        return [typed, text](QWidget *dialog) {
            if (QLineEdit *edit = dialog->findChild<QLineEdit *>())
                edit->setText(typed);
            click(dialog, text);
        };
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || m_answers.isEmpty() || !modal->isVisible())
            return;
        if (modal == m_last || modal->inherits("ProgressDialog"))
            return; // answered already, or a progress window that needs no answer
        m_last = modal;
        m_seen << textOf(modal);
        m_classes << QString::fromLatin1(modal->metaObject()->className());
        Answer answer = m_answers.takeFirst();
        answer(modal);
    }

    QTimer m_timer;
    QList<Answer> m_answers;
    QStringList m_seen;
    QStringList m_classes;
    QPointer<QWidget> m_last;
};

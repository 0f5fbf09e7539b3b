#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTimer>

// Answers the next open-file dialog as a person would: waits until it is the
// active modal window, types the names into its file-name field in folder and
// accepts; no names cancels it. A dialog still up afterwards (it was not
// ready for the typing yet) is answered again.
inline void answerFileDialog(const QString &folder, const QStringList &names, int attemptsLeft = 3000)
{
    QTimer::singleShot(10, [=]() {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (attemptsLeft > 0)
                answerFileDialog(folder, names, attemptsLeft - 1);
            return;
        }
        if (names.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->setDirectory(folder);
        const QString text = names.size() == 1
                                 ? names.first()
                                 : QLatin1Char('"') + names.join(QStringLiteral("\" \"")) + QLatin1Char('"');
        if (auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            field->setText(text);
        static_cast<QDialog *>(dialog)->accept();
        const QPointer<QFileDialog> answered(dialog);
        QTimer::singleShot(200, [=]() {
            if (answered && answered->isVisible() && attemptsLeft > 0)
                answerFileDialog(folder, names, attemptsLeft - 1);
        });
    });
}

#pragma once

#include <QFrame>

class BaseFrame;
class Button;
class Cover;
class DropArea;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QStackedLayout;
class Split;

// The split screen's document panel: a drop area while nothing is loaded,
// otherwise the cover, title, path and page count of the split controller's
// document, with a link to enter the password of a locked one and one to
// repair a copy of an unreadable one. It keeps no
// document data of its own: every refresh reads the controller afresh.
class PreviewWidget : public QFrame
{
    Q_OBJECT
public:
    explicit PreviewWidget(QWidget *parent = nullptr);

    // Shown page: 0 the drop area, 1 the document's information.
    int currentPage() const;

    // Asks for the password of the loaded, locked document and reloads it
    // with the answer; tells the user when the password is wrong. True when
    // the document is unlocked afterwards (also when it was not locked).
    bool askPassword();

    // "<name> cannot be read ...": what the panel says about a file that
    // could not be read.
    static QString unreadableText(const QString &fileName);

signals:
    void previewDocument();
    // "Choose pages…": the user wants the page grid of the document.
    void choosePages();

public slots:
    void onDelete();
    void onEnterPassword();
    void onDroppedFile(const QString &file);
    void onDroppedFiles(const QStringList &files);
    void onLoaded();
    void onClean();
    void onRepair();
    void onRepairFinished(int pages);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildInformationPage();
    void retranslate();
    // Reads title, path, page count, cover and lock state from the controller.
    void refresh();
    // The path, shortened in the middle to the label's width when needed.
    void showPath();
    Split *controller() const;

    QStackedLayout *m_stack = nullptr;
    DropArea *m_dropArea = nullptr;
    BaseFrame *m_informationPage = nullptr;
    Cover *m_cover = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_file = nullptr;
    QString m_path;
    QLabel *m_passwordLabel = nullptr;
    QLabel *m_problem = nullptr;
    QLabel *m_pages = nullptr;
    QPushButton *m_passwordLink = nullptr;
    QPushButton *m_repairLink = nullptr;   // offered for an unreadable file
    bool m_repairFailed = false;           // nothing of the file could be recovered
    Button *m_delete = nullptr;
    Button *m_preview = nullptr;
    Button *m_choosePages = nullptr;
    QHBoxLayout *m_passwordRow = nullptr;
};

#pragma once

#include "merge/Merge.h"
#include "split/Split.h"

#include <QApplication>
#include <QSettings>
#include <QString>
#include <memory>

class DebenuService;
class QTranslator;
class QWidget;

// The program's single application instance: identity, fresh settings per
// use, translation, style sheet, the PDF service, the split and merge
// controllers (alive for the whole run), and the paths of the last results.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int &argc, char **argv);
    ~Application() override;

    static Application *instance();

    // A new settings object for the per-user INI file; drop it after use.
    std::shared_ptr<QSettings> settings() const;

    // The process's PDF service, created once at construction; every
    // document and reader shares it.
    std::shared_ptr<DebenuService> pdfService() const;

    // The one split and the one merge controller of the program.
    Split *split();
    Merge *merge();

    QString lastSplitFolder;
    QString lastMergeFile;

    // Reloads the language and tells the screens that settings changed.
    void reloadSettings();
    void openLastMergeFolder();
    void openLastSplitFolder();

    // Opens the folder of path in the file manager with the file selected; a
    // folder path opens the folder itself; an empty path does nothing.
    void openFolderAndSelect(const QString &path);

    // Installs the translation "leafcut_<code>.qm" from the translations folder
    // (InstallLayout), and Qt's own translation for the language. False
    // when the program has no file for code: the English one stands in.
    bool loadLanguage(const QString &code);

    QString translationsDirectory() const;

signals:
    void settingsChanged();
    void lastFolderChanged();

private:
    void loadStyleSheet();

    QTranslator *m_translator = nullptr;
    QTranslator *m_qtTranslator = nullptr;
    std::shared_ptr<DebenuService> m_pdfService;
    Split m_split;
    Merge m_merge;
};

// Frameless dialogs: translucent widget, shadow (offset 0, blur 20) on
// target; nothing where no compositing manager runs (Compositor).
void applyDropShadow(QWidget *widget, QWidget *target);

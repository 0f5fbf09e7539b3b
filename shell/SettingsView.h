#pragma once

#include <QFrame>

class Button;
class QPushButton;
class QComboBox;
class QLabel;
class QLineEdit;
class SaveFolderModel;

// The settings panel that slides in over the main window: where split results
// are saved, the interface language and the publisher written into produced
// documents. Values are reloaded from the settings file on every show, so
// closing without saving discards the edits.
class SettingsView : public QFrame
{
    Q_OBJECT
public:
    explicit SettingsView(QWidget *parent = nullptr);

    QComboBox *saveToBox() const { return m_saveTo; }
    QComboBox *languageBox() const { return m_language; }
    QLineEdit *publisherEdit() const { return m_publisher; }
    SaveFolderModel *saveFolderModel() const { return m_saveFolderModel; }

    // Reads the stored values into the controls (also done on every show).
    void loadSettings();

    // Codes and labels found in the translations folder: (label, code) pairs.
    static QList<QPair<QString, QString>> availableLanguages(const QString &translationsDirectory);

signals:
    void onHideWindow();

public slots:
    // Writes save mode, folder, language and publisher, reloads the
    // translation at once and asks to be hidden.
    void saveSettings();
    // Asks to be hidden without saving.
    void onClose();
    // A pick in the save-to list; "Select folder..." asks for a folder and
    // returns to the previous pick when the user cancels.
    void onChangeSaveMode(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildLayout();
    void fillLanguages();
    void retranslate();

    QComboBox *m_saveTo = nullptr;
    QComboBox *m_language = nullptr;
    QLineEdit *m_publisher = nullptr;
    QPushButton *m_buttonClose = nullptr;
    QPushButton *m_buttonBack = nullptr;
    Button *m_buttonSave = nullptr;
    Button *m_buttonCancel = nullptr;
    QLabel *m_caption = nullptr;
    QLabel *m_labelSaveTo = nullptr;
    QLabel *m_labelLanguage = nullptr;
    QLabel *m_labelPublisher = nullptr;
    SaveFolderModel *m_saveFolderModel = nullptr;
    int m_previousIndex = 0;
};

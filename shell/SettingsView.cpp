#include "shell/SettingsView.h"

#include "app/AppSettings.h"
#include "app/Application.h"
#include "app/InstallLayout.h"
#include "shell/SaveFolderDelegate.h"
#include "shell/SaveFolderModel.h"
#include "widgets/Button.h"
#include "widgets/ComboBoxItemDelegate.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>
#include <QVBoxLayout>

SettingsView::SettingsView(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("settingsViewContent"));
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // It takes the focus when it slides in (for Escape), but Tab goes to
    // its controls, never to the panel itself.
    setFocusPolicy(Qt::ClickFocus);
    buildLayout();
    fillLanguages();
    connect(m_buttonSave, &QPushButton::clicked, this, &SettingsView::saveSettings);
    connect(m_buttonClose, &QPushButton::clicked, this, &SettingsView::onClose);
    connect(m_buttonBack, &QPushButton::clicked, this, &SettingsView::onClose);
    connect(m_buttonCancel, &QPushButton::clicked, this, &SettingsView::onClose);
    // activated, not currentIndexChanged: picking the current entry again
    // must still offer the folder chooser.
    connect(m_saveTo, QOverload<int>::of(&QComboBox::activated), this, &SettingsView::onChangeSaveMode);
    retranslate();
}

void SettingsView::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 1, 12, 12);

    auto *header = new QHBoxLayout;
    m_buttonClose = new QPushButton(this);
    m_buttonClose->setObjectName(QStringLiteral("buttonCloseSettings"));
    m_buttonBack = new QPushButton(this);
    m_buttonBack->setObjectName(QStringLiteral("buttonNavigateBack"));
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("settingsLabel"));
    header->addWidget(m_buttonClose);
    header->addWidget(m_buttonBack);
    header->addWidget(m_caption);
    header->addStretch();
    layout->addLayout(header);

    m_saveFolderModel = new SaveFolderModel(this);
    m_saveTo = new QComboBox(this);
    m_saveTo->setModel(m_saveFolderModel);
    m_saveTo->setItemDelegate(new SaveFolderDelegate(m_saveTo));
    m_saveTo->setFixedWidth(350);
    m_language = new QComboBox(this);
    m_language->setItemDelegate(new ComboBoxItemDelegate(m_language));
    m_language->setFixedWidth(350);
    m_publisher = new QLineEdit(this);
    m_publisher->setObjectName(QStringLiteral("edit"));
    m_publisher->setFixedSize(350, 36);

    auto fieldLabel = [this]() {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("settingsInputLabel"));
        return label;
    };
    m_labelSaveTo = fieldLabel();
    m_labelLanguage = fieldLabel();
    m_labelPublisher = fieldLabel();
    auto *form = new QFormLayout;
    form->setHorizontalSpacing(20);
    form->setVerticalSpacing(15);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->addRow(m_labelSaveTo, m_saveTo);
    form->addRow(m_labelLanguage, m_language);
    form->addRow(m_labelPublisher, m_publisher);
    layout->addSpacing(10);
    layout->addLayout(form);
    layout->addStretch();

    auto *buttons = new QHBoxLayout;
    m_buttonSave = new Button(this);
    m_buttonSave->setObjectName(QStringLiteral("buttonSaveSettings"));
    m_buttonSave->setFixedHeight(42);
    m_buttonSave->setMinimumWidth(122);
    m_buttonCancel = new Button(this);
    m_buttonCancel->setObjectName(QStringLiteral("buttonCancel"));
    m_buttonCancel->setFixedHeight(42);
    m_buttonCancel->setMinimumWidth(75);
    buttons->addWidget(m_buttonSave);
    buttons->addWidget(m_buttonCancel);
    buttons->addStretch();
    layout->addLayout(buttons);
}

QList<QPair<QString, QString>> SettingsView::availableLanguages(const QString &translationsDirectory)
{
    QList<QPair<QString, QString>> languages;
    const QDir dir(translationsDirectory);
    const QStringList files = dir.entryList({QStringLiteral("leafcut_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        QString code = file.mid(file.indexOf(QLatin1Char('_')) + 1);
        code.chop(3);
        QTranslator translator;
        translator.load(dir.filePath(file), QString(), QString(), QString());
        // Each translation names its own language.
        QString label = translator.translate("SettingsView", "English");
        if (label.isEmpty())
            label = code;
        languages.append({label, code});
    }
    return languages;
}

void SettingsView::fillLanguages()
{
    const QString folder = Application::instance() ? Application::instance()->translationsDirectory()
                                                   : InstallLayout::translationsDirectory();
    for (const auto &language : availableLanguages(folder))
        m_language->addItem(language.first, language.second);
}

void SettingsView::loadSettings()
{
    auto settings = AppSettings::open();
    settings->beginGroup(QLatin1String(AppSettings::keySaveModeGroup));
    int mode = settings->value(QLatin1String(AppSettings::keySaveMode), 0).toInt();
    const QString path = settings->value(QLatin1String(AppSettings::keySavePath), AppSettings::desktopFolder()).toString();
    settings->endGroup();
    if (mode < 0 || mode >= m_saveFolderModel->rowCount())
        mode = SaveFolderModel::ModeSubFolder;
    if (mode == SaveFolderModel::ModeSelectFolder)
        m_saveFolderModel->setData(m_saveFolderModel->index(SaveFolderModel::ModeSelectFolder, SaveFolderModel::ColumnValue),
                                   path, Qt::EditRole);
    m_saveTo->setCurrentIndex(mode);

    QString language = settings->value(QLatin1String(AppSettings::keyLanguage)).toString();
    if (language.isEmpty())
        language = AppSettings::systemLanguage();
    int languageIndex = m_language->findData(language, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    // No translation for that code: the texts show in English, so offer
    // English rather than whichever language happens to come first.
    if (languageIndex < 0)
        languageIndex = m_language->findData(QStringLiteral("en"), Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    m_language->setCurrentIndex(languageIndex >= 0 ? languageIndex : 0);

    m_publisher->setText(settings->value(QLatin1String(AppSettings::keyPublisher),
                                         QString::fromLatin1(AppSettings::defaultPublisher)).toString());
    m_previousIndex = m_saveTo->currentIndex();
}

void SettingsView::onChangeSaveMode(int index)
{
    if (m_saveFolderModel->modeAt(index) != SaveFolderModel::ModeSelectFolder) {
        m_previousIndex = index;
        return;
    }
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select destination folder"), m_saveFolderModel->customFolder(),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty()) {
        m_saveTo->setCurrentIndex(m_previousIndex);
        return;
    }
    m_saveFolderModel->setData(m_saveFolderModel->index(SaveFolderModel::ModeSelectFolder, SaveFolderModel::ColumnValue),
                               QDir::toNativeSeparators(folder), Qt::EditRole);
    m_previousIndex = index;
}

void SettingsView::saveSettings()
{
    const int row = m_saveTo->currentIndex();
    const int mode = m_saveFolderModel->modeAt(row);
    const QString path = mode == SaveFolderModel::ModeSelectFolder
                             ? m_saveFolderModel->index(row, SaveFolderModel::ColumnValue).data(Qt::EditRole).toString()
                             : QString();
    const QString language = m_language->currentData().toString();
    {
        auto settings = AppSettings::open();
        settings->beginGroup(QLatin1String(AppSettings::keySaveModeGroup));
        settings->setValue(QLatin1String(AppSettings::keySaveMode), mode);
        settings->setValue(QLatin1String(AppSettings::keySavePath), path);
        settings->endGroup();
        settings->setValue(QLatin1String(AppSettings::keyLanguage), language);
        settings->setValue(QLatin1String(AppSettings::keyPublisher), m_publisher->text());
    } // written to the file here, before the reload reads it
    if (auto *app = Application::instance())
        app->reloadSettings();
    emit onHideWindow();
}

void SettingsView::onClose()
{
    emit onHideWindow();
}

void SettingsView::showEvent(QShowEvent *event)
{
    loadSettings();
    QFrame::showEvent(event);
}

void SettingsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void SettingsView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        onClose();
        return;
    }
    QFrame::keyPressEvent(event);
}

bool SettingsView::focusNextPrevChild(bool next)
{
    // The panel covers the window: Tab goes round its own controls only.
    QList<QWidget *> controls;
    for (QWidget *widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if (isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible()
            && widget->isEnabled())
            controls << widget;
    }
    if (controls.isEmpty())
        return false;
    const int current = controls.indexOf(QApplication::focusWidget());
    int target = next ? current + 1 : current - 1;
    if (current < 0)
        target = next ? 0 : controls.size() - 1;
    target = (target + controls.size()) % controls.size();
    controls.at(target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void SettingsView::retranslate()
{
    m_caption->setText(tr("Settings"));
    m_buttonSave->setText(tr("SAVE SETTINGS"));
    m_buttonCancel->setText(tr("CANCEL"));
    m_labelLanguage->setText(tr("Language"));
    m_labelSaveTo->setText(tr("Save to"));
    m_labelPublisher->setText(tr("Publisher"));
    m_saveFolderModel->retranslate();
}

#include "TestPaths.h"
#include "app/Application.h"
#include "widgets/Button.h"
#include "widgets/ButtonDescription.h"

#include <QDirIterator>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// Warnings that the style machinery writes while parsing or applying rules.
QStringList g_styleWarnings;
QtMessageHandler g_previousHandler = nullptr;

void collectStyleWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg
        && (message.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive)
            || message.contains(QLatin1String("property"), Qt::CaseInsensitive)))
        g_styleWarnings << message;
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

QString readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// Every literal resource path of the program's sources, with "file:line".
QMap<QString, QString> resourcePathsInSources()
{
    static const QRegularExpression literal(QStringLiteral("\":/style/([^\"]*)\""));
    QMap<QString, QString> found;
    const QDir root(TestPaths::sourceDir());
    const QStringList folders{QStringLiteral("app"), QStringLiteral("pdf"), QStringLiteral("protocol"), QStringLiteral("split"),
                              QStringLiteral("merge"), QStringLiteral("shell"), QStringLiteral("widgets"),
                              QStringLiteral("worker")};
    for (const QString &folder : folders) {
        QDirIterator it(TestPaths::sourceDir() + QLatin1Char('/') + folder,
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QStringList lines = readAll(file).split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i) {
                auto match = literal.globalMatch(lines.at(i));
                while (match.hasNext()) {
                    const QString path = QStringLiteral(":/style/") + match.next().captured(1);
                    found.insert(path, QStringLiteral("%1:%2").arg(root.relativeFilePath(file)).arg(i + 1));
                }
            }
        }
    }
    return found;
}

// Resource paths in the style sheet: url(...) values and quoted property values.
QSet<QString> resourcePathsInStyleSheet(const QString &sheet)
{
    static const QRegularExpression reference(QStringLiteral("(?:url\\(\\s*\"?|\")(:/style/[^\")\\s]+)"));
    QSet<QString> paths;
    auto match = reference.globalMatch(sheet);
    while (match.hasNext())
        paths.insert(match.next().captured(1));
    return paths;
}

struct ListedPicture {
    QString name;
    QSize size;
};

// The list the pictures are drawn from (resources/style/src/images.txt).
QList<ListedPicture> listedPictures()
{
    QList<ListedPicture> pictures;
    const QString text = readAll(TestPaths::sourceDir() + QStringLiteral("/resources/style/src/images.txt"));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() < 4 || fields.first().startsWith(QLatin1Char('#')))
            continue;
        pictures.append({fields.at(0), QSize(fields.at(2).toInt(), fields.at(3).toInt())});
    }
    return pictures;
}

} // namespace

class TestStyleSheet : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(collectStyleWarnings);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(g_previousHandler);
    }

    // A resource path written in the code that is not embedded would give an
    // empty picture or an unstyled program at run time.
    void everyPathInTheSourcesExists()
    {
        const QMap<QString, QString> paths = resourcePathsInSources();
        QVERIFY2(paths.contains(QStringLiteral(":/style/style.css")),
                 "the application no longer loads :/style/style.css");
        QStringList missing;
        for (auto it = paths.cbegin(); it != paths.cend(); ++it) {
            if (it.key().contains(QLatin1Char('%')) || it.key().endsWith(QLatin1Char('/')))
                continue; // built at run time from a pattern or a folder prefix
            if (!QFile::exists(it.key()))
                missing << QStringLiteral("%1 (%2)").arg(it.key(), it.value());
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing resources: ") + missing.join(QStringLiteral(", "))));
    }

    void everyPathInTheStyleSheetExists()
    {
        const QString sheet = readAll(QStringLiteral(":/style/style.css"));
        const QSet<QString> paths = resourcePathsInStyleSheet(sheet);
        QVERIFY2(paths.size() >= 60, qPrintable(QStringLiteral("only %1 pictures referenced").arg(paths.size())));
        QStringList missing;
        QStringList unreadable;
        for (const QString &path : paths) {
            if (!QFile::exists(path))
                missing << path;
            else if (QImage(path).isNull())
                unreadable << path;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing: ") + missing.join(QStringLiteral(", "))));
        QVERIFY2(unreadable.isEmpty(), qPrintable(QStringLiteral("not a picture: ") + unreadable.join(QStringLiteral(", "))));
    }

    // The embedded pictures are exactly those of the list, at the listed sizes,
    // so a changed list or source without re-drawing shows up here.
    void picturesMatchTheirList()
    {
        const QList<ListedPicture> listed = listedPictures();
        QVERIFY2(listed.size() >= 70, qPrintable(QStringLiteral("only %1 pictures listed").arg(listed.size())));
        QSet<QString> listedNames;
        for (const ListedPicture &picture : listed) {
            const QString path = QStringLiteral(":/style/images/%1.png").arg(picture.name);
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(" is missing or unreadable")));
            QVERIFY2(image.size() == picture.size,
                     qPrintable(QStringLiteral("%1 is %2x%3, listed as %4x%5").arg(path).arg(image.width())
                                    .arg(image.height()).arg(picture.size.width()).arg(picture.size.height())));
            QVERIFY2(!listedNames.contains(picture.name), qPrintable(picture.name + QStringLiteral(" listed twice")));
            listedNames.insert(picture.name);
        }
        const QStringList embedded = QDir(QStringLiteral(":/style/images")).entryList(QDir::Files);
        for (const QString &file : embedded) {
            QString name = QFileInfo(file).completeBaseName();
            // "<name>@2x" is the twin for scaled screens, at twice the size.
            const bool twin = name.endsWith(QLatin1String("@2x"));
            if (twin)
                name.chop(3);
            QVERIFY2(listedNames.contains(name),
                     qPrintable(file + QStringLiteral(" is embedded but not made from a listed source")));
            if (twin)
                QCOMPARE(QImage(QStringLiteral(":/style/images/") + file).size(),
                         QImage(QStringLiteral(":/style/images/%1.png").arg(name)).size() * 2);
        }
    }

    // Pictures that are drawn with visible content, not blank canvases.
    void picturesAreNotBlank()
    {
        for (const ListedPicture &picture : listedPictures()) {
            const QImage image = QImage(QStringLiteral(":/style/images/%1.png").arg(picture.name))
                                     .convertToFormat(QImage::Format_ARGB32);
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 32 ? 1 : 0;
            QVERIFY2(opaque > 0, qPrintable(picture.name + QStringLiteral(" is blank")));
        }
    }

    // The application applies the sheet at start; applying it to widgets that
    // carry the program's object names must not make the style machinery
    // complain (a parse error, or a qproperty- rule on a widget without it).
    void sheetAppliesWithoutWarnings()
    {
        QVERIFY(!qApp->styleSheet().isEmpty());
        // The sheet is parsed once, on first use: warnings are collected from the start.
        QWidget window;
        const QStringList plainButtons{
            QStringLiteral("windowminimize"), QStringLiteral("windowclose"), QStringLiteral("buttonClear"),
            QStringLiteral("deletelabel"), QStringLiteral("buttonTableAdd"), QStringLiteral("buttonMoveUp"),
            QStringLiteral("buttonMoveDown"), QStringLiteral("buttonClearAll"), QStringLiteral("buttonOpenFolder"),
            QStringLiteral("buttonURL"), QStringLiteral("buttonAddPreview"), QStringLiteral("buttonStop"),
            QStringLiteral("defaultButton"), QStringLiteral("buttonSaveSettings"), QStringLiteral("buttonCancel"),
            QStringLiteral("buttonCloseSettings"), QStringLiteral("buttonNavigateBack")};
        for (const QString &name : plainButtons) {
            auto *button = new QPushButton(name, &window);
            button->setObjectName(name);
        }
        const QStringList labels{QStringLiteral("windowBarLabel"), QStringLiteral("previewTitle"),
                                 QStringLiteral("bigLabel"), QStringLiteral("smallLabel"), QStringLiteral("help"),
                                 QStringLiteral("saveToLabel"), QStringLiteral("inputLabel"),
                                 QStringLiteral("labelTotalPages"), QStringLiteral("labelHigh"),
                                 QStringLiteral("messageText"), QStringLiteral("progressLabel"),
                                 QStringLiteral("settingsLabel"), QStringLiteral("settingsInputLabel"),
                                 QStringLiteral("textCheckBox"), QStringLiteral("labelTabBar")};
        for (const QString &name : labels) {
            auto *label = new QLabel(name, &window);
            label->setObjectName(name);
        }
        window.show();
        QCoreApplication::processEvents();
        QVERIFY2(g_styleWarnings.isEmpty(), qPrintable(g_styleWarnings.join(QLatin1Char('\n'))));
        auto *close = window.findChild<QPushButton *>(QStringLiteral("windowclose"));
        QVERIFY(close);
        QCOMPARE(close->width(), 28); // fixed by its rule
        auto *title = window.findChild<QLabel *>(QStringLiteral("previewTitle"));
        QCOMPARE(title->font().pixelSize(), 19);
    }

    // Every styled button of the program gets existing icons and valid
    // colours from the sheet through its qproperty- rules.
    void styledButtonsTakeTheirIconsAndColours()
    {
        const QStringList withIcons{
            QStringLiteral("buttonTabSplit"), QStringLiteral("buttonTabMerge"),
            QStringLiteral("buttonNavigateToSplit"), QStringLiteral("buttonNavigateToMerge"),
            QStringLiteral("buttonHelp"), QStringLiteral("buttonSettings"), QStringLiteral("buttonPreview"),
            QStringLiteral("buttonDelete"), QStringLiteral("buttonSplit"), QStringLiteral("buttonMerge"),
            QStringLiteral("buttonAddNormal"), QStringLiteral("buttonAddPage"), QStringLiteral("buttonSplitOk"),
            QStringLiteral("buttonSplitOpen"), QStringLiteral("buttonSplitMerge")};
        const QStringList textOnly{QStringLiteral("buttonSkip"), QStringLiteral("buttonNavigateToSite"),
                                   QStringLiteral("buttonSaveSettings")};
        QWidget window;
        for (const QString &name : withIcons + textOnly) {
            auto *button = new Button(name, &window);
            button->setObjectName(name);
        }
        auto *lastFolder = new ButtonDescription(&window);
        lastFolder->setObjectName(QStringLiteral("buttonLastFolder"));
        window.ensurePolished();
        for (Button *button : window.findChildren<Button *>()) {
            button->ensurePolished();
            const QString name = button->objectName();
            const bool hasIcons = withIcons.contains(name) || button == lastFolder;
            for (const QString &icon : {button->iconNormal(), button->iconHover(), button->iconPressed()}) {
                if (hasIcons)
                    QVERIFY2(!icon.isEmpty() && !QImage(icon).isNull(),
                             qPrintable(QStringLiteral("%1: icon \"%2\"").arg(name, icon)));
                else
                    QVERIFY2(icon.isEmpty(), qPrintable(name));
            }
            if (hasIcons)
                QVERIFY2(QImage(button->iconNormal()).size() == button->iconSize(),
                         qPrintable(name + QStringLiteral(": picture and icon size differ")));
            for (const QColor &colour : {button->colorTextNormal(), button->colorTextHover(), button->colorTextPressed(),
                                         button->colorTextChecked(), button->colorTextDisabled()})
                QVERIFY2(colour.isValid(), qPrintable(name + QStringLiteral(": text colour not set")));
        }
        auto *merge = window.findChild<Button *>(QStringLiteral("buttonMerge"));
        QCOMPARE(merge->iconAlignment(), Qt::Alignment(Qt::AlignLeft));
        QCOMPARE(merge->colorTextHover(), QColor(Qt::white));
        QCOMPARE(window.findChild<Button *>(QStringLiteral("buttonTabSplit"))->colorTextHover(), QColor(0x97, 0x34, 0x39));
        QCOMPARE(lastFolder->iconAlignment(), Qt::Alignment(Qt::AlignVCenter));
        QCOMPARE(lastFolder->iconPaddingLeft(), 2);
        QCOMPARE(lastFolder->iconPaddingRight(), 5);
        QCOMPARE(lastFolder->iconDisabled(), QStringLiteral(":/style/images/foldernormal.png"));
        QCOMPARE(lastFolder->colorDescriptionNormal(), QColor(0x65, 0x65, 0x65));
    }

    // A green button is drawn green with white text.
    void greenButtonLooksGreen()
    {
        Button button(QStringLiteral("SPLIT"));
        button.setObjectName(QStringLiteral("buttonSplit"));
        button.resize(151, 42);
        const QImage image = button.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        int green = 0;
        int white = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                green += (c.green() > 160 && c.red() < 170 && c.blue() < 120) ? 1 : 0;
                white += (c.red() > 240 && c.green() > 240 && c.blue() > 240) ? 1 : 0;
            }
        QVERIFY2(green > image.width() * image.height() / 2, qPrintable(QString::number(green)));
        QVERIFY2(white > 30, qPrintable(QString::number(white)));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestStyleSheet test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_stylesheet.moc"

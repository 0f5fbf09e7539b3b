#include "app/Application.h"
#include "widgets/Button.h"
#include "widgets/ButtonDescription.h"
#include "widgets/CheckBox.h"
#include "widgets/ComboBoxItemDelegate.h"
#include "widgets/Cover.h"
#include "widgets/FlowLayout.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QSpacerItem>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Writes a solid square PNG and returns its path.
QString solidIcon(const QTemporaryDir &dir, const QString &name, const QColor &color, int size = 30)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    image.save(path);
    return path;
}

bool near(const QColor &a, const QColor &b, int tolerance = 40)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

// Pixels of image close to color, and the leftmost and rightmost x of them.
struct ColorRun {
    int count = 0;
    int left = INT_MAX;
    int right = -1;
};
ColorRun findColor(const QImage &image, const QColor &color, int tolerance = 60)
{
    ColorRun run;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixelColor(x, y), color, tolerance)) {
                ++run.count;
                run.left = qMin(run.left, x);
                run.right = qMax(run.right, x);
            }
    return run;
}

// Records what the delegate asks the style to draw.
class RecordingStyle : public QProxyStyle
{
public:
    mutable QString text;
    mutable QStyle::State state;
    mutable int calls = 0;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_ItemViewItem) {
            ++calls;
            text = static_cast<const QStyleOptionViewItem *>(option)->text;
            state = option->state;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

class TestControls : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_icons;
    QString m_normal, m_hover, m_pressed, m_checked, m_disabled;

    // A button with one solid icon per state, left-aligned so the icon sits
    // at a known place.
    void dress(Button &button)
    {
        button.setIconNormal(m_normal);
        button.setIconHover(m_hover);
        button.setIconPressed(m_pressed);
        button.setIconChecked(m_checked);
        button.setIconDisabled(m_disabled);
        button.setIconSize(QSize(30, 30));
        button.setIconAlignment(Qt::AlignLeft);
        button.resize(200, 50);
    }
    QColor iconPixel(Button &button)
    {
        const QImage image = button.grab().toImage();
        return image.pixelColor(5 + 15, 24);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_icons.isValid());
        m_normal = solidIcon(m_icons, QStringLiteral("normal"), Qt::red);
        m_hover = solidIcon(m_icons, QStringLiteral("hover"), Qt::blue);
        m_pressed = solidIcon(m_icons, QStringLiteral("pressed"), Qt::green);
        m_checked = solidIcon(m_icons, QStringLiteral("checked"), Qt::yellow);
        m_disabled = solidIcon(m_icons, QStringLiteral("disabled"), Qt::magenta);
    }

    // --- Button: state choice ---------------------------------------------

    void iconOrderCheckedOverPressedOverHover()
    {
        Button button;
        dress(button);
        const QStyle::State enabled = QStyle::State_Enabled;
        QCOMPARE(button.iconForState(enabled), m_normal);
        QCOMPARE(button.iconForState(enabled | QStyle::State_MouseOver), m_hover);
        QCOMPARE(button.iconForState(enabled | QStyle::State_MouseOver | QStyle::State_Sunken), m_pressed);
        QCOMPARE(button.iconForState(enabled | QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_On),
                 m_checked);
        QCOMPARE(button.iconForState(QStyle::State_On), m_disabled);
    }

    void disabledWithoutDisabledIconKeepsStateIcon()
    {
        Button button;
        dress(button);
        button.setIconDisabled(QString());
        QCOMPARE(button.iconForState(QStyle::State_None), m_normal);
        QCOMPARE(button.iconForState(QStyle::State_On), m_checked);
    }

    void disabledTextColourEvenWhenUnset()
    {
        Button button;
        button.setColorTextNormal(Qt::red);
        button.setColorTextHover(Qt::blue);
        button.setColorTextPressed(Qt::green);
        button.setColorTextChecked(Qt::yellow);
        QCOMPARE(button.textColorForState(QStyle::State_Enabled), QColor(Qt::red));
        QCOMPARE(button.textColorForState(QStyle::State_Enabled | QStyle::State_MouseOver), QColor(Qt::blue));
        QCOMPARE(button.textColorForState(QStyle::State_Enabled | QStyle::State_MouseOver | QStyle::State_Sunken),
                 QColor(Qt::green));
        QCOMPARE(button.textColorForState(QStyle::State_Enabled | QStyle::State_On | QStyle::State_Sunken),
                 QColor(Qt::yellow));
        QVERIFY(!button.textColorForState(QStyle::State_On).isValid());
    }

    void optionFollowsWidgetState()
    {
        Button button;
        button.setCheckable(true);
        QStyleOptionButton option = button.buttonOption();
        QVERIFY(option.state & QStyle::State_Enabled);
        QVERIFY(option.state & QStyle::State_Raised);
        QVERIFY(!(option.state & (QStyle::State_Sunken | QStyle::State_On)));
        button.setDown(true);
        button.setChecked(true);
        option = button.buttonOption();
        QVERIFY(option.state & QStyle::State_Sunken);
        QVERIFY(option.state & QStyle::State_On);
        QVERIFY(!(option.state & QStyle::State_Raised));
        button.setEnabled(false);
        QVERIFY(!(button.buttonOption().state & QStyle::State_Enabled));
    }

    // --- Button: painting ---------------------------------------------------

    void paintsTheIconOfEachState()
    {
        Button button;
        dress(button);
        button.setCheckable(true);
        QVERIFY(near(iconPixel(button), Qt::red));
        button.setAttribute(Qt::WA_UnderMouse, true);
        QVERIFY(near(iconPixel(button), Qt::blue));
        button.setDown(true);
        QVERIFY(near(iconPixel(button), Qt::green));
        button.setDown(false);
        button.setChecked(true);   // checked wins over hover
        QVERIFY(near(iconPixel(button), Qt::yellow));
        button.setEnabled(false);
        QVERIFY(near(iconPixel(button), Qt::magenta));
    }

    void paintsTextInTheStateColour()
    {
        Button button(QStringLiteral("WWWWWW"));
        QFont font = button.font();
        font.setPixelSize(24);
        font.setBold(true);
        button.setFont(font);
        button.resize(220, 50);
        button.setColorTextNormal(QColor(255, 0, 0));
        button.setColorTextDisabled(QColor(0, 0, 255));
        QImage image = button.grab().toImage();
        QVERIFY(findColor(image, QColor(255, 0, 0)).count > 20);
        QCOMPARE(findColor(image, QColor(0, 0, 255)).count, 0);
        button.setEnabled(false);
        image = button.grab().toImage();
        QVERIFY(findColor(image, QColor(0, 0, 255)).count > 20);
        QCOMPARE(findColor(image, QColor(255, 0, 0)).count, 0);
    }

    void centredGroupGeometry()
    {
        Button button(QStringLiteral("Split"));
        button.setIconNormal(m_normal);
        button.setIconSize(QSize(30, 30));
        button.resize(201, 51);
        const QSize text = button.fontMetrics().size(Qt::TextShowMnemonic, button.text());
        const Button::Geometry g = button.geometryFor(m_normal);
        const double x0 = 100 - (text.width() + 30 + 5) * 0.5;
        QCOMPARE(g.icon, QRect(int(x0), 25 - 15, 30, 30));
        QCOMPARE(g.text.x(), x0 + 35);
        QCOMPARE(g.text.width(), double(text.width()));
        // The group is centred: as much room left of the icon as right of the text.
        QVERIFY(qAbs((g.icon.left() - 0) - (200 - g.text.right())) <= 2);
        // Without an icon the text takes the whole button.
        QCOMPARE(button.geometryFor(QString()).text, QRectF(button.rect()));
    }

    void leftAlignedGeometry()
    {
        Button button(QStringLiteral("OK"));
        button.setIconSize(QSize(30, 30));
        button.setIconAlignment(Qt::AlignVCenter);
        button.resize(120, 42);
        const Button::Geometry g = button.geometryFor(m_normal);
        QCOMPARE(g.icon, QRect(5, 20 - 15, 30, 30));
        QCOMPARE(g.text.x(), 35.0);
        QCOMPARE(g.text.width(), 120.0 - 35.0);
    }

    // --- Button: size hint -----------------------------------------------------

    void sizeHintContent()
    {
        Button empty;
        QCOMPARE(empty.contentSize().width(), 10);
        QCOMPARE(empty.contentSize().height(), empty.fontMetrics().size(Qt::TextShowMnemonic, QStringLiteral("XXXX")).height());

        Button iconOnly;
        iconOnly.setIconNormal(m_normal);
        iconOnly.setIconSize(QSize(30, 30));
        QCOMPARE(iconOnly.contentSize(), QSize(40, 30));

        Button withText(QStringLiteral("MERGE"));
        withText.setIconNormal(m_normal);
        withText.setIconSize(QSize(20, 20));
        const QSize text = withText.fontMetrics().size(Qt::TextShowMnemonic, withText.text());
        QCOMPARE(withText.contentSize(), QSize(30 + text.width(), qMax(20, text.height())));

        // The style adds its margins on top of the content.
        QStyleOptionButton option = iconOnly.buttonOption();
        option.rect.setSize(QSize(40, 30));
        QCOMPARE(iconOnly.sizeHint(),
                 iconOnly.style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(40, 30), &iconOnly)
                     .expandedTo(QApplication::globalStrut()));
    }

    void styleSheetSetsProperties()
    {
        QWidget parent;
        parent.setStyleSheet(QStringLiteral(
            "#probe { qproperty-iconNormal: \":/style/images/previewnormal.png\";"
            " qproperty-colorTextHover: #973439; qproperty-iconAlignment: AlignVCenter;"
            " qproperty-iconSize: 20px 20px; }"
            "#probeDescription { qproperty-iconPaddingLeft: 2; qproperty-iconPaddingRight: 5;"
            " qproperty-colorDescriptionDisabled: #656565; }"));
        auto *button = new Button(&parent);
        button->setObjectName(QStringLiteral("probe"));
        auto *description = new ButtonDescription(&parent);
        description->setObjectName(QStringLiteral("probeDescription"));
        button->ensurePolished();
        description->ensurePolished();
        QCOMPARE(button->iconNormal(), QStringLiteral(":/style/images/previewnormal.png"));
        QCOMPARE(button->colorTextHover(), QColor(QStringLiteral("#973439")));
        QCOMPARE(button->iconAlignment(), Qt::Alignment(Qt::AlignVCenter));
        QCOMPARE(button->iconSize(), QSize(20, 20));
        QCOMPARE(description->iconPaddingLeft(), 2);
        QCOMPARE(description->iconPaddingRight(), 5);
        QCOMPARE(description->colorDescriptionDisabled(), QColor(QStringLiteral("#656565")));
        QCOMPARE(description->textPadding(), 5);
    }

    // --- ButtonDescription -----------------------------------------------------

    void descriptionGeometryAndColours()
    {
        ButtonDescription button;
        QFont font = button.font();
        font.setPixelSize(20);
        font.setBold(true);
        button.setFont(font);
        button.setText(QStringLiteral("WWW"));
        button.setDescription(QStringLiteral("MMM"));
        button.setIconNormal(m_normal);
        button.setIconSize(QSize(30, 30));
        button.setIconAlignment(Qt::AlignVCenter);
        button.setIconPaddingLeft(2);
        button.setIconPaddingRight(5);
        button.setColorDescriptionNormal(QColor(0, 160, 0));
        button.setColorDescriptionDisabled(QColor(101, 101, 101));
        button.setColorTextNormal(QColor(0, 0, 255));
        button.resize(300, 50);

        const auto g = button.descriptionGeometryFor(m_normal);
        QCOMPARE(g.icon.x(), 2);
        QCOMPARE(g.description.x(), 2 + 30 + 5.0);
        QCOMPARE(g.text.x(), g.description.right() + 5);

        const QImage image = button.grab().toImage();
        const ColorRun icon = findColor(image, Qt::red, 20);
        const ColorRun description = findColor(image, QColor(0, 160, 0));
        const ColorRun text = findColor(image, QColor(0, 0, 255));
        QVERIFY(icon.count > 0 && description.count > 0 && text.count > 0);
        QVERIFY(icon.right < description.left);
        QVERIFY(description.right < text.left);
        QCOMPARE(button.descriptionColorForState(QStyle::State_None), QColor(101, 101, 101));
    }

    void descriptionWithoutIconDoesNotOverlap()
    {
        ButtonDescription button;
        button.setText(QStringLiteral("Last folder"));
        button.setDescription(QStringLiteral("Open"));
        button.resize(300, 40);
        const auto g = button.descriptionGeometryFor(QString());
        QVERIFY(g.icon.isNull());
        QVERIFY(g.description.right() < g.text.left());
    }

    void descriptionSizeHint()
    {
        ButtonDescription button;
        button.setIconNormal(m_normal);
        button.setIconSize(QSize(30, 30));
        button.setIconPaddingLeft(2);
        button.setIconPaddingRight(5);
        QCOMPARE(button.contentSize(), QSize(30 + 5 + 2 + 10, 30));
        button.setDescription(QStringLiteral("Last"));
        const QSize description = button.fontMetrics().size(Qt::TextShowMnemonic, QStringLiteral("Last"));
        QCOMPARE(button.contentSize(), QSize(47 + description.width() + 5, qMax(30, description.height())));
    }

    // --- CheckBox ----------------------------------------------------------------

    void checkBoxToggleByClickOnLabel()
    {
        CheckBox box;
        box.setText(QStringLiteral("Protect the merged file"));
        box.resize(box.sizeHint().width(), 40);
        box.show();
        QSignalSpy states(&box, &CheckBox::stateChanged);
        QLabel *label = box.findChild<QLabel *>(QStringLiteral("textCheckBox"));
        // One line, as wide as its text: a switch's words never wrap.
        QVERIFY(label && !label->wordWrap());
        QVERIFY(label->width() >= label->sizeHint().width());
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(box.checkState(), Qt::Checked);
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(box.checkState(), Qt::Unchecked);
        QCOMPARE(states.count(), 2);
        box.setCheckState(Qt::PartiallyChecked);   // by code: forwarded as well
        QCOMPARE(states.count(), 3);
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(box.checkState(), Qt::Checked);
        QCOMPARE(box.sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
        QCOMPARE(box.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    }

    void checkBoxMovedPressDoesNotToggle()
    {
        CheckBox box;
        box.resize(200, 40);
        QSignalSpy clicks(&box, &CheckBox::clicked);
        const QPoint at(150, 10);
        QMouseEvent press(QEvent::MouseButtonPress, at, box.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&box, &press);
        const QPoint moved(151, 10);
        QMouseEvent release(QEvent::MouseButtonRelease, moved, box.mapToGlobal(moved), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &release);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(box.checkState(), Qt::Unchecked);
        // A right-button press and release in place does nothing either.
        QMouseEvent rightPress(QEvent::MouseButtonPress, at, box.mapToGlobal(at), Qt::RightButton,
                               Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &rightPress);
        QMouseEvent rightRelease(QEvent::MouseButtonRelease, at, box.mapToGlobal(at), Qt::RightButton,
                                 Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &rightRelease);
        QCOMPARE(clicks.count(), 0);
    }

    // --- Cover ------------------------------------------------------------------

    void coverScalesToFit()
    {
        Cover cover;
        QCOMPARE(cover.objectName(), QStringLiteral("cover"));
        QCOMPARE(cover.size(), QSize(75, 100));
        QImage page(200, 100, QImage::Format_RGB32);
        page.fill(Qt::white);
        cover.setCover(Cover::CoverImage, QPixmap::fromImage(page));
        QCOMPARE(cover.imageLabel()->pixmap(Qt::ReturnByValue).size(), QSize(70, 35));
        QCOMPARE(cover.imageLabel()->minimumSize(), QSize(70, 35));
        QCOMPARE(cover.imageLabel()->maximumSize(), QSize(70, 35));

        QImage portrait(100, 200, QImage::Format_RGB32);
        portrait.fill(Qt::white);
        cover.setCover(Cover::CoverImage, QPixmap::fromImage(portrait));
        const QSize scaled = cover.imageLabel()->pixmap(Qt::ReturnByValue).size();
        QCOMPARE(scaled.height(), 95);
        QVERIFY(qAbs(scaled.width() - 47) <= 1);
    }

    void coverLockedAndEmpty()
    {
        Cover cover;
        cover.setCover(Cover::CoverLocked);
        QCOMPARE(cover.imageLabel()->maximumSize(), QSize(30, 39));
        QVERIFY(!cover.imageLabel()->hasScaledContents());
        cover.setCover(Cover::CoverImage, QPixmap());
        QVERIFY(cover.imageLabel()->pixmap(Qt::ReturnByValue).isNull());
        QImage page(10, 10, QImage::Format_RGB32);
        page.fill(Qt::white);
        cover.setCover(Cover::CoverImage, QPixmap::fromImage(page));
        cover.setCover(Cover::CoverEmpty);
        QVERIFY(cover.imageLabel()->pixmap(Qt::ReturnByValue).isNull());
    }

    // --- FlowLayout ----------------------------------------------------------------

    void flowWrapsIntoRows()
    {
        QWidget host;
        auto *flow = new FlowLayout(&host, 0, 10, 10);
        QList<QWidget *> items;
        for (int i = 0; i < 3; ++i) {
            auto *item = new QWidget;
            item->setFixedSize(40, 20);
            flow->addWidget(item);
            items << item;
        }
        flow->setGeometry(QRect(0, 0, 100, 200));
        QCOMPARE(items[0]->geometry(), QRect(0, 0, 40, 20));
        QCOMPARE(items[1]->geometry(), QRect(50, 0, 40, 20));
        QCOMPARE(items[2]->geometry(), QRect(0, 30, 40, 20));
        QVERIFY(flow->hasHeightForWidth());
        QCOMPARE(flow->heightForWidth(100), 50);
        QCOMPARE(flow->heightForWidth(150), 20);   // all three fit in one row
        QCOMPARE(flow->heightForWidth(30), 80);    // one per row, even when too wide
        QCOMPARE(flow->horizontalSpacing(), 10);
        QCOMPARE(flow->verticalSpacing(), 10);
        QCOMPARE(flow->expandingDirections(), Qt::Orientations());
    }

    void flowMarginsAndSizes()
    {
        QWidget host;
        auto *flow = new FlowLayout(&host, 5, 10, 10);
        auto *small = new QWidget;
        small->setMinimumSize(30, 10);
        auto *tall = new QWidget;
        tall->setMinimumSize(10, 40);
        flow->addWidget(small);
        flow->addWidget(tall);
        QCOMPARE(flow->minimumSize(), QSize(40, 50));
        QCOMPARE(flow->sizeHint(), flow->minimumSize());
        QCOMPARE(flow->count(), 2);
        QVERIFY(!flow->itemAt(2));
        QVERIFY(!flow->takeAt(-1));
        QLayoutItem *taken = flow->takeAt(0);
        QCOMPARE(taken->widget(), small);
        QCOMPARE(flow->count(), 1);
        delete taken;
    }

    void flowStyleSpacingWithSpacer()
    {
        QWidget host;
        auto *flow = new FlowLayout(&host, 0, -1, -1);
        flow->addItem(new QSpacerItem(10, 10));
        auto *item = new QWidget;
        item->setFixedSize(20, 20);
        flow->addWidget(item);
        flow->setGeometry(QRect(0, 0, 400, 100));
        QVERIFY(item->geometry().left() >= 10);
        QCOMPARE(item->geometry().top(), 0);
    }

    // --- ComboBoxItemDelegate ------------------------------------------------------

    void delegateShowsColumnZeroWithoutFocus()
    {
        QStandardItemModel model(1, 2);
        model.setData(model.index(0, 0), QStringLiteral("/home/user/Out"));
        model.setData(model.index(0, 1), QStringLiteral("Select folder..."));
        QWidget view;
        auto *style = new RecordingStyle;
        view.setStyle(style);
        ComboBoxItemDelegate delegate;
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.widget = &view;
        option.rect = QRect(0, 0, 200, 20);
        option.state |= QStyle::State_HasFocus | QStyle::State_Selected;
        QImage image(200, 20, QImage::Format_ARGB32);
        QPainter painter(&image);
        delegate.paint(&painter, option, model.index(0, 1));
        QCOMPARE(style->calls, 1);
        QCOMPARE(style->text, QStringLiteral("/home/user/Out"));
        QVERIFY(!(style->state & QStyle::State_HasFocus));
        QVERIFY(style->state & QStyle::State_Selected);
        view.setStyle(nullptr);
        delete style;
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestControls test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_controls.moc"

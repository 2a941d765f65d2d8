#include "ThemeColours.h"
#include "form/MainForm.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <optional>

namespace faktorlupe {
namespace {

// The layout in pixels (twips divided by 15), worked out by hand from the design.
struct Expected {
    const char* name;
    const char* className;
    QRect geometry;
    const char* family;
    double pointSize;
    const char* text;
    Qt::Alignment horizontal;
    std::optional<QColor> background;
    std::optional<QColor> textColour;
};

const QColor kPaleYellow(255, 255, 128);
const QColor kPaleCyan(128, 255, 255);
const QColor kNavy(0, 0, 128);
constexpr auto kLeft = Qt::AlignLeft;
constexpr auto kCentre = Qt::AlignHCenter;

const Expected kLayout[] = {
    {"txtEingabe",
     "QLineEdit",
     {32, 48, 401, 41},
     "Times New Roman",
     24,
     "717313",
     kCentre,
     kPaleYellow,
     {}},
    {"Label1", "QLabel", {32, 8, 401, 33}, "Times New Roman", 18, "Eingabe", kLeft, {}, {}},
    {"cmdAlle",
     "QPushButton",
     {32, 112, 401, 41},
     "Times New Roman",
     18,
     "Algorithmus >alle<",
     kLeft,
     {},
     {}},
    {"cmdHalbe",
     "QPushButton",
     {32, 272, 401, 41},
     "Times New Roman",
     18,
     "Algorithmus >Hälfte<",
     kLeft,
     {},
     {}},
    {"cmdWurzel",
     "QPushButton",
     {32, 432, 401, 41},
     "Times New Roman",
     18,
     "Algorithmus >Wurzel<",
     kLeft,
     {},
     {}},
    {"txtAlle", "QPlainTextEdit", {32, 152, 817, 91}, "Times New Roman", 18, "", kLeft, {}, kNavy},
    {"txtZeitAlle",
     "QLineEdit",
     {432, 112, 417, 41},
     "Times New Roman",
     18,
     "",
     kLeft,
     kPaleCyan,
     {}},
    {"txtHalbe", "QPlainTextEdit", {32, 312, 817, 91}, "Times New Roman", 18, "", kLeft, {}, kNavy},
    {"txtWurzel",
     "QPlainTextEdit",
     {32, 472, 817, 91},
     "Times New Roman",
     18,
     "",
     kLeft,
     {},
     kNavy},
    {"txtZeitHalbe",
     "QLineEdit",
     {432, 272, 417, 41},
     "Times New Roman",
     18,
     "",
     kLeft,
     kPaleCyan,
     {}},
    {"txtZeitWurzel",
     "QLineEdit",
     {432, 432, 417, 41},
     "Times New Roman",
     18,
     "",
     kLeft,
     kPaleCyan,
     {}},
    {"Command1", "QPushButton", {832, 96, 17, 17}, "MS Sans Serif", 9.75, "x", kLeft, {}, {}},
    {"Command2", "QPushButton", {832, 256, 17, 17}, "MS Sans Serif", 9.75, "x", kLeft, {}, {}},
    {"Label2", "QLabel", {440, 56, 401, 33}, "Times New Roman", 18, "Sekunden", kCentre, {}, {}},
    {"Command3", "QPushButton", {832, 416, 17, 17}, "MS Sans Serif", 9.75, "x", kLeft, {}, {}},
};

QString textOf(const QWidget& widget) {
    if (const auto* w = qobject_cast<const QLineEdit*>(&widget))
        return w->text();
    if (const auto* w = qobject_cast<const QPlainTextEdit*>(&widget))
        return w->toPlainText();
    if (const auto* w = qobject_cast<const QPushButton*>(&widget))
        return w->text();
    return qobject_cast<const QLabel*>(&widget)->text();
}

std::optional<Qt::Alignment> horizontalAlignmentOf(const QWidget& widget) {
    if (const auto* w = qobject_cast<const QLineEdit*>(&widget))
        return w->alignment() & Qt::AlignHorizontal_Mask;
    if (const auto* w = qobject_cast<const QLabel*>(&widget))
        return w->alignment() & Qt::AlignHorizontal_Mask;
    return std::nullopt;
}

class LayoutTest : public ::testing::TestWithParam<Expected> {};

TEST_P(LayoutTest, ControlMatchesTheDesign) {
    const Expected& expected = GetParam();
    MainForm form;
    const auto* widget = form.findChild<QWidget*>(expected.name);
    ASSERT_NE(widget, nullptr) << expected.name;
    EXPECT_STREQ(widget->metaObject()->className(), expected.className);
    EXPECT_EQ(widget->parentWidget(), form.centralWidget());
    EXPECT_EQ(widget->geometry(), expected.geometry);
    EXPECT_EQ(widget->font().family(), QString::fromUtf8(expected.family));
    EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), expected.pointSize);
    EXPECT_FALSE(widget->font().bold() || widget->font().italic() || widget->font().underline() ||
                 widget->font().strikeOut());
    EXPECT_EQ(textOf(*widget), QString::fromUtf8(expected.text));
    if (const auto alignment = horizontalAlignmentOf(*widget)) {
        EXPECT_EQ(*alignment, expected.horizontal);
    }
    if (expected.background) {
        EXPECT_EQ(widget->palette().color(QPalette::Base), *expected.background);
    }
    if (expected.textColour) {
        EXPECT_EQ(widget->palette().color(QPalette::Text), *expected.textColour);
    }
    EXPECT_TRUE(widget->isEnabled());
    // The client area holds every control whole.
    EXPECT_TRUE(QRect(0, 0, 870, 589).contains(widget->geometry()));
}

INSTANTIATE_TEST_SUITE_P(Form, LayoutTest, ::testing::ValuesIn(kLayout),
                         [](const auto& info) { return std::string(info.param.name); });

// The height of the status line under the form at the designed size.
int statusLineHeight(const MainForm& form) {
    return form.statusBar()->sizeHint().height();
}

TEST(FormTest, WindowHasTheDesignedClientAreaAndTitle) {
    MainForm form;
    const int status = statusLineHeight(form);
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.windowTitle(), "Faktorlupe");
    // The form at its designed size, and the status line below it.
    EXPECT_EQ(form.centralWidget()->geometry(), QRect(0, 0, 870, 589));
    EXPECT_GT(status, 10);
    EXPECT_EQ(form.statusBar()->geometry(), QRect(0, 589, 870, status));
    // Resizable down to six tenths of the design, where the texts are still readable.
    EXPECT_EQ(form.minimumSize(), QSize(522, static_cast<int>(std::ceil((589 + status) * 0.6))));
    EXPECT_GT(form.maximumSize().width(), 870 * 4);
    const QList<QSize> iconSizes = form.windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(48, 48)) && iconSizes.contains(QSize(96, 96)));
}

// Run once as it is and once with QT_SCALE_FACTOR=2: the layout stays in device-independent
// pixels, and the window is drawn at the full resolution of the device.
TEST(FormTest, DrawsAtTheDevicePixelRatio) {
    MainForm form;
    form.show();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(form.devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    const QPixmap drawn = form.centralWidget()->grab();
    EXPECT_EQ(drawn.devicePixelRatio(), form.devicePixelRatioF());
    EXPECT_EQ(drawn.size(), QSize(870, 589) * form.devicePixelRatioF());
    EXPECT_EQ(form.centralWidget()->size(), QSize(870, 589));
}

// The whole form scales by the smaller of width/870 and height/589 (the status line's own share
// of the height set aside) and stays centred: every
// control's edges are its designed edges times the factor, rounded, and so is its font.
struct Scaling {
    const char* name;
    QSize frame;
    double factor;
    QPoint origin;
};

class ScalingTest : public ::testing::TestWithParam<Scaling> {};

TEST_P(ScalingTest, ControlsScaleByOneFactor) {
    const Scaling& scaling = GetParam();
    MainForm form;
    // The frame holds the form and the status line, which scales with it.
    const int status = static_cast<int>(std::lround(statusLineHeight(form) * scaling.factor));
    form.show();
    form.resize(scaling.frame + QSize(0, status));
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(form.scaleFactor(), scaling.factor);
    EXPECT_EQ(form.statusBar()->height(), status);
    EXPECT_DOUBLE_EQ(form.statusBar()->font().pointSizeF(), 11 * scaling.factor);
    for (const char* name : {"txtEingabe", "cmdWurzel", "txtZeitHalbe", "txtWurzel", "Command3"}) {
        const Expected& expected =
            *std::find_if(std::begin(kLayout), std::end(kLayout),
                          [&](const Expected& row) { return std::strcmp(row.name, name) == 0; });
        const auto edge = [&](int pixels) {
            return static_cast<int>(std::lround(pixels * scaling.factor));
        };
        const QRect designed = expected.geometry;
        const QRect scaled(QPoint(edge(designed.left()), edge(designed.top())) + scaling.origin,
                           QPoint(edge(designed.right() + 1), edge(designed.bottom() + 1)) +
                               scaling.origin - QPoint(1, 1));
        const auto* widget = form.findChild<QWidget*>(name);
        EXPECT_EQ(widget->geometry(), scaled) << name;
        EXPECT_DOUBLE_EQ(widget->font().pointSizeF(), expected.pointSize * scaling.factor) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Form, ScalingTest,
    ::testing::Values(Scaling{"Designed", {870, 589}, 1, {0, 0}},
                      Scaling{"OneAndAHalf", {1305, 884}, 1.5, {0, 0}},
                      Scaling{"SevenTenths", {609, 413}, 0.7, {0, 0}},
                      Scaling{"WideFrameCentresTheForm", {1740, 589}, 1, {435, 0}},
                      Scaling{"TallFrameCentresTheForm", {870, 789}, 1, {0, 100}}),
    [](const auto& info) { return std::string(info.param.name); });

// Under a light and under a dark desktop theme every box's text stays readable on its
// background: at least 4.5 to 1.
class ThemeContrastTest : public ::testing::TestWithParam<bool> {};

TEST_P(ThemeContrastTest, EveryBoxIsReadable) {
    const QPalette saved = QApplication::palette();
    if (GetParam()) {
        QApplication::setPalette(darkThemePalette());
    }
    {
        MainForm form;
        const Controls& c = form.controls();
        for (const QWidget* box : std::initializer_list<const QWidget*>{
                 c.txtEingabe, c.txtAlle, c.txtZeitAlle, c.txtHalbe, c.txtZeitHalbe, c.txtWurzel,
                 c.txtZeitWurzel}) {
            const QPalette& palette = box->palette();
            EXPECT_GE(contrast(palette.color(QPalette::Text), palette.color(QPalette::Base)), 4.5)
                << box->objectName().toStdString();
        }
    }
    QApplication::setPalette(saved);
}

INSTANTIATE_TEST_SUITE_P(Form, ThemeContrastTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Dark" : "Light"; });

TEST(FormTest, TimesNewRomanIsDrawnWithItsMetricCompatibleSubstitute) {
    MainForm form;
    const QFontInfo drawn(form.controls().txtEingabe->font());
    EXPECT_TRUE(drawn.family() == "Times New Roman" || drawn.family() == "Liberation Serif")
        << drawn.family().toStdString() << " (is fonts-liberation2 installed?)";
}

TEST(FormTest, ResultBoxesWrapAndScrollVertically) {
    MainForm form;
    const Controls& c = form.controls();
    for (const QPlainTextEdit* box : {c.txtAlle, c.txtHalbe, c.txtWurzel}) {
        EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_FALSE(box->isReadOnly());
        EXPECT_FALSE(box->accessibleName().isEmpty());
    }
}

TEST(FormTest, SingleLineBoxesHaveNoLengthLimit) {
    MainForm form;
    const Controls& c = form.controls();
    const QString longText(40000, QLatin1Char('7'));
    for (QLineEdit* box : {c.txtEingabe, c.txtZeitAlle, c.txtZeitHalbe, c.txtZeitWurzel}) {
        box->setText(longText);
        EXPECT_EQ(box->text().size(), longText.size());
        EXPECT_FALSE(box->isReadOnly());
        EXPECT_FALSE(box->accessibleName().isEmpty());
    }
}

TEST(FormTest, TabOrderFollowsTheDesignAndFocusStartsInTheInput) {
    MainForm form;
    form.show();
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(QApplication::focusWidget(), form.controls().txtEingabe);

    QStringList order;
    QWidget* widget = form.controls().txtEingabe;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != form.controls().txtEingabe);
    EXPECT_EQ(order, QStringList({"txtEingabe", "cmdAlle", "cmdHalbe", "cmdWurzel", "txtAlle",
                                  "txtZeitAlle", "txtHalbe", "txtWurzel", "txtZeitHalbe",
                                  "txtZeitWurzel", "Command1", "Command2", "Command3"}));
}

} // namespace
} // namespace faktorlupe

#include "desktop/FocusFrame.h"

#include "ThemeColours.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace faktorlupe {
namespace {

// The control with the focus is framed two pixels wide in the highlight colour, all round and
// above its own drawing; the frame moves on with the focus and grows with the control.
TEST(FocusFrameTest, FramesTheFocusedControlInTheHighlightColour) {
    static const bool shown = (showFocusFrames(), true);
    (void)shown;
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("x"), &window);
    auto* box = new QPlainTextEdit(&window);
    auto* line = new QLineEdit(&window);
    button->setGeometry(10, 10, 17, 17);
    box->setGeometry(10, 40, 200, 60);
    line->setGeometry(10, 110, 200, 30);
    window.resize(240, 160);
    window.show();
    QApplication::setActiveWindow(&window);
    const QColor highlight = focusFrameColour(window.palette());
    // Each of the frame's edges, two pixels deep, and the control's inside left as it was drawn.
    const auto framed = [&](QWidget* control) {
        control->setFocus();
        QApplication::processEvents();
        const QImage drawn = window.grab().toImage();
        const QRect r = control->geometry();
        for (const QPoint edge : {r.topLeft(), r.topLeft() + QPoint(1, 1), r.bottomRight(),
                                  r.bottomRight() - QPoint(1, 1), QPoint(r.left(), r.center().y()),
                                  QPoint(r.right(), r.center().y())})
            if (drawn.pixelColor(edge) != highlight)
                return false;
        return drawn.pixelColor(r.topLeft() + QPoint(3, 3)) != highlight;
    };
    EXPECT_TRUE(framed(button));
    EXPECT_TRUE(framed(box));
    EXPECT_TRUE(framed(line));
    line->resize(120, 40);
    EXPECT_TRUE(framed(line));
    // Only one control at a time.
    const QImage drawn = window.grab().toImage();
    EXPECT_NE(drawn.pixelColor(box->geometry().topLeft() + QPoint(0, 1)), highlight);
}

struct Theme {
    const char* name;
    QColor window;
    QColor highlight;
};

// Fusion's light colours, GNOME's Adwaita dark (a dark blue highlight on dark grey, 2 to 1)
// and a pale highlight on white.
const Theme kThemes[] = {
    {"FusionLight", QColor(0xef, 0xef, 0xef), QColor(0x30, 0x8c, 0xc6)},
    {"AdwaitaDark", QColor(0x35, 0x35, 0x35), QColor(0x15, 0x53, 0x9e)},
    {"PaleOnWhite", QColor(0xff, 0xff, 0xff), QColor(0xcc, 0xe8, 0xff)},
};

class FocusFrameColourTest : public ::testing::TestWithParam<Theme> {};

TEST_P(FocusFrameColourTest, StandsOutFromTheWindow) {
    QPalette palette;
    palette.setColor(QPalette::Window, GetParam().window);
    palette.setColor(QPalette::Highlight, GetParam().highlight);
    EXPECT_GE(contrast(focusFrameColour(palette), GetParam().window), 3);
}

INSTANTIATE_TEST_SUITE_P(Desktop, FocusFrameColourTest, ::testing::ValuesIn(kThemes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace faktorlupe

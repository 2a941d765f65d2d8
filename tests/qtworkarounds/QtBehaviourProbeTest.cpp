// Probes of the Qt behaviours that qtworkarounds/ mends, on Qt's own widgets without any of the
// mends installed. Each passes while Qt still behaves so; once one fails, this Qt has mended it
// itself, and the file the probe names can go.
#include "FleetingData.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {

// qtworkarounds/LineEditAccessible.h: a screen reader joins attribute runs of no length one
// character short ("71731" for 717313).
TEST(QtBehaviourProbe, LineBoxReportsAttributeRunsOfNoLength) {
    QLineEdit box(QStringLiteral("717313"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
    ASSERT_NE(accessible, nullptr);
    ASSERT_NE(accessible->textInterface(), nullptr);
    for (int offset : {0, 3, 5}) {
        int start = -1;
        int end = -1;
        accessible->textInterface()->attributes(offset, &start, &end);
        EXPECT_EQ(start, end) << "at " << offset;
    }
}

// qtworkarounds/PasteGuard.h: handed clipboard data without a single format (here: read once
// before, as a program that quit leaves it), a multi-line box takes the first format of the
// empty list.
TEST(QtBehaviourProbeDeathTest, MultiLineBoxCrashesOnDataWithoutAFormat) {
    EXPECT_DEATH(
        {
            QPlainTextEdit box;
            QApplication::clipboard()->setMimeData(new FleetingData);
            (void)QApplication::clipboard()->text();
            box.paste();
        },
        "");
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

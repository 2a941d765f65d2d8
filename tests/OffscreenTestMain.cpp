// Widget tests run on Qt's offscreen platform: real widgets, no display, in an application
// prepared for the desktop as both programs prepare theirs.
#include "desktop/DesktopApplication.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    faktorlupe::prepareDesktopApplication(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

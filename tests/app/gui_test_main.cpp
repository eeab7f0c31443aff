// The window tests run without a display: Qt's offscreen platform, unless told otherwise.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/application.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    tambrel::initialiseApplication();
    return RUN_ALL_TESTS();
}

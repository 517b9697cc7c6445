#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/qt_front_end.h"

// One QApplication for every test, on the offscreen platform unless told otherwise.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    lwviz::qt::prepareApplication();
    return RUN_ALL_TESTS();
}

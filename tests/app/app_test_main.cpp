// The dialog tests need a QApplication, so they bring their own main. CTest
// sets the offscreen platform; running the binary by hand (or for test
// discovery) gets it here too, so no display is ever needed.
#include <QApplication>

#include <gtest/gtest.h>

#include "submit/registration.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    tavimor::InitHttpClient();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

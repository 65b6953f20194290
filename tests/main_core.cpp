// Core suites run on a QGuiApplication: pictures and text documents need QtGui.
#include <QGuiApplication>
#include "support/TestFiles.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KeepTestsAtHome();
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

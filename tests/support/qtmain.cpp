// SPDX-License-Identifier: MIT
#include <QApplication>
#include <gtest/gtest.h>

// Drawing text on an image needs a GUI application, widgets a full one; off screen, so tests need
// no display.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

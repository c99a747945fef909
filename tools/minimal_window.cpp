// SPDX-License-Identifier: MIT
// The yardstick for the program's start-up: the least a Qt Widgets program does to show a window,
// one label in it.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Fourier"));
    label.show();
    return QApplication::exec();
}

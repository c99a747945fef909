#include "form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    fourier::Form1 form;
    form.show();
    return QApplication::exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick: a bare Qt Widgets program showing one 640 x 480 window.
#include "firstframe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    reportFirstFrame(app);
    QWidget window;
    window.resize(640, 480);
    window.show();
    return app.exec();
}

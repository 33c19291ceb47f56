// SPDX-License-Identifier: GPL-3.0-or-later
// A second yardstick: the bare 640 x 480 window with one line of text on it, which is what starting
// the font system costs any program that shows words.
#include "firstframe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    reportFirstFrame(app);
    QLabel window(QStringLiteral("Lapinar"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The real floor: the lesson's first screen as plain Qt widgets and nothing of the lesson's code. The
// same window on the same grey, its title and texts in the same family and pixel sizes at the same
// places, its picture and its two picture buttons at the same sizes, and its caption button; what the
// lesson takes beyond this is the cost of its own code.
//   bench_bare_first_screen [PICTURE-FOLDER]
// Its pictures are drawn from the lesson's SVG files through Qt's SVG image plug-in, as on a pupil's
// first start. Given a folder, it reads them from there instead, as the raw pixels a QImage holds (the
// cheapest way to give Qt a picture), as the lesson reads back the pictures it kept; a picture not
// there yet is drawn and written there (by the benchmark's warm-up run, not a measured one).
#include "firstframe.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace {

QString g_kept;

QPixmap picture(const QString &name, const QSize &size)
{
    QFile kept(QStringLiteral("%1/%2-%3x%4.argb32").arg(g_kept, name).arg(size.width()).arg(size.height()));
    const qsizetype bytes = qsizetype(size.width()) * size.height() * 4;
    if (!g_kept.isEmpty() && kept.open(QIODevice::ReadOnly) && kept.size() == bytes) {
        const QByteArray pixels = kept.readAll();
        return QPixmap::fromImage(QImage(reinterpret_cast<const uchar *>(pixels.constData()), size.width(),
                                         size.height(), QImage::Format_ARGB32_Premultiplied));
    }
    QImageReader reader(QStringLiteral(LAPINAR_ASSETS_DIR "/%1.svg").arg(name));
    reader.setScaledSize(size);
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    kept.close();
    if (!g_kept.isEmpty() && kept.open(QIODevice::WriteOnly))
        kept.write(reinterpret_cast<const char *>(image.constBits()), bytes);
    return QPixmap::fromImage(image);
}

// The lesson's places are in twips, 15 to a pixel at 640 x 480; its fonts in points at 96 dpi.
QRect at(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, (left + width) / 15 - left / 15, (top + height) / 15 - top / 15);
}

QFont font(double points)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(qRound(points * 96 / 72));
    return f;
}

void text(QWidget *window, const QString &words, double points, const QRect &place)
{
    auto *label = new QLabel(words, window);
    label->setFont(font(points));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(place);
}

void pictureButton(QWidget *window, const QString &name, const QRect &place)
{
    auto *button = new QPushButton(window);
    button->setGeometry(place);
    const QSize face = place.size() - QSize(6, 6);
    button->setIcon(QIcon(picture(name, face)));
    button->setIconSize(face);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    reportFirstFrame(app);
    if (argc > 1) {
        g_kept = QString::fromLocal8Bit(argv[1]);
        QDir().mkpath(g_kept);
    }
    QWidget window;
    window.resize(640, 480);
    window.setAutoFillBackground(true);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    window.setPalette(palette);

    auto *title = new QLabel(QStringLiteral("Lapinar"), &window);
    title->setFont(font(48.75));
    title->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    title->setGeometry(at(2760, 360, 3495, 975));
    text(&window, QStringLiteral("You are a scientist in charge of an island."), 18, at(600, 1800, 7695, 495));
    text(&window, QStringLiteral("Your job is to find out about rabbit populations."), 18, at(600, 2280, 8055, 615));
    text(&window,
         QStringLiteral("You are going to do an experiment to find out how rabbit numbers change on the island."), 18,
         at(4200, 3480, 4455, 1695));
    auto *rabbit = new QLabel(&window);
    rabbit->setGeometry(at(600, 3360, 3135, 2775));
    rabbit->setPixmap(picture(QStringLiteral("rabbit_on_grass"), rabbit->size()));
    pictureButton(&window, QStringLiteral("question"), at(7560, 360, 1005, 1005));
    pictureButton(&window, QStringLiteral("stop"), at(6120, 5880, 1215, 615));
    auto *next = new QPushButton(QStringLiteral(">>"), &window);
    next->setFont(font(9.75));
    next->setGeometry(at(7560, 5880, 1215, 615));
    window.show();
    return app.exec();
}

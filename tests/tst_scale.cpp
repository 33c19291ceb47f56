// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson scaled to fit larger displays: one scale, through the one twips conversion.
#include "artwork.h"
#include "dialogs.h"
#include "keptpictures.h"
#include "lessonscreen.h"
#include "lessonstyle.h"
#include "testsupport.h"
#include "twips.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <sys/stat.h>

class ScaleTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Twips::setScale(1.0); }
    void scaleChosenForTheDisplay_data();
    void scaleChosenForTheDisplay();
    void controlsAndFontsFollowTheScale_data();
    void controlsAndFontsFollowTheScale();
    void picturesAreRenderedAtTheirScaledSize();
    void everyPictureIsDrawnFromItsOwnFile();
    void keptPicturesAreReadBackOnlyWhenTheyFit_data();
    void keptPicturesAreReadBackOnlyWhenTheyFit();
    void keptPicturesFolderStaysSmall();
    void everyScreensTextsAndTargetsAt640x480_data();
    void everyScreensTextsAndTargetsAt640x480();
};

namespace {

// The contrast of two colours as the accessibility guidelines measure it, from 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour most of a stretch of the drawn screen has: what a text or a ring stands on.
QColor commonest(const QImage &image, const QRect &rect)
{
    QHash<QRgb, int> counts;
    const qreal ratio = image.devicePixelRatio();
    const QRect inside =
        QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio).toAlignedRect().intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            best = it.key(), most = it.value();
    return QColor(best);
}

} // namespace

void ScaleTest::everyScreensTextsAndTargetsAt640x480_data()
{
    // What falls short is the lesson's own fixed look, kept as it is: each line names the text or
    // control and the contrast or size measured. Text at 4.5:1 against what it stands on, the
    // focus ring at 3:1 against what it is drawn over, and every click target at least 24 x 24
    // pixels (the results table's cells are smaller).
    QTest::addColumn<int>("screen");
    QTest::addColumn<QStringList>("shortfalls");
    QStringList cells;
    for (int year = 0; year <= 9; ++year)
        cells << QStringLiteral("target \"Rabbits in year %1\" 32 x 16").arg(year);
    for (int id = 0; id < ScreenCount; ++id)
        QTest::newRow(qPrintable(screenName(ScreenId(id))))
            << id << (ScreenId(id) == ScreenId::GraphForm ? cells : QStringList());
}

void ScaleTest::everyScreensTextsAndTargetsAt640x480()
{
    QFETCH(int, screen);
    QFETCH(QStringList, shortfalls);
    Twips::setScale(1.0);
    TestLesson t;
    t.lesson.state.ResetCounts();
    t.lesson.state.FillQuestions();
    t.lesson.chain.show(ScreenId(screen));
    LessonScreen *shown = t.lesson.chain.screen(ScreenId(screen));
    QVERIFY(shown->isVisible());
    const QImage drawn = shown->grab().toImage();

    // The ring's colour as the lesson's style draws it.
    QImage ringImage(8, 8, QImage::Format_RGB32);
    ringImage.fill(Qt::white);
    {
        QPainter painter(&ringImage);
        LessonStyle::drawFocusRing(&painter, ringImage.rect());
    }
    const QColor ring = ringImage.pixelColor(0, 0);

    QStringList found;
    QStringList measured;
    for (QWidget *w : shown->findChildren<QWidget *>()) {
        // A control that cannot be used yet is exempt, and greyed.
        if (!w->isVisibleTo(shown) || w->size().isEmpty() || !w->isEnabled())
            continue;
        const QRect rect(w->mapTo(shown, QPoint(0, 0)), w->size());
        QString text;
        if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull())
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            text = button->text();
        else if (auto *field = qobject_cast<QLineEdit *>(w))
            text = field->accessibleName();
        const QString name = (text.isEmpty() ? w->accessibleName() : text).simplified().left(30);
        if (!text.trimmed().isEmpty()) {
            const QColor ink = w->palette().color(w->foregroundRole());
            const double ratio = contrast(ink, commonest(drawn, rect.adjusted(1, 1, -1, -1)));
            measured << QStringLiteral("text %1 %2:1").arg(name).arg(ratio, 0, 'f', 1);
            if (ratio < 4.5)
                found << QStringLiteral("text \"%1\" %2:1").arg(name).arg(ratio, 0, 'f', 1);
        }
        if (w->focusPolicy() & Qt::TabFocus) {
            // The ring lies just inside the control, over its face, or round a burrow.
            const double ratio = contrast(ring, commonest(drawn, rect.adjusted(1, 1, -1, -1)));
            measured << QStringLiteral("ring %1 %2:1").arg(name).arg(ratio, 0, 'f', 1);
            if (ratio < 3)
                found << QStringLiteral("ring on \"%1\" %2:1").arg(name).arg(ratio, 0, 'f', 1);
            measured << QStringLiteral("target %1 %2x%3").arg(name).arg(w->width()).arg(w->height());
            if (w->width() < 24 || w->height() < 24)
                found << QStringLiteral("target \"%1\" %2 x %3").arg(name).arg(w->width()).arg(w->height());
        }
    }
    qInfo().noquote() << screenName(ScreenId(screen)) << measured.join(QStringLiteral("; "));
    found.sort();
    shortfalls.sort();
    QCOMPARE(found, shortfalls);
}

void ScaleTest::scaleChosenForTheDisplay_data()
{
    QTest::addColumn<QSize>("available");
    QTest::addColumn<double>("scale");
    QTest::newRow("640x480 keeps the original geometry") << QSize(640, 480) << 1.0;
    QTest::newRow("smaller than the lesson") << QSize(320, 200) << 1.0;
    QTest::newRow("1366x768 less a panel") << QSize(1366, 740) << 740 * 0.95 / 486;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << 1080 * 0.95 / 486;
    QTest::newRow("wide but short") << QSize(3840, 600) << 600 * 0.95 / 486;
    QTest::newRow("tall but narrow") << QSize(800, 2000) << 800 * 0.95 / 646;
}

void ScaleTest::scaleChosenForTheDisplay()
{
    QFETCH(QSize, available);
    QFETCH(double, scale);
    const double chosen = Twips::scaleToFit(available);
    QCOMPARE(chosen, scale);
    // The whole screen, frame included, fits the available area.
    Twips::setScale(chosen);
    if (chosen > 1.0) {
        QVERIFY(Twips::px(9690) <= available.width());
        QVERIFY(Twips::px(7290) <= available.height());
    }
}

void ScaleTest::controlsAndFontsFollowTheScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QRect>("infoText");   // Intro1's InfoText(0): 600, 1800, 7695 x 495 twips
    QTest::addColumn<QRect>("nextButton"); // Intro1's ">>": 7560, 5880, 1215 x 615 twips
    QTest::addColumn<QSize>("screenSize");
    QTest::addColumn<QSize>("questionSize");
    QTest::addColumn<int>("textPixels");  // 18 pt
    QTest::addColumn<int>("titlePixels"); // 48.75 pt
    QTest::newRow("1") << 1.0 << QRect(40, 120, 513, 33) << QRect(504, 392, 81, 41) << QSize(646, 486)
                       << QSize(318, 292) << 24 << 65;
    QTest::newRow("2") << 2.0 << QRect(80, 240, 1026, 66) << QRect(1008, 784, 162, 82) << QSize(1292, 972)
                       << QSize(636, 584) << 48 << 130;
    QTest::newRow("1.5") << 1.5 << QRect(60, 180, 770, 50) << QRect(756, 588, 122, 62) << QSize(969, 729)
                         << QSize(478, 439) << 36 << 98;
}

void ScaleTest::controlsAndFontsFollowTheScale()
{
    QFETCH(double, scale);
    QFETCH(QRect, infoText);
    QFETCH(QRect, nextButton);
    QFETCH(QSize, screenSize);
    QFETCH(QSize, questionSize);
    QFETCH(int, textPixels);
    QFETCH(int, titlePixels);

    Twips::setScale(scale);
    TestLesson t;
    t.lesson.chain.start();
    LessonScreen *intro1 = t.showing();
    QCOMPARE(t.lesson.window.size(), screenSize);

    QLabel *text = nullptr;
    QLabel *title = nullptr;
    for (QLabel *label : intro1->findChildren<QLabel *>()) {
        if (label->text() == QLatin1String("You are a scientist in charge of an island."))
            text = label;
        if (label->text() == QLatin1String("Lapinar"))
            title = label;
    }
    QVERIFY(text && title);
    QCOMPARE(text->geometry(), infoText);
    QCOMPARE(text->font().pixelSize(), textPixels);
    QCOMPARE(title->font().pixelSize(), titlePixels);
    QCOMPARE(intro1->cmdButton(0)->geometry(), nextButton);
    QCOMPARE(t.lesson.chain.questionDialog().size(), questionSize);

    // Texts still fit their labels at this scale.
    QVERIFY(text->fontMetrics().horizontalAdvance(text->text()) <= text->width());

    // The quit question speaks in the lesson's font at the lesson's scale, buttons included.
    QStringList boxFonts;
    QObject stackGuard; // a shot that never fires is dropped with this frame
    QTimer::singleShot(0, &stackGuard, [&] {
        auto *box = qobject_cast<MessagePanel *>(openModal(t));
        if (!box)
            return;
        for (QLabel *part : box->findChildren<QLabel *>())
            if (part->text() == box->text())
                boxFonts << QString::number(part->font().pixelSize());
        for (QPushButton *button : box->buttons())
            boxFonts << QString::number(button->font().pixelSize());
        box->button(QMessageBox::No)->click();
    });
    intro1->cmdButton(1)->click();
    QCOMPARE(boxFonts, QStringList(3, QString::number(std::lround(13 * scale)))); // 9.75 pt

    // The focus ring on a button: at least two pixels of black at scale 1, growing with the scale.
    QPushButton *next = intro1->cmdButton(0);
    t.lesson.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&t.lesson.window));
    // Shown once the pupil moves the focus with the keyboard: Tab from the stop sign.
    intro1->cmdButton(1)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(t.lesson.window.windowHandle(), Qt::Key_Tab);
    QTRY_VERIFY(next->hasFocus());
    const QImage face = next->grab().toImage();
    const int row = face.height() / 2;
    int x = 0;
    while (x < face.width() / 2 && face.pixelColor(x, row) != Qt::black)
        ++x;
    int ring = 0;
    while (x + ring < face.width() && face.pixelColor(x + ring, row) == Qt::black)
        ++ring;
    QVERIFY2(ring >= std::max(2, int(std::lround(2 * scale))), qPrintable(QString::number(ring)));
}

void ScaleTest::picturesAreRenderedAtTheirScaledSize()
{
    for (double scale : {1.0, 1.5, 2.0}) {
        Twips::setScale(scale);
        TestLesson t;
        t.lesson.chain.start();
        LessonScreen *intro1 = t.showing();
        bool sawPicture = false;
        for (QLabel *label : intro1->findChildren<QLabel *>()) {
            const QPixmap picture = label->pixmap();
            if (picture.isNull())
                continue;
            sawPicture = true;
            // One picture pixel per display pixel: drawn anew from the SVG, never stretched.
            QCOMPARE(picture.devicePixelRatio(), qApp->devicePixelRatio());
            if (qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2)
                QCOMPARE(picture.devicePixelRatio(), 2.0);
            QCOMPARE(picture.deviceIndependentSize().toSize(), label->size());
            QCOMPARE(picture.size(), label->size() * picture.devicePixelRatio());
        }
        QVERIFY(sawPicture);
        QPushButton *question = intro1->questionButton();
        QCOMPARE(question->iconSize().width(), question->width() - int(6 * scale));
    }
}

void ScaleTest::everyPictureIsDrawnFromItsOwnFile()
{
    const QMetaEnum pictures = QMetaEnum::fromType<Picture>();
    QStringList files;
    for (int i = 0; i < pictures.keyCount(); ++i) {
        const auto picture = Picture(pictures.value(i));
        files << Artwork::name(picture) + QStringLiteral(".svg");
        // A file that is missing or not SVG draws nothing at all.
        const QImage image = Artwork::pixmap(picture, QSize(43, 45)).toImage();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += qAlpha(image.pixel(x, y)) > 0;
        QVERIFY2(ink > 0, pictures.key(i));
    }
    // One picture for each file, and none without one.
    files.sort();
    QCOMPARE(files, QDir(QStringLiteral(":/pictures")).entryList(QDir::Files, QDir::Name));
}

void ScaleTest::keptPicturesAreReadBackOnlyWhenTheyFit_data()
{
    QTest::addColumn<QString>("spoil");
    QTest::addColumn<bool>("readBack");
    QTest::newRow("as drawn") << QString() << true;
    QTest::newRow("another SVG or Qt") << QStringLiteral("fingerprint") << false;
    QTest::newRow("cut short") << QStringLiteral("cut") << false;
    QTest::newRow("pixels not filled in") << QStringLiteral("zeros") << false;
    QTest::newRow("a folder in its place") << QStringLiteral("folder") << false;
    QTest::newRow("no folder can be made") << QStringLiteral("no folder") << false;
    QTest::newRow("a pipe in its place") << QStringLiteral("pipe") << false;
    QTest::newRow("a link to a picture") << QStringLiteral("link") << false;
}

void ScaleTest::keptPicturesAreReadBackOnlyWhenTheyFit()
{
    QFETCH(QString, spoil);
    QFETCH(bool, readBack);
    QTemporaryDir cache;
    QString folder = cache.filePath(QStringLiteral("pictures"));
    if (spoil == QLatin1String("no folder")) {
        QFile plain(folder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
        folder += QLatin1String("/inside");
    }
    const KeptPictures store(folder);
    // What the lesson drew for the stop sign, exactly as it shows it.
    QImage drawn =
        Artwork::pixmap(Picture::Stop, QSize(43, 45)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    drawn.setDevicePixelRatio(1);
    const QSize size = drawn.size();
    if (spoil == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(store.file(QStringLiteral("stop"), size)));
    QCOMPARE(store.save(QStringLiteral("stop"), 7, drawn),
             spoil != QLatin1String("folder") && spoil != QLatin1String("no folder"));
    if (spoil == QLatin1String("cut"))
        QVERIFY(QFile::resize(store.file(QStringLiteral("stop"), size), 1000));
    if (spoil == QLatin1String("zeros")) {
        QFile file(store.file(QStringLiteral("stop"), size));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(file.size() - 4000));
        QCOMPARE(file.write(QByteArray(4000, 0)), 4000);
    }
    if (spoil == QLatin1String("pipe") || spoil == QLatin1String("link")) {
        const QString file = store.file(QStringLiteral("stop"), size);
        const QString elsewhere = cache.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QFile::rename(file, elsewhere));
        QVERIFY(spoil == QLatin1String("pipe") ? ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0
                                               : QFile::link(elsewhere, file));
    }
    const QImage kept = store.load(QStringLiteral("stop"), spoil == QLatin1String("fingerprint") ? 8 : 7, size);
    QCOMPARE(kept.isNull(), !readBack);
    if (readBack)
        QCOMPARE(kept, drawn);
    // Nothing half written is left beside the pictures.
    if (QDir(folder).exists())
        QVERIFY(QDir(folder).entryList(QStringList(QStringLiteral("*.new")), QDir::Files).isEmpty());
}

void ScaleTest::keptPicturesFolderStaysSmall()
{
    QTemporaryDir cache;
    const KeptPictures store(cache.path());
    QImage small(10, 10, QImage::Format_ARGB32_Premultiplied);
    small.fill(Qt::red);
    QImage large(20, 20, QImage::Format_ARGB32_Premultiplied);
    large.fill(Qt::blue);
    // A temporary file left by a lesson stopped a while ago, and one just begun by another lesson.
    const auto leave = [&](const QString &name, int secondsAgo) {
        QFile f(cache.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write("half") == 4 && f.flush());
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime));
    };
    leave(QStringLiteral("stop-10x10.pixels.1.new"), 3600);
    leave(QStringLiteral("stop-10x10.pixels.2.new"), 0);
    // Older than anything drawn now, and more than the folder may hold.
    QFile old(cache.filePath(QStringLiteral("sea-640x480.pixels")));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.resize(KeptPictures::MaxFolderBytes));
    QVERIFY(old.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    old.close();
    QVERIFY(store.save(QStringLiteral("stop"), 7, small));
    QVERIFY(store.save(QStringLiteral("stop"), 7, large));
    QCOMPARE(QDir(cache.path()).entryList(QDir::Files, QDir::Name),
             (QStringList{QStringLiteral("stop-10x10.pixels.2.new"), QStringLiteral("stop-20x20.pixels")}));
    QCOMPARE(store.load(QStringLiteral("stop"), 7, large.size()), large);
}

QTEST_MAIN(ScaleTest)
#include "tst_scale.moc"

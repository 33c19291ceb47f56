// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's class view: the class list, the window's list of files left out and its table, the
// folder read again by the poll where the file system says nothing, and the command line.
#include "badfilelist.h"
#include "classfolder.h"
#include "classgraph.h"
#include "classlist.h"
#include "classreader.h"
#include "classtext.h"
#include "classwindow.h"
#include "testsupport.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <sys/stat.h>
#include <unistd.h>

class ClassViewTest : public QObject {
    Q_OBJECT
private slots:
    void classListSaysWhoIsMissing();
    void classWindowShowsWhatIsLeftOutAndNoticesANewHandInUnwatched();
    void pupilTextIsShownAsItsCharacters_data();
    void pupilTextIsShownAsItsCharacters();
    void graphBreaksAtBlankYears_data();
    void graphBreaksAtBlankYears();
    void folderThatDoesNotAnswerIsSaid();
    void commandLineSaysWhatItCannotDoInOneLine_data();
    void commandLineSaysWhatItCannotDoInOneLine();
};

namespace {

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray handInOf(const QString &pupil)
{
    HandInCsv::HandIn handIn;
    handIn.pupil = pupil;
    handIn.language = QStringLiteral("en");
    handIn.date = QStringLiteral("2026-01-01");
    handIn.machine = QStringLiteral("pc1");
    for (int year = 0; year < HandInCsv::Years; ++year)
        handIn.rabbits[size_t(year)] = qint16(10 + year);
    return HandInCsv::write(handIn);
}

void putHandIn(const QString &folder, const QByteArray &bytes, const QString &pupil)
{
    put(folder + QLatin1Char('/') + HandInCsv::fileName(pupil), bytes);
}

} // namespace

void ClassViewTest::classListSaysWhoIsMissing()
{
    QTemporaryDir folder;
    for (const char *pupil : {"ann", "bob"})
        putHandIn(folder.path(), handInOf(QString::fromLatin1(pupil)), QString::fromLatin1(pupil));
    const QString list = folder.filePath(QString::fromLatin1(ClassList::FileName));
    QVERIFY(!ClassList::read(folder.path(), QString()).given);
    put(list, "# 5b\nann\n\n  Bob \ncy\nann\n");
    const ClassFolder::Class read = ClassFolder::read(folder.path());
    const ClassList::List classList = ClassList::read(folder.path(), QString());
    QVERIFY2(classList.error.isEmpty(), qPrintable(classList.error));
    QCOMPARE(classList.pupils, QStringList({"ann", "Bob", "cy"}));
    QCOMPARE(ClassList::missing(classList, read.pupils), QStringList({"cy"}));
    QVERIFY(!ClassList::read(folder.path(), folder.filePath(QStringLiteral("none.txt"))).error.isEmpty());
    // The merged CSV names who is missing; written into the class folder, it is never read back
    // as a hand-in, however large.
    const QByteArray merged = ClassFolder::merged(read.pupils, {QStringLiteral("cy")});
    QVERIFY(merged.startsWith(HandInCsv::header() + ",handed_in\n"));
    QVERIFY(merged.contains("\nann,9,19,,en,2026-01-01,pc1,,yes\n"));
    QVERIFY(merged.endsWith("\ncy,9,,,,,,,no\n"));
    put(folder.filePath(QStringLiteral("class.csv")), merged);
    put(folder.filePath(QStringLiteral("big.csv")), merged + merged.repeated(40).mid(merged.indexOf('\n')));
    const ClassFolder::Class again = ClassFolder::read(folder.path());
    QCOMPARE(again.pupils.size(), 2);
    QVERIFY(again.badFiles.isEmpty());
}

void ClassViewTest::classWindowShowsWhatIsLeftOutAndNoticesANewHandInUnwatched()
{
    QTemporaryDir folder;
    QString fault;
    for (int n = 1; n <= 5; ++n) {
        const QString pupil = QStringLiteral("p%1").arg(n);
        HandInCsv::HandIn handIn = *ClassFolder::parse(handInOf(pupil), &fault);
        handIn.machine = n == 5 ? QStringLiteral("home-laptop") : QStringLiteral("room12-pc%1").arg(n);
        handIn.date = n == 4 ? QStringLiteral("9999-12-31T00:00:00Z") : QStringLiteral("2026-01-01T10:00:00Z");
        if (n == 2) {
            handIn.rabbits[3] = std::nullopt;
            handIn.typed[3] = QStringLiteral("lots");
        }
        putHandIn(folder.path(), HandInCsv::write(handIn), pupil);
    }
    put(folder.filePath(QStringLiteral("zz.csv")), handInOf(QStringLiteral("p1")));
    put(folder.filePath(QStringLiteral("short.csv")), "pupil,year,rabbits\nshort,0,1\n");
    put(folder.filePath(QString::fromLatin1(ClassList::FileName)), "p1\np2\np3\np4\np5\np6\n");
    ClassWindow window(folder.path());
    window.reader()->setWatching(false);
    window.reader()->setPollInterval(100);
    QTRY_COMPARE_WITH_TIMEOUT(window.shownClass().pupils.size(), 5, 30000);
    QVERIFY2(window.missing()->text().contains(QStringLiteral(": p6")), qPrintable(window.missing()->text()));
    // The forgery at the top in the warning look, then each file left out with its reason.
    QCOMPARE(window.badFiles()->count(), 2);
    QCOMPARE(window.badFiles()->item(0)->text(),
             QStringLiteral("\u26a0 zz.csv: says it is p1's, but its name is zz's"));
    QCOMPARE(window.badFiles()->item(0)->background().color(), ClassText::WarningPaper);
    QCOMPARE(window.badFiles()->item(1)->text(), QStringLiteral("short.csv: only 1 year"));
    // The class's rows before the pupils', the truth only once shown; the odd hand-ins marked.
    const QAbstractItemModel *table = window.table()->model();
    QCOMPARE(table->headerData(0, Qt::Vertical).toString(), QStringLiteral("class median"));
    window.setTruthShown(true);
    QCOMPARE(table->headerData(0, Qt::Vertical).toString(), QStringLiteral("rabbits really there"));
    QCOMPARE(table->data(table->index(0, 1)).toInt(), ClassGraph::islandRabbits()[1]);
    QStringList odd;
    for (int row = 3; row < table->rowCount(); ++row)
        odd << RenderedTip(table->data(table->index(row, HandInCsv::Years), Qt::ToolTipRole).toString())
                   .toPlainText()
                   .section('\n', 1);
    QCOMPARE(odd,
             QStringList({"", "", "", "dated in the future", "from a machine the rest of the class does not use"}));
    // The summary counts; the list below names the files.
    QCOMPARE(window.summary()->text(), QStringLiteral("Pupils who handed in: 5; not handed in: 1; files left out: 2"));
    // Each cell says to a screen reader whose it is and which year; a word typed for a count shows as
    // typed, in italics.
    QCOMPARE(table->data(table->index(3, 5), Qt::AccessibleTextRole).toString(),
             table->headerData(3, Qt::Vertical).toString() + QStringLiteral(", Year 5: 15"));
    QCOMPARE(table->data(table->index(1, 2), Qt::AccessibleTextRole).toString(),
             QStringLiteral("class median, Year 2: 12"));
    QCOMPARE(table->data(table->index(4, 3)).toString(), QStringLiteral("lots"));
    QVERIFY(table->data(table->index(4, 3), Qt::FontRole).value<QFont>().italic());
    QVERIFY(table->data(table->index(4, 3), Qt::AccessibleTextRole).toString().endsWith("Year 3: lots, not a number"));
    // Tab goes from the summary through the lists, the table and the graph to the buttons.
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.summary());
    QList<QWidget *> reached;
    for (int n = 0; n < 7; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    QCOMPARE(reached,
             (QList<QWidget *>{window.missing(), window.folderKind(), window.badFiles(), window.table(), window.graph(),
                               window.truthButton(), window.findChildren<QPushButton *>().last()}));
    // A hand-in copied in where the file system says nothing is seen by the poll alone, and comes in
    // without moving the teacher's place in the table or taking the focus.
    window.table()->setFocus();
    window.table()->setCurrentIndex(table->index(4, 3));
    const QString where = table->headerData(4, Qt::Vertical).toString();
    QSignalSpy resets(table, &QAbstractItemModel::modelReset);
    putHandIn(folder.path(), handInOf(QStringLiteral("p6")), QStringLiteral("p6"));
    QTRY_COMPARE_WITH_TIMEOUT(window.shownClass().pupils.size(), 6, 30000);
    QVERIFY(window.missing()->text().startsWith(QStringLiteral("Everyone on the class list")));
    QCOMPARE(resets.count(), 0);
    QCOMPARE(table->headerData(window.table()->currentIndex().row(), Qt::Vertical).toString(), where);
    QCOMPARE(QApplication::focusWidget(), window.table());
}

void ClassViewTest::pupilTextIsShownAsItsCharacters_data()
{
    // What a pupil typed into a cell and as the machine's name, and a file put beside the hand-in.
    QTest::addColumn<QStringList>("typed");
    QTest::newRow("an image of a device") << QStringList{"<img src=/dev/zero>", "pc1", ""};
    QTest::newRow("a link and markup") << QStringList{"<a href=\"file:///etc\">x</a>", "<b>pc</b><img src=x.png>", ""};
    QTest::newRow("terminal escapes in a file name") << QStringList{"12", "pc1", "%1B%5D0%3BPWNED%07%1B%5B2J.csv"};
    QTest::newRow("a line break in a file name") << QStringList{"12", "pc1", "zz%0ALapinar%3A%20all%20is%20well.csv"};
    QTest::newRow("a right-to-left override") << QStringList{"\u202e21", "\u202epc1", "%E2%80%AEnna.csv"};
}

void ClassViewTest::pupilTextIsShownAsItsCharacters()
{
    QFETCH(QStringList, typed);
    const QString &cell = typed[0], &machine = typed[1], &file = typed[2];
    QTemporaryDir folder;
    QString fault;
    HandInCsv::HandIn handIn = *ClassFolder::parse(handInOf(QStringLiteral("ann")), &fault);
    handIn.typed[3] = cell;
    handIn.machine = machine;
    putHandIn(folder.path(), HandInCsv::write(handIn), QStringLiteral("ann"));
    if (!file.isEmpty())
        put(folder.filePath(file), handInOf(QStringLiteral("zz")));
    ClassWindow window(folder.path());
    window.show();
    QTRY_COMPARE_WITH_TIMEOUT(window.shownClass().pupils.size(), 1, 30000);
    QStringList seen;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        seen << label->text();
    }
    for (int n = 0; n < window.badFiles()->count(); ++n)
        seen << window.badFiles()->item(n)->text();
    const QAbstractItemModel *table = window.table()->model();
    const int row = table->rowCount() - 1;
    seen << table->headerData(row, Qt::Vertical).toString();
    for (int column = 0; column < table->columnCount(); ++column)
        seen << table->data(table->index(row, column)).toString();
    // Each tooltip shows the very characters typed, loads nothing and links nowhere; shown for real.
    for (const auto &[column, text] : {std::pair(3, cell), std::pair(int(HandInCsv::Years), machine)}) {
        const QModelIndex index = table->index(row, column);
        const QString tip = table->data(index, Qt::ToolTipRole).toString();
        const RenderedTip rendered(tip);
        QVERIFY2(rendered.loaded.isEmpty(), qPrintable(tip));
        QCOMPARE(rendered.anchors, 0);
        QVERIFY2(rendered.toPlainText().contains(ClassFolder::shown(text)), qPrintable(rendered.toPlainText()));
        seen << rendered.toPlainText();
        window.table()->scrollTo(index);
        QHelpEvent hover(QEvent::ToolTip, window.table()->visualRect(index).center(),
                         window.table()->viewport()->mapToGlobal(window.table()->visualRect(index).center()));
        QApplication::sendEvent(window.table()->viewport(), &hover);
        QTRY_COMPARE(QToolTip::text(), tip);
    }
    for (const QString &text : std::as_const(seen))
        QVERIFY2(!unsafeText(text), qPrintable(text.toUtf8().toPercentEncoding(" :")));
}

void ClassViewTest::graphBreaksAtBlankYears_data()
{
    QTest::addColumn<QList<int>>("blank");
    // How many stretches the class median runs in.
    QTest::addColumn<int>("stretches");
    QTest::newRow("one blank year") << QList<int>{5} << 2;
    QTest::newRow("two blank years") << QList<int>{3, 7} << 3;
    QTest::newRow("a counted year alone") << QList<int>{4, 6} << 3;
}

void ClassViewTest::graphBreaksAtBlankYears()
{
    QFETCH(QList<int>, blank);
    QFETCH(int, stretches);
    QList<ClassFolder::Pupil> pupils(3);
    for (qsizetype p = 0; p < pupils.size(); ++p)
        for (int year = 0; year < HandInCsv::Years; ++year)
            if (!blank.contains(year))
                pupils[p].handIn.rabbits[size_t(year)] = qint16(100 + 20 * p + 5 * year);
    // Wide enough that the key below stays left of the years looked at.
    QImage image(1600, 500, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        ClassGraph graph(pupils, ClassGraph::islandRabbits());
        graph.setTruthShown(false);
        graph.paint(painter, QRectF(image.rect()), 1.0);
    }
    // The columns the median's own ink reaches, and each column's blue of the bands.
    QList<int> median, blue;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false, tinted = false;
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            ink = ink || c == QColor(0x1f, 0x4e, 0x9c);
            tinted = tinted || c.blue() - c.red() > 30;
        }
        if (ink)
            median << x;
        if (tinted)
            blue << x;
    }
    QList<std::pair<int, int>> runs;
    for (const int x : std::as_const(median))
        if (!runs.isEmpty() && x - runs.last().second <= 3)
            runs.last().second = x;
        else
            runs.append({x, x});
    QCOMPARE(runs.size(), stretches);
    // Nothing of the bands between two stretches, half-way across the blank.
    for (qsizetype n = 1; n < runs.size(); ++n)
        QVERIFY2(!blue.contains((runs[n - 1].second + runs[n].first) / 2), qPrintable(QString::number(n)));
}

void ClassViewTest::folderThatDoesNotAnswerIsSaid()
{
    QTemporaryDir folder;
    putHandIn(folder.path(), handInOf(QStringLiteral("p1")), QStringLiteral("p1"));
    ClassWindow window(folder.path());
    window.reader()->setWatching(false);
    window.reader()->setPollInterval(100);
    window.reader()->setPatience(300);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE_WITH_TIMEOUT(window.shownClass().pupils.size(), 1, 30000);
    // The reader's thread held as a share that does not answer holds it; let go however this ends.
    QSemaphore answer;
    const auto letGo = qScopeGuard([&] {
        window.reader()->setHold(nullptr);
        answer.release(1000);
    });
    window.reader()->setHold([&answer] { answer.tryAcquire(1, 60000); });
    QTRY_VERIFY_WITH_TIMEOUT(window.folderState()->isVisible() &&
                                 window.folderState()->text().contains(QStringLiteral("has not answered since")),
                             10000);
    QVERIFY(!window.folderState()->text().contains(QStringLiteral("F5")));
    putHandIn(folder.path(), handInOf(QStringLiteral("p2")), QStringLiteral("p2"));
    QTest::keyClick(&window, Qt::Key_F5);
    QVERIFY2(window.folderState()->text().contains(QStringLiteral("F5: waiting for the folder to answer")),
             qPrintable(window.folderState()->text()));
    QCOMPARE(window.shownClass().pupils.size(), 1);
    window.reader()->setHold(nullptr);
    answer.release(1000);
    QTRY_VERIFY_WITH_TIMEOUT(window.folderState()->text().startsWith(QStringLiteral("The class folder answers again")),
                             10000);
    QTRY_COMPARE_WITH_TIMEOUT(window.shownClass().pupils.size(), 2, 30000);
}

void ClassViewTest::commandLineSaysWhatItCannotDoInOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    // Whether the lesson's program runs from a folder of its own, without the class view's beside it.
    QTest::addColumn<bool>("alone");
    // What was put there first: a link (where, to what), a named pipe, or a hand-in of someone (file, whose).
    QTest::addColumn<QStringList>("planted");
    QTest::newRow("window without a display")
        << QStringList{"--class", "F"} << 2 << "the class window needs a display" << false << QStringList();
    QTest::newRow("worksheet and class") << QStringList{"--class", "F", "--worksheet", "F/w.pdf"} << 2
                                         << "--worksheet cannot go with --class" << false << QStringList();
    QTest::newRow("csv alone") << QStringList{"--csv", "F/c.csv"} << 2 << "need --class <folder>" << false
                               << QStringList();
    QTest::newRow("lesson option") << QStringList{"--class", "F", "--new-lesson", "--csv", "F/c.csv"} << 2
                                   << "--new-lesson is for the lesson" << false << QStringList();
    QTest::newRow("full disk") << QStringList{"--class", "F", "--csv", "/dev/full"} << 1 << "cannot write /dev/full"
                               << false << QStringList();
    QTest::newRow("list that is missing") << QStringList{"--class", "F", "--roster", "F/none.txt", "--csv", "F/c.csv"}
                                          << 1 << "none.txt is not used" << false << QStringList();
    QTest::newRow("into the class folder")
        << QStringList{"--class", "F", "--csv", "F/c.csv"} << 0 << "" << false << QStringList();
    QTest::newRow("class view missing") << QStringList{"--class", "F", "--csv", "F/c.csv"} << 1
                                        << "the class view cannot be started" << true << QStringList();
    QTest::newRow("over a link planted as the CSV")
        << QStringList{"--class", "F", "--csv", "F/class.csv"} << 0 << "class.csv: a link, not followed" << false
        << QStringList{"link", "F/class.csv", "E/own.txt"};
    QTest::newRow("over a link planted as the report")
        << QStringList{"--class", "F", "--report", "F/class.pdf"} << 0 << "" << false
        << QStringList{"link", "F/class.pdf", "E/own.txt"};
    QTest::newRow("over a pipe planted as the CSV")
        << QStringList{"--class", "F", "--csv", "F/class.csv"} << 0 << "class.csv: not a plain file" << false
        << QStringList{"pipe", "F/class.csv"};
    QTest::newRow("through the teacher's own link") << QStringList{"--class", "F", "--csv", "E/mine.csv"} << 0 << ""
                                                    << false << QStringList{"link", "E/mine.csv", "E/kept.csv"};
    QTest::newRow("terminal escapes in a file name")
        << QStringList{"--class", "F", "--csv", "F/c.csv"} << 0 << "left out" << false
        << QStringList{"hand-in", "F/%1B%5D0%3BPWNED%07%1B%5B2J.csv", "zz"};
    QTest::newRow("a line forged by a file name")
        << QStringList{"--class", "F", "--csv", "F/c.csv"} << 0 << "left out" << false
        << QStringList{"hand-in", "F/zz%0ALapinar%3A%20all%20is%20well.csv", "zz"};
    QTest::newRow("a right-to-left override in a file name")
        << QStringList{"--class", "F", "--csv", "F/c.csv"} << 0 << "left out" << false
        << QStringList{"hand-in", "F/%E2%80%AEzz.csv", "zz"};
}

void ClassViewTest::commandLineSaysWhatItCannotDoInOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(bool, alone);
    QFETCH(QStringList, planted);
    QString program = qEnvironmentVariable("LAPINAR_PROGRAM");
    QVERIFY2(QFileInfo(program).isExecutable(), "LAPINAR_PROGRAM names the lesson's program");
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    if (alone) {
        QVERIFY(QFile::copy(program, elsewhere.filePath(QStringLiteral("lapinar"))));
        program = elsewhere.filePath(QStringLiteral("lapinar"));
    }
    putHandIn(folder.path(), handInOf(QStringLiteral("ann")), QStringLiteral("ann"));
    // A class folder every pupil writes in; a file of the teacher's outside it.
    QVERIFY(::chmod(QFile::encodeName(folder.path()).constData(), 01733) == 0);
    const QString own = elsewhere.filePath(QStringLiteral("own.txt"));
    put(own, "the teacher's own\n");
    const QDateTime ownTime = QFileInfo(own).lastModified();
    for (QStringList *paths : {&arguments, &planted}) {
        paths->replaceInStrings(QRegularExpression(QStringLiteral("^F")), folder.path());
        paths->replaceInStrings(QRegularExpression(QStringLiteral("^E")), elsewhere.path());
    }
    const QString kind = planted.value(0), at = planted.value(1);
    if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(planted[2], at));
    else if (kind == QLatin1String("pipe"))
        QVERIFY(::mkfifo(QFile::encodeName(at).constData(), 0666) == 0);
    else if (kind == QLatin1String("hand-in"))
        put(at, handInOf(planted[2]));
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    run.setProcessEnvironment(environment);
    run.start(program, arguments);
    QVERIFY(run.waitForFinished(60000));
    const QString error = QString::fromLocal8Bit(run.readAllStandardError());
    QVERIFY2(!unsafeText(error), qPrintable(error.toUtf8().toPercentEncoding(" :\n")));
    const QStringList lines =
        error.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QRegularExpression(QStringLiteral("^Lapinar: ")));
    QCOMPARE(run.exitCode(), status);
    QCOMPARE(lines.size(), said.isEmpty() ? 0 : 1);
    QVERIFY2(said.isEmpty() || lines[0].contains(said), qPrintable(lines.join(QLatin1Char('\n'))));
    // A link or pipe a pupil planted is replaced, never written through; the teacher's own link is followed.
    QCOMPARE(QFileInfo(own).lastModified(), ownTime);
    QFile ownFile(own);
    QVERIFY(ownFile.open(QIODevice::ReadOnly));
    QCOMPARE(ownFile.readAll(), QByteArray("the teacher's own\n"));
    if (kind == QLatin1String("link") || kind == QLatin1String("pipe")) {
        QCOMPARE(QFileInfo(at).isSymLink(), at.startsWith(elsewhere.path()));
        QFile out(at);
        QVERIFY(QFileInfo(at).isFile() && out.open(QIODevice::ReadOnly));
        QVERIFY(out.read(4) == (at.endsWith(QLatin1String(".pdf")) ? "%PDF" : "pupi"));
    }
    // The merged CSV written into the class folder is never read back as a hand-in.
    if (status == 0 && kind != QLatin1String("hand-in"))
        QVERIFY(ClassFolder::read(folder.path()).badFiles.isEmpty());
}

QTEST_MAIN(ClassViewTest)
#include "tst_classview.moc"

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

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

class ClassViewTest : public QObject {
    Q_OBJECT
private slots:
    void classListSaysWhoIsMissing();
    void classWindowShowsWhatIsLeftOutAndNoticesANewHandInUnwatched();
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
    for (int row = 2; row < table->rowCount(); ++row)
        odd << table->data(table->index(row, HandInCsv::Years), Qt::ToolTipRole).toString().section('\n', 1);
    QCOMPARE(odd,
             QStringList({"", "", "", "dated in the future", "from a machine the rest of the class does not use"}));
    // A hand-in copied in where the file system says nothing is seen by the poll alone.
    putHandIn(folder.path(), handInOf(QStringLiteral("p6")), QStringLiteral("p6"));
    QTRY_COMPARE_WITH_TIMEOUT(window.shownClass().pupils.size(), 6, 30000);
    QVERIFY(window.missing()->text().startsWith(QStringLiteral("Everyone on the class list")));
}

void ClassViewTest::commandLineSaysWhatItCannotDoInOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    // Whether the lesson's program runs from a folder of its own, without the class view's beside it.
    QTest::addColumn<bool>("alone");
    QTest::newRow("window without a display")
        << QStringList{"--class", "F"} << 2 << "the class window needs a display" << false;
    QTest::newRow("worksheet and class") << QStringList{"--class", "F", "--worksheet", "F/w.pdf"} << 2
                                         << "--worksheet cannot go with --class" << false;
    QTest::newRow("csv alone") << QStringList{"--csv", "F/c.csv"} << 2 << "need --class <folder>" << false;
    QTest::newRow("lesson option") << QStringList{"--class", "F", "--new-lesson", "--csv", "F/c.csv"} << 2
                                   << "--new-lesson is for the lesson" << false;
    QTest::newRow("full disk") << QStringList{"--class", "F", "--csv", "/dev/full"} << 1 << "cannot write /dev/full"
                               << false;
    QTest::newRow("list that is missing") << QStringList{"--class", "F", "--roster", "F/none.txt", "--csv", "F/c.csv"}
                                          << 1 << "none.txt is not used" << false;
    QTest::newRow("into the class folder") << QStringList{"--class", "F", "--csv", "F/c.csv"} << 0 << "" << false;
    QTest::newRow("class view missing") << QStringList{"--class", "F", "--csv", "F/c.csv"} << 1
                                        << "the class view cannot be started" << true;
}

void ClassViewTest::commandLineSaysWhatItCannotDoInOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    QFETCH(bool, alone);
    QString program = qEnvironmentVariable("LAPINAR_PROGRAM");
    QVERIFY2(QFileInfo(program).isExecutable(), "LAPINAR_PROGRAM names the lesson's program");
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    if (alone) {
        QVERIFY(QFile::copy(program, elsewhere.filePath(QStringLiteral("lapinar"))));
        program = elsewhere.filePath(QStringLiteral("lapinar"));
    }
    putHandIn(folder.path(), handInOf(QStringLiteral("ann")), QStringLiteral("ann"));
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^F")), folder.path());
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    run.setProcessEnvironment(environment);
    run.start(program, arguments);
    QVERIFY(run.waitForFinished(60000));
    const QStringList lines = QString::fromLocal8Bit(run.readAllStandardError())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                  .filter(QRegularExpression(QStringLiteral("^Lapinar: ")));
    QCOMPARE(run.exitCode(), status);
    QCOMPARE(lines.size(), said.isEmpty() ? 0 : 1);
    QVERIFY2(said.isEmpty() || lines[0].contains(said), qPrintable(lines.join(QLatin1Char('\n'))));
    // The merged CSV written into the class folder is never read back as a hand-in.
    if (status == 0)
        QVERIFY(ClassFolder::read(folder.path()).badFiles.isEmpty());
}

QTEST_MAIN(ClassViewTest)
#include "tst_classview.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "classfolder.h"
#include "classreport.h"
#include "graphform.h"
#include "handin.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class ClassResultsTest : public QObject {
    Q_OBJECT
private slots:
    void handInIsWrittenOnLeavingTheResultsAndReplaced();
    void unusableFolderIsSaidInTheLesson();
    void folderSettingExpandsHomeAndVariables_data();
    void folderSettingExpandsHomeAndVariables();
    void badFilesAreNamedAndLeftOut();
    void formulasAndControlCharactersAreMadeHarmless();
    void manyPupilsMergeIntoOneCsv();
    void reportSaysTheClassOnA4();
};

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pupil types `cells` into the results table and goes on.
void leaveResults(TestLesson &t, HandIn &handIn, const QStringList &cells)
{
    t.lesson.chain.show(ScreenId::GraphForm);
    auto *g = t.screenAs<GraphForm>(ScreenId::GraphForm);
    for (int row = 1; row <= GraphForm::Rows; ++row)
        g->valueCell(row)->setText(cells.value(row - 1));
    QSignalSpy written(&handIn, &HandIn::written);
    g->cmdButton(0)->click();
    QVERIFY(written.wait(5000));
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray handInOf(const QString &pupil, int first = 10, const QString &date = QStringLiteral("2026-01-01"))
{
    HandInCsv::HandIn handIn{pupil, {}, QStringLiteral("en"), date, QStringLiteral("pc1")};
    for (int year = 0; year < HandInCsv::Years; ++year)
        handIn.rabbits[size_t(year)] = qint16(first + year);
    return HandInCsv::write(handIn);
}

} // namespace

void ClassResultsTest::handInIsWrittenOnLeavingTheResultsAndReplaced()
{
    QTemporaryDir folder;
    QFile other(folder.filePath(QStringLiteral("bob.csv")));
    QVERIFY(other.open(QIODevice::WriteOnly) && other.write("bob's own") > 0);
    other.close();
    // A link planted under the pupil's name is replaced, never written through.
    QFile bait(folder.filePath(QStringLiteral("bait")));
    QVERIFY(bait.open(QIODevice::WriteOnly) && bait.write("bait") > 0);
    bait.close();
    QVERIFY(QFile::link(bait.fileName(), folder.filePath(QStringLiteral("ann%2Ed.csv"))));

    TestLesson t;
    HandIn handIn(t.lesson, folder.path(), QStringLiteral("fr"), QStringLiteral("ann.d"));
    QCOMPARE(handIn.path(), folder.filePath(QStringLiteral("ann%2Ed.csv")));
    // Shown and left backwards: nothing handed in yet.
    t.lesson.chain.show(ScreenId::GraphForm);
    t.lesson.chain.leave(t.screen(ScreenId::GraphForm), 1);
    QVERIFY(QFileInfo(handIn.path()).isSymLink());

    leaveResults(t, handIn, {QStringLiteral("10"), QStringLiteral("21.5"), QStringLiteral("x"), QStringLiteral("-4")});
    QVERIFY(!QFileInfo(handIn.path()).isSymLink());
    QList<QByteArray> lines = contents(handIn.path()).split('\n');
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines[0], QByteArray("pupil,year,rabbits,language,date,machine"));
    QVERIFY(lines[1].startsWith("ann.d,0,10,fr,"));
    QVERIFY(lines[2].startsWith("ann.d,1,22,fr,"));
    QVERIFY(lines[3].startsWith("ann.d,2,0,fr,"));
    QVERIFY(lines[4].startsWith("ann.d,3,-4,fr,"));
    QVERIFY(lines[10].startsWith("ann.d,9,0,fr,"));

    // Back to the table, a number changed, forward again: the one file now says so.
    t.lesson.chain.leave(t.screen(ScreenId::Conclusion), 1);
    leaveResults(t, handIn, {QStringLiteral("11")});
    QVERIFY(contents(handIn.path()).split('\n').value(1).startsWith("ann.d,0,11,"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("ann%2Ed.csv"), QStringLiteral("bait"), QStringLiteral("bob.csv")}));
    QCOMPARE(contents(other.fileName()), QByteArray("bob's own"));
    QCOMPARE(contents(bait.fileName()), QByteArray("bait"));
}

void ClassResultsTest::unusableFolderIsSaidInTheLesson()
{
    QTemporaryDir home;
    TestLesson t;
    HandIn handIn(t.lesson, home.filePath(QStringLiteral("missing")), QStringLiteral("en"), QStringLiteral("ann"));
    const ModalSeen seen = answerModal(t, [&] { leaveResults(t, handIn, {QStringLiteral("3")}); });
    QCOMPARE(seen.text, QStringLiteral("Your results could not be handed in. Tell your teacher."));
    QCOMPARE(t.showing()->id(), ScreenId::Conclusion);
    QVERIFY(QDir(home.path()).isEmpty());
}

void ClassResultsTest::folderSettingExpandsHomeAndVariables_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("folder");
    qputenv("LAPINAR_CLASS", "5b");
    qunsetenv("LAPINAR_UNSET");
    QTest::newRow("home") << "~/hand-in" << QDir::homePath() + QStringLiteral("/hand-in");
    QTest::newRow("variables") << "/srv/$LAPINAR_CLASS/${LAPINAR_CLASS}x"
                               << "/srv/5b/5bx";
    QTest::newRow("unset variable") << "/srv/$LAPINAR_UNSET/a"
                                    << "/srv//a";
    QTest::newRow("tilde inside") << " /srv/~x "
                                  << "/srv/~x";
}

void ClassResultsTest::folderSettingExpandsHomeAndVariables()
{
    QFETCH(QString, setting);
    QFETCH(QString, folder);
    QCOMPARE(HandIn::expandFolder(setting), folder);
}

void ClassResultsTest::badFilesAreNamedAndLeftOut()
{
    QTemporaryDir folder;
    const QByteArray good = handInOf(QStringLiteral("ann"));
    QByteArray extraField = good;
    extraField.replace("ann,3,13,en,2026-01-01,pc1", "ann,3,13,en,2026-01-01,pc1,x");
    QByteArray twoPupils = good;
    twoPupils.replace("ann,4,", "bob,4,");
    QByteArray yearTwice = good;
    yearTwice.replace("ann,5,", "ann,4,");
    QByteArray wordForCount = good;
    wordForCount.replace("ann,6,16", "ann,6,many");
    QByteArray openQuote = good;
    openQuote.replace("ann,7,", "\"ann,7,");
    // Each bad file and what is said of it.
    const QList<std::pair<QString, QByteArray>> bad{
        {QStringLiteral("big.csv"), good + QByteArray(HandInCsv::MaxFileSize, ' ')},
        {QStringLiteral("header.csv"), good.mid(good.indexOf('\n') + 1)},
        {QStringLiteral("short.csv"), good.left(good.lastIndexOf('\n', good.size() - 2) + 1)},
        {QStringLiteral("extra.csv"), extraField},
        {QStringLiteral("two.csv"), twoPupils},
        {QStringLiteral("twice.csv"), yearTwice},
        {QStringLiteral("word.csv"), wordForCount},
        {QStringLiteral("quote.csv"), openQuote},
        {QStringLiteral("latin1.csv"), QByteArray(good).replace("ann", "\xe9ve")},
        {QStringLiteral("empty.csv"), QByteArray()},
    };
    for (const auto &[name, bytes] : bad)
        put(folder.filePath(name), bytes);
    put(folder.filePath(QStringLiteral("ann.csv")), good);
    put(folder.filePath(QStringLiteral("notes.txt")), "not a hand-in");
    put(folder.filePath(QStringLiteral(".bob.csv.1f2e")), "being written");
    QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Bob Smith_123/deeper")));
    put(folder.filePath(QStringLiteral("Bob Smith_123/bob.csv")), handInOf(QStringLiteral("bob"), 20));
    put(folder.filePath(QStringLiteral("Bob Smith_123/deeper/cy.csv")), handInOf(QStringLiteral("cy")));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("ann.csv")), folder.filePath(QStringLiteral("link.csv"))));
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("Bob Smith_123")), folder.filePath(QStringLiteral("linked"))));

    const ClassFolder::Class read = ClassFolder::read(folder.path());
    QVERIFY(read.error.isEmpty());
    QStringList names, files;
    for (const ClassFolder::Pupil &pupil : read.pupils)
        names << pupil.handIn.pupil + QLatin1Char(' ') + QString::number(pupil.handIn.rabbits[9]);
    QCOMPARE(names, QStringList({QStringLiteral("ann 19"), QStringLiteral("bob 29")}));
    for (const ClassFolder::BadFile &file : read.badFiles) {
        files << file.file;
        QVERIFY2(!file.fault.isEmpty(), qPrintable(file.file));
    }
    QStringList expected{QStringLiteral("link.csv")};
    for (const auto &entry : bad)
        expected << entry.first;
    expected.sort();
    QCOMPARE(files, expected);
    QVERIFY(ClassFolder::read(folder.filePath(QStringLiteral("none"))).error.size() > 0);
}

void ClassResultsTest::formulasAndControlCharactersAreMadeHarmless()
{
    QTemporaryDir folder;
    const QStringList pupils{QStringLiteral("=HYPERLINK(\"http://x\",\"y\")"),
                             QStringLiteral("+1"),
                             QStringLiteral("-2"),
                             QStringLiteral("@SUM(A1)"),
                             QStringLiteral("a\x1b[2Jb\u202Ec"),
                             QStringLiteral("zoe")};
    for (int n = 0; n < pupils.size(); ++n)
        put(folder.filePath(QStringLiteral("%1.csv").arg(n)), handInOf(pupils[n], -3));
    const ClassFolder::Class read = ClassFolder::read(folder.path());
    QCOMPARE(read.pupils.size(), pupils.size());
    const QStringList rows = QString::fromUtf8(ClassFolder::merged(read.pupils)).split(QLatin1Char('\n'));
    QStringList firsts;
    for (const QString &row : rows)
        if (row.contains(QLatin1String(",0,-3,")))
            firsts << row.left(row.indexOf(QLatin1String(",0,-3,")));
    QCOMPARE(firsts,
             QStringList({QStringLiteral("'+1"), QStringLiteral("'-2"),
                          QStringLiteral("\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""), QStringLiteral("'@SUM(A1)"),
                          QStringLiteral("a\ufffd[2Jb\ufffdc"), QStringLiteral("zoe")}));
}

void ClassResultsTest::manyPupilsMergeIntoOneCsv()
{
    QTemporaryDir folder;
    for (int n = 0; n < 1000; ++n)
        put(folder.filePath(QStringLiteral("p%1.csv").arg(n)),
            handInOf(QStringLiteral("pupil %1").arg(n, 4, 10, QLatin1Char('0')), n));
    // A pupil who handed in twice under two names of file: the later hand-in counts.
    put(folder.filePath(QStringLiteral("again.csv")),
        handInOf(QStringLiteral("pupil 0007"), 500, QStringLiteral("2026-02-01")));
    QElapsedTimer clock;
    clock.start();
    const ClassFolder::Class read = ClassFolder::read(folder.path());
    const QByteArray merged = ClassFolder::merged(read.pupils);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(read.pupils.size(), 1000);
    QCOMPARE(read.badFiles.size(), 1);
    QCOMPARE(read.badFiles[0].file, QStringLiteral("p7.csv"));
    const QList<QByteArray> lines = merged.trimmed().split('\n');
    QCOMPARE(lines.size(), 1 + 10000);
    QVERIFY(lines[1].startsWith("pupil 0000,0,0,"));
    QVERIFY(lines[71].startsWith("pupil 0007,0,500,"));
    QVERIFY(lines[10000].startsWith("pupil 0999,9,1008,"));
}

void ClassResultsTest::reportSaysTheClassOnA4()
{
    QTemporaryDir folder;
    ClassFolder::Class handIns;
    QString fault;
    for (const char *name : {"ann", "bob", "cy"})
        handIns.pupils.append({*ClassFolder::parse(handInOf(QString::fromLatin1(name), 7), &fault), QString()});
    const QString pdf = folder.filePath(QStringLiteral("class.pdf"));
    QString error;
    QVERIFY2(ClassReport::write(pdf, handIns, QDate(2026, 3, 4), &error), qPrintable(error));
    QProcess info, text;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY2(info.waitForFinished(30000) && text.waitForFinished(30000), "poppler-utils are needed");
    const QString about = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(about.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\b"))), qPrintable(about));
    QVERIFY2(about.contains(QStringLiteral("(A4)")), qPrintable(about));
    const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const QString &said :
         {QStringLiteral("Pupils who handed in: 3"), QStringLiteral("ann, bob, cy"), QStringLiteral("2026"),
          QStringLiteral("rabbits really there"), QStringLiteral("Year 9"),
          QStringLiteral("cy 7 8 9 10 11 12 13 14 15 16"), QStringLiteral("class median 7 8 9")})
        QVERIFY2(words.contains(said), qPrintable(said + QStringLiteral(" not in: ") + words));
    QVERIFY(!ClassReport::write(folder.filePath(QStringLiteral("none/class.pdf")), handIns, QDate(), &error));
}

QTEST_MAIN(ClassResultsTest)
#include "tst_classresults.moc"

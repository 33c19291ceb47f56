// SPDX-License-Identifier: GPL-3.0-or-later
// The pupil's kept work: the file and its checks, and a lesson stopped by SIGKILL, SIGTERM or the
// stop sign carrying on where it stopped. The pupil is a second copy of this program (started with
// LAPINAR_TEST_PUPIL set), so that it can really be killed.
#include "cellnumber.h"
#include "dialogs.h"
#include "graphform.h"
#include "island.h"
#include "keptlesson.h"
#include "prediction.h"
#include "resultsgraph.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The lesson's lines on standard error; the work is written on a thread of its own.
QStringList warnings;
std::mutex warningsMutex;

QtMessageHandler otherMessages = nullptr;

void keepWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const std::lock_guard lock(warningsMutex);
    if (type == QtWarningMsg && message.startsWith(QLatin1String("Lapinar: ")))
        warnings << message;
    else if (otherMessages)
        otherMessages(type, context, message);
}

// Presses navigation button `index` of the screen showing, closing every reminder it opens.
void press(TestLesson &t, int index)
{
    LessonScreen *screen = t.showing();
    QVERIFY(screen);
    answerAllModals(t, [&] { screen->cmdButton(index)->click(); });
}

// Counts `n` rabbits on the island's visit showing now.
void countRabbits(Island *island, int n)
{
    for (int counted = 0; counted < n;) {
        island->popupTick();
        for (int h = 1; h <= 65 && counted < n; ++h)
            if (island->hole(h)->tag() == QLatin1String("up")) {
                QTest::mouseClick(island->hole(h), Qt::LeftButton);
                ++counted;
            }
    }
}

const QStringList TypedCells = {"10", "18 rabbits", "31", " 42", "60", "3e1"};

// The pupil's walk: a prediction, two rabbits counted in each counting year, six cells typed, a
// title and joined points; then as far as the scenario asks.
Island *walkToIsland(TestLesson &t)
{
    press(t, 0);
    press(t, 0);
    auto *prediction = static_cast<Prediction *>(t.showing());
    QTest::mouseClick(prediction->predictionText(3), Qt::LeftButton);
    press(t, 0);
    press(t, 0);
    return static_cast<Island *>(t.showing());
}

void walkToResults(TestLesson &t)
{
    Island *island = walkToIsland(t);
    for (int visit = 1; visit <= 10; ++visit) {
        if (visit <= 4)
            countRabbits(island, 2);
        press(t, 0);
    }
    auto *results = static_cast<GraphForm *>(t.showing());
    for (int row = 1; row <= TypedCells.size(); ++row)
        QTest::keyClicks(results->valueCell(row), TypedCells[row - 1]);
    QTest::keyClicks(results->titleText(), QStringLiteral("Rabbits, summer 2026"));
    QTest::keyClick(results->titleText(), Qt::Key_Return);
    results->actionButton(4)->click();
}

// The second copy: walks as told, says "ready" and waits to be stopped, keeping its work.
int pupil(const QString &scenario)
{
    TestLesson t;
    KeptLesson kept(t.lesson);
    kept.endOnTermination();
    t.lesson.chain.setProgramEnd([] { QCoreApplication::exit(0); });
    t.lesson.chain.start();
    kept.begin(false);
    QTimer::singleShot(0, [&] {
        if (scenario == QLatin1String("three") || scenario == QLatin1String("ten"))
            countRabbits(walkToIsland(t), scenario == QLatin1String("three") ? 3 : 10);
        else
            walkToResults(t);
        if (scenario == QLatin1String("island")) {
            // Back to the island's last visit, then back to its sixth.
            press(t, 1);
            for (int year = 10; year > 6; --year)
                press(t, 1);
        } else if (scenario == QLatin1String("results")) {
            // A key press too many: the table cleared is still the one kept.
            static_cast<GraphForm *>(t.showing())->actionButton(3)->click();
        } else if (scenario == QLatin1String("stop")) {
            press(t, 0);
            answerModal(
                t, [&] { t.showing()->cmdButton(2)->click(); }, QStringLiteral("Yes"));
        }
        std::puts("ready");
        std::fflush(stdout);
    });
    return QCoreApplication::exec();
}

// Root writes into any folder, read-only or not: as root, a test runs again as the unprivileged
// user nobody, in a copy of this program in a folder of its own that nobody may use, and passes
// when it passes there.
void runAsNobody(const QString &testAndRow)
{
    const passwd *nobody = ::getpwnam("nobody");
    QVERIFY2(nobody, "there is no user nobody");
    QTemporaryDir copy;
    QVERIFY(copy.isValid());
    QVERIFY(::chmod(QFile::encodeName(copy.path()).constData(), 01777) == 0);
    const QString program = copy.filePath(QStringLiteral("tst_keptwork"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
    QVERIFY(::chmod(QFile::encodeName(program).constData(), 0755) == 0);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), copy.path());
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=%1").arg(nobody->pw_uid), QStringLiteral("--regid=%1").arg(nobody->pw_gid),
                 QStringLiteral("--clear-groups"), program, testAndRow});
    QVERIFY2(child.waitForFinished(120000), "the unprivileged run did not end");
    const QByteArray said = child.readAll();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, said.constData());
    QVERIFY2(said.contains("PASS   : KeptWorkTest::" + testAndRow.toUtf8().replace(':', '(') + ')'), said.constData());
}

// Starts the pupil's walk `scenario` in a process of its own, and waits until it is ready.
bool startPupil(QProcess &child, const QString &scenario)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LAPINAR_TEST_PUPIL"), scenario);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QByteArray said;
    QElapsedTimer waited;
    waited.start();
    while (child.waitForReadyRead(1000) || (child.state() == QProcess::Running && waited.elapsed() < 60000))
        if ((said += child.readAllStandardOutput()).contains("ready"))
            return true;
    return false;
}

// The work in the file now, or none.
std::optional<KeptWork> workNow()
{
    QFile f(WorkFile().path());
    return f.open(QIODevice::ReadOnly) ? KeptWork::fromJson(f.readAll()) : std::nullopt;
}

} // namespace

class KeptWorkTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void workComesBackFromTheFileExactly();
    void badFilesStartAFreshLessonAndAreKeptAside_data();
    void badFilesStartAFreshLessonAndAreKeptAside();
    void randomAndTruncatedFilesStartAFreshLesson();
    void pupilCarriesOnAfterTheLessonIsStopped_data();
    void pupilCarriesOnAfterTheLessonIsStopped();
    void freshLessonKeepsTheOldWorkAside_data();
    void freshLessonKeepsTheOldWorkAside();
    void secondLessonNeverTouchesTheWork();
    void carriedOnVisitKeepsItsCount_data();
    void carriedOnVisitKeepsItsCount();
    void unreliableDiskLosesNothing_data();
    void unreliableDiskLosesNothing();
    void unwritableFolderLeavesTheLessonWorking_data();
    void unwritableFolderLeavesTheLessonWorking();

private:
    QString folder() const { return m_state->path() + QLatin1String("/lapinar"); }
    // The files of the work folder other than the work itself.
    QStringList asideFiles() const
    {
        return QDir(folder())
            .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot | QDir::Hidden)
            .filter(QStringLiteral(".bad-"));
    }

    std::unique_ptr<QTemporaryDir> m_state;
};

void KeptWorkTest::init()
{
    // Never the real home's state folder.
    m_state = std::make_unique<QTemporaryDir>();
    qputenv("XDG_STATE_HOME", m_state->path().toLocal8Bit());
    QVERIFY(QDir().mkpath(folder()));
    warnings.clear();
    otherMessages = qInstallMessageHandler(keepWarnings);
}

void KeptWorkTest::cleanup()
{
    qInstallMessageHandler(nullptr);
    m_state.reset();
}

void KeptWorkTest::workComesBackFromTheFileExactly()
{
    QCOMPARE(WorkFile::defaultFolder(), folder());
    // No state folder yet: the lesson makes it.
    QVERIFY(QDir(m_state->path()).removeRecursively());
    KeptWork work;
    work.screen = ScreenId::Island;
    work.reached = ScreenId::Finish;
    work.currentYear = 6;
    work.graphVisited = true;
    work.counted = {12, -3, 32767, -32768, 0, 5, 6, 7, 8, 9};
    work.prediction = 4;
    work.table = {"10", "", " 3e1 ", "\"quoted\"\n\r", "été", "🐇", "<b>x</b>", "\\", "\t", "0"};
    work.titleText = QStringLiteral("Lapins 🦊");
    work.graphTitle = QStringLiteral("Lapins");
    work.joined = true;
    WorkFile file;
    QVERIFY(file.write(work));
    QCOMPARE(file.read(), work);
    // Readable by the pupil alone, in a folder of the pupil's own.
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(file.path()).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0600u);
    QCOMPARE(::stat(QFile::encodeName(folder()).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0700u);

    // A text longer than any count or title is kept to its first characters, never half of one.
    work.table[0] = QString(KeptWork::MaxText - 1, QLatin1Char('1')) + QStringLiteral("🐇🐇");
    QVERIFY(file.write(work));
    QCOMPARE(file.read()->table[0], QString(KeptWork::MaxText - 1, QLatin1Char('1')));
    QCOMPARE(warnings, QStringList());
}

void KeptWorkTest::badFilesStartAFreshLessonAndAreKeptAside_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    KeptWork sample;
    sample.screen = ScreenId::Island;
    sample.reached = ScreenId::GraphForm;
    sample.currentYear = 6;
    const QByteArray good = sample.toJson();
    const auto with = [&good](const QJsonObject &changes) {
        QJsonObject o = QJsonDocument::fromJson(good).object();
        for (auto c = changes.begin(); c != changes.end(); ++c)
            o.insert(c.key(), c.value());
        return QJsonDocument(o).toJson();
    };
    const auto file = [](const char *name, const QByteArray &content) {
        QTest::newRow(name) << QStringLiteral("file") << content;
    };
    file("empty", QByteArray());
    file("truncated", good.left(good.size() / 2));
    file("not JSON", "carry on\n");
    file("a list", "[1, 2, 3]");
    file("binary", QByteArray("\x00\xff\xfe{", 4));
    file("another program's", with({{"format", QStringLiteral("Lapin")}}));
    // A newer version is left in place for the newer lesson (unreliableDiskLosesNothing).
    file("an older version", with({{"version", 0}}));
    file("version as text", with({{"version", QStringLiteral("1")}}));
    file("unknown entry", with({{"extra", 1}}));
    file("count as text", with({{"counted", QJsonArray{"1", 0, 0, 0, 0, 0, 0, 0, 0, 0}}}));
    file("nine counts", with({{"counted", QJsonArray{0, 0, 0, 0, 0, 0, 0, 0, 0}}}));
    file("count out of range", with({{"counted", QJsonArray{40000, 0, 0, 0, 0, 0, 0, 0, 0, 0}}}));
    file("count not whole", with({{"counted", QJsonArray{2.5, 0, 0, 0, 0, 0, 0, 0, 0, 0}}}));
    file("year out of range", with({{"currentYear", 12}}));
    file("fox year 11", with({{"screen", "Foxes"}, {"reached", "Foxes"}, {"currentYear", 11}}));
    file("island year 0", with({{"currentYear", 0}}));
    file("unknown screen", with({{"screen", QStringLiteral("Menu")}}));
    file("screen beyond reached", with({{"screen", QStringLiteral("Foxes")}}));
    file("prediction out of range", with({{"prediction", 5}}));
    file("flag as number", with({{"joined", 1}}));
    file("cell as number", with({{"table", QJsonArray{1, "", "", "", "", "", "", "", "", ""}}}));
    file("title too long", with({{"titleText", QString(KeptWork::MaxText + 1, QLatin1Char('x'))}}));
    file("text of megabytes", with({{"graphTitle", QString(4 << 20, QLatin1Char('x'))}}));
    QTest::newRow("folder") << QStringLiteral("folder") << QByteArray();
    QTest::newRow("symbolic link") << QStringLiteral("link") << good;
    QTest::newRow("pipe") << QStringLiteral("pipe") << QByteArray();
}

void KeptWorkTest::badFilesStartAFreshLessonAndAreKeptAside()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    WorkFile file;
    const QByteArray path = QFile::encodeName(file.path());
    if (kind == QLatin1String("file")) {
        QFile f(file.path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(file.path() + QLatin1String("/inside")));
    } else if (kind == QLatin1String("link")) {
        QFile target(m_state->path() + QLatin1String("/elsewhere.json"));
        QVERIFY(target.open(QIODevice::WriteOnly));
        target.write(content);
        QCOMPARE(::symlink(QFile::encodeName(target.fileName()).constData(), path.constData()), 0);
    } else {
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    }

    // A lesson with this file starts fresh, asking nothing.
    TestLesson t;
    KeptLesson kept(t.lesson);
    t.lesson.chain.start();
    kept.begin(false);
    QVERIFY(!kept.offer());
    QCOMPARE(t.showing()->id(), ScreenId::Intro1);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains(QLatin1String("cannot be used")), qPrintable(warnings[0]));

    // The file is kept aside as it was, and nothing is where the work goes.
    struct stat info {};
    QCOMPARE(::lstat(path.constData(), &info), -1);
    QCOMPARE(asideFiles().size(), 1);
    const QString aside = folder() + QLatin1Char('/') + asideFiles()[0];
    if (kind == QLatin1String("file")) {
        QFile f(aside);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
    } else {
        QVERIFY(QFileInfo(aside).isSymLink() == (kind == QLatin1String("link")));
    }
}

void KeptWorkTest::randomAndTruncatedFilesStartAFreshLesson()
{
    KeptWork sample;
    sample.screen = ScreenId::Foxes;
    sample.reached = ScreenId::Finish;
    sample.counted = {10, 14, 20, 30, 40, 50, 60, 70, 80, 90};
    sample.table = {"10", "14", "", "", "", "", "", "", "", "99"};
    const QByteArray good = sample.toJson();
    const quint32 seed = QRandomGenerator::global()->generate();
    qInfo("seed %u", seed);
    QRandomGenerator random(seed);
    WorkFile file;
    int refused = 0;
    for (int i = 0; i < 300; ++i) {
        QByteArray bytes = good;
        if (i % 2 == 0) {
            bytes.truncate(random.bounded(int(good.size())));
        } else {
            for (int k = random.bounded(1, 6); k > 0; --k)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
        }
        QFile f(file.path());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        const std::optional<KeptWork> work = file.read();
        if (!work) {
            ++refused;
            QVERIFY(!QFile::exists(file.path()));
            continue;
        }
        // What was taken is something the lesson could have written.
        QCOMPARE(KeptWork::fromJson(work->toJson()), work);
        QVERIFY(int(work->screen) <= int(work->reached));
        QVERIFY(work->currentYear >= 0 && work->currentYear <= 10);
        QVERIFY(work->prediction >= -1 && work->prediction <= 4);
    }
    // Every truncation is refused, and so is most random damage.
    QVERIFY2(refused >= 150, qPrintable(QString::number(refused)));
    QCOMPARE(warnings.size(), refused);
    QCOMPARE(asideFiles().size(), refused);
}

void KeptWorkTest::pupilCarriesOnAfterTheLessonIsStopped_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<int>("year");
    // Killed a second or more after the pupil went back to the island's sixth visit.
    QTest::newRow("SIGKILL on the island") << "island"
                                           << "kill" << ScreenId::Island << 6;
    // Terminated at once after typing, before a second has gone by. Stepping past the last visit
    // left the year at 11.
    QTest::newRow("SIGTERM after typing") << "results"
                                          << "terminate" << ScreenId::GraphForm << 11;
    QTest::newRow("stop sign") << "stop"
                               << "" << ScreenId::Conclusion << 11;
}

void KeptWorkTest::pupilCarriesOnAfterTheLessonIsStopped()
{
    QFETCH(QString, scenario);
    QFETCH(QString, stop);
    QFETCH(ScreenId, screen);
    QFETCH(int, year);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LAPINAR_TEST_PUPIL"), scenario);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT(
        (said += child.readAllStandardOutput()).contains("ready") || child.state() == QProcess::NotRunning, 60000);
    if (stop == QLatin1String("kill")) {
        // Killed once the visit the pupil stepped back to is in the file: the save a second after
        // a change, with no move to bring it sooner.
        QElapsedTimer since;
        since.start();
        const auto keptYear = [] {
            QFile f(WorkFile().path());
            const std::optional<KeptWork> work =
                f.open(QIODevice::ReadOnly) ? KeptWork::fromJson(f.readAll()) : std::nullopt;
            return work ? int(work->currentYear) : -1;
        };
        QTRY_COMPARE_WITH_TIMEOUT(keptYear(), year, 20000);
        qInfo("kept %lld ms after the last step", qint64(since.elapsed()));
        child.kill();
    } else if (stop == QLatin1String("terminate")) {
        child.terminate();
    }
    QVERIFY(child.state() == QProcess::NotRunning || child.waitForFinished(20000));
    if (stop != QLatin1String("kill")) {
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
    }

    TestLesson t;
    KeptLesson kept(t.lesson);
    t.lesson.chain.start();
    kept.begin(false);
    QVERIFY(kept.offer());
    QCOMPARE(kept.offer()->text()->text(), QStringLiteral("Carry on where you stopped?"));
    QCOMPARE(t.showing()->id(), ScreenId::Intro1);
    kept.offer()->yesButton()->click();

    QVERIFY(t.showing());
    QCOMPARE(screenName(t.showing()->id()), screenName(screen));
    const LAPINAR1 &state = t.lesson.state;
    QCOMPARE(state.CurrentYear, qint16(year));
    // Two rabbits counted in each of the four counting years; going on from the table puts the
    // typed numbers in their place.
    for (int y = 1; y <= 10; ++y) {
        const qint16 counted =
            screen == ScreenId::Conclusion ? CellNumber::count(TypedCells.value(y - 1)) : qint16(y <= 4 ? 2 : 0);
        QCOMPARE(state.Counted[y], counted);
    }
    QCOMPARE(static_cast<Prediction *>(t.screen(ScreenId::Prediction))->ringedIndex(), 3);
    auto *results = static_cast<GraphForm *>(t.lesson.chain.created(ScreenId::GraphForm));
    QVERIFY(results);
    for (int row = 1; row <= GraphForm::Rows; ++row)
        QCOMPARE(results->valueCell(row)->text(), TypedCells.value(row - 1));
    QCOMPARE(results->titleText()->text(), QStringLiteral("Rabbits, summer 2026"));
    QCOMPARE(results->graph()->title(), QStringLiteral("Rabbits, summer 2026"));
    QVERIFY(results->graph()->joined());
    QCOMPARE(results->actionButton(4)->text(), QStringLiteral("Plot points"));
    if (screen == ScreenId::Island)
        QCOMPARE(static_cast<Island *>(t.showing())->calendar(0)->text(), QStringLiteral("Year\n5"));
    QCOMPARE(warnings, QStringList());
}

void KeptWorkTest::freshLessonKeepsTheOldWorkAside_data()
{
    // Each start of the lesson, answered: "No", "--new-lesson" or "Escape". Every start but
    // Escape's is followed by a step, which gives the fresh lesson work of its own.
    QTest::addColumn<QStringList>("starts");
    QTest::newRow("answered No") << QStringList{"No"};
    QTest::newRow("--new-lesson") << QStringList{"--new-lesson"};
    QTest::newRow("Escape leaves the question open") << QStringList{"Escape"};
    QTest::newRow("No, No, --new-lesson") << QStringList{"No", "No", "--new-lesson"};
    QTest::newRow("seven times afresh: the newest five") << QStringList(7, QStringLiteral("No"));
}

void KeptWorkTest::freshLessonKeepsTheOldWorkAside()
{
    QFETCH(QStringList, starts);
    KeptWork work;
    work.screen = work.reached = ScreenId::Conclusion;
    work.counted[0] = 9;
    WorkFile file;
    QVERIFY(file.write(work));

    for (const QString &start : starts) {
        TestLesson t;
        KeptLesson kept(t.lesson);
        t.lesson.chain.start();
        kept.begin(start == QLatin1String("--new-lesson"));
        if (start == QLatin1String("Escape")) {
            QVERIFY(kept.offer());
            QTest::keyClick(kept.offer(), Qt::Key_Escape);
            QVERIFY(kept.offer());
            QCOMPARE(file.read(), work);
            QVERIFY(file.previousPaths().isEmpty());
            continue;
        }
        if (start == QLatin1String("No")) {
            QVERIFY(kept.offer());
            kept.offer()->noButton()->click();
        }
        QVERIFY(!kept.offer());
        QCOMPARE(t.showing()->id(), ScreenId::Intro1);
        QCOMPARE(t.lesson.state.Counted[1], qint16(0));
        QVERIFY(!QFile::exists(file.path()));
        // The fresh lesson is kept once the pupil goes on.
        press(t, 0);
        kept.saveAndFinish();
        QCOMPARE(WorkFile().read()->screen, ScreenId::Intro2);
    }
    // The oldest kept is the first lesson's work, unless more fresh starts than are kept followed it.
    const QStringList previous = file.previousPaths();
    const qsizetype afresh = starts.size() - starts.count(QStringLiteral("Escape"));
    QCOMPARE(previous.size(), std::min<qsizetype>(afresh, WorkFile::KeptPrevious));
    for (qsizetype i = 0; i < previous.size(); ++i) {
        QFile kept(previous[i]);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const bool first = i == afresh - 1;
        QCOMPARE(KeptWork::fromJson(kept.readAll())->screen, first ? ScreenId::Conclusion : ScreenId::Intro2);
    }
    QCOMPARE(warnings, QStringList());
}

void KeptWorkTest::secondLessonNeverTouchesTheWork()
{
    // The first lesson, in a process of its own, walks to the results and waits.
    QProcess first;
    QVERIFY(startPupil(first, QStringLiteral("results")));
    const auto kept = [] {
        QFile f(WorkFile().path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    // Once the walk's last step, joining the points, is kept.
    QTRY_VERIFY_WITH_TIMEOUT(workNow().value_or(KeptWork()).joined, 20000);
    const QByteArray before = kept();

    {
        TestLesson t;
        KeptLesson second(t.lesson);
        QVERIFY(!second.onlyLesson());
        // The first answers, and comes to the front.
        second.giveWay();
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains(QLatin1String("brought to the front")), qPrintable(warnings[0]));
        // A first lesson that does not answer: the second says so in a message of its own.
        ::kill(pid_t(first.processId()), SIGSTOP);
        const ModalSeen seen = answerModal(t, [&] { second.giveWay(); });
        ::kill(pid_t(first.processId()), SIGCONT);
        QCOMPARE(seen.text, QStringLiteral("This lesson is already open in another window."));
        QCOMPARE(warnings.size(), 2);
        QVERIFY2(warnings[1].contains(QLatin1String("already open (")), qPrintable(warnings[1]));
        // Even carried on regardless, it offers nothing and writes nothing.
        second.begin(false);
        QVERIFY(!second.offer());
        press(t, 0);
        second.saveAndFinish();
    }
    QCOMPARE(kept(), before);
    QVERIFY(WorkFile().previousPaths().isEmpty());

    // A killed lesson's lock does not block the next start.
    first.kill();
    QVERIFY(first.waitForFinished(20000));
    TestLesson t;
    KeptLesson next(t.lesson);
    QVERIFY(next.onlyLesson());
    t.lesson.chain.start();
    next.begin(false);
    QVERIFY(next.offer());
}

void KeptWorkTest::carriedOnVisitKeepsItsCount_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<int>("counted");
    QTest::addColumn<QString>("said");
    // The first visit has ten rabbits.
    QTest::newRow("three of ten") << "three" << 3 << "Island, year 0. Rabbits counted: 3";
    QTest::newRow("all ten") << "ten" << 10 << "Island, year 0. Rabbits counted: 10. All counted.";
}

void KeptWorkTest::carriedOnVisitKeepsItsCount()
{
    QFETCH(QString, scenario);
    QFETCH(int, counted);
    QFETCH(QString, said);
    // Rabbits counted on the first visit, and the lesson killed once they are kept.
    QProcess child;
    QVERIFY(startPupil(child, scenario));
    QTRY_COMPARE_WITH_TIMEOUT(workNow().value_or(KeptWork()).counted[0], qint16(counted), 20000);
    child.kill();
    QVERIFY(child.waitForFinished(20000));

    TestLesson t;
    KeptLesson kept(t.lesson);
    t.lesson.chain.start();
    kept.begin(false);
    QVERIFY(kept.offer());
    kept.offer()->yesButton()->click();
    QCOMPARE(t.showing()->id(), ScreenId::Island);
    auto *island = static_cast<Island *>(t.showing());
    QCOMPARE(t.lesson.state.CurrentYear, qint16(1));
    QCOMPARE(island->calendar(1)->text(), QString::number(counted));
    // The visit opens saying the count it goes on from, not 0.
    const auto *news = t.lesson.window.findChild<QWidget *>(QStringLiteral("lapinarNews"));
    QCOMPARE(news ? news->accessibleName() : QString(), said);
    // The focus came among the burrows with the carry-on: there it stays, past a year button.
    QVERIFY(QTest::qWaitForWindowActive(&t.lesson.window));
    QVERIFY(island->holeField().focusedPlace());
    // The visit's rabbits counted are counted: the count goes on from there.
    QCOMPARE(island->game().rabbitsLeft(), t.lesson.state.YearTable[1].Rabbits - counted);
    if (counted < t.lesson.state.YearTable[1].Rabbits) {
        countRabbits(island, 1);
        QCOMPARE(island->calendar(1)->text(), QString::number(counted + 1));
        ++counted;
    }
    kept.saveAndFinish();
    QCOMPARE(workNow()->counted[0], qint16(counted));
    for (int tab = 0; tab < 6 && QApplication::focusWidget() != island->cmdButton(0); ++tab)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), island->cmdButton(0));
    answerAllModals(t, [&] { QTest::keyClick(island->cmdButton(0), Qt::Key_Return); });
    QCOMPARE(t.lesson.state.CurrentYear, qint16(2));
    QVERIFY(island->holeField().focusedPlace());
}

void KeptWorkTest::unreliableDiskLosesNothing_data()
{
    QTest::addColumn<QString>("trouble");
    // A file kept by a newer lesson, offered by neither a start nor --new-lesson, written over by
    // neither.
    QTest::newRow("newer format") << "newer";
    QTest::newRow("newer format, --new-lesson") << "newer, new lesson";
    // The folder cannot be written for a moment: the save is tried again at the end.
    QTest::newRow("a save that fails once") << "fails once";
}

void KeptWorkTest::unreliableDiskLosesNothing()
{
    QFETCH(QString, trouble);
    const bool newer = trouble.startsWith(QLatin1String("newer"));
    const QByteArray newerWork = R"({"format": "Lapinar kept work", "version": 2, "screen": "Foxes"})";
    if (newer) {
        QFile file(WorkFile().path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(newerWork);
    }
    TestLesson t;
    KeptLesson kept(t.lesson);
    t.lesson.chain.start();
    kept.begin(trouble.endsWith(QLatin1String("new lesson")));
    QVERIFY(!kept.offer());
    QFile plain(folder());
    if (trouble == QLatin1String("fails once")) {
        QVERIFY(QDir(folder()).removeRecursively());
        QVERIFY(plain.open(QIODevice::WriteOnly));
    }
    press(t, 0);
    kept.saveAndFinish();
    if (trouble == QLatin1String("fails once")) {
        QVERIFY(!QFileInfo(folder()).isDir());
        QVERIFY(plain.remove());
        kept.saveAndFinish();
    }
    QFile file(WorkFile().path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray now = file.readAll();
    if (newer) {
        QCOMPARE(now, newerWork);
        QVERIFY(WorkFile().previousPaths().isEmpty());
        QVERIFY(asideFiles().isEmpty());
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains(QLatin1String("newer Lapinar")), qPrintable(warnings[0]));
    } else {
        QCOMPARE(KeptWork::fromJson(now)->screen, ScreenId::Intro2);
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains(QLatin1String("cannot be kept")), qPrintable(warnings[0]));
    }
}

void KeptWorkTest::unwritableFolderLeavesTheLessonWorking_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("a file where the state folder goes") << "file";
}

void KeptWorkTest::unwritableFolderLeavesTheLessonWorking()
{
    QFETCH(QString, kind);
    if (kind == QLatin1String("read-only")) {
        if (::geteuid() == 0) {
            runAsNobody(QStringLiteral("unwritableFolderLeavesTheLessonWorking:read-only folder"));
            return;
        }
        QVERIFY(QFile::setPermissions(folder(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QVERIFY(QDir(folder()).removeRecursively());
        QFile plain(m_state->path() + QLatin1String("/plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        qputenv("XDG_STATE_HOME", plain.fileName().toLocal8Bit());
    }

    TestLesson t;
    KeptLesson kept(t.lesson);
    t.lesson.chain.start();
    kept.begin(false);
    walkToResults(t);
    for (int step = 0; step < 30 && t.showing()->id() != ScreenId::Finish; ++step) {
        press(t, 0);
        kept.saveAndFinish();
    }
    QCOMPARE(t.showing()->id(), ScreenId::Finish);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings[0].contains(QLatin1String("cannot be kept")), qPrintable(warnings[0]));
    QFile::setPermissions(folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    if (const QString scenario = qEnvironmentVariable("LAPINAR_TEST_PUPIL"); !scenario.isEmpty())
        return pupil(scenario);
    KeptWorkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keptwork.moc"

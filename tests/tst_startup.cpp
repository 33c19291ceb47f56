// SPDX-License-Identifier: GPL-3.0-or-later
// What a school sets up outside the lesson: the settings files a technician and a pupil write, over
// which the command line has the last word, and the printed worksheet the lesson writes.
#include "language.h"
#include "lapinar1.h"
#include "settings.h"
#include "worksheet.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

// Runs a poppler tool and gives what it printed.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every run of blanks, line breaks and non-breaking spaces as one blank. Read back out of a PDF, one
// glyph drawn for two characters comes back as either: a no-break space as a space, and (Qt 6.8) a
// non-breaking hyphen as a hyphen.
QString flat(QString text)
{
    text.replace(QChar(0x00a0), QLatin1Char(' '));
    text.replace(QChar(0x2011), QChar(0x2010));
    return text.simplified();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Language::install(QStringLiteral("en")); }
    void settingsFromFilesAndCommandLine_data();
    void settingsFromFilesAndCommandLine();
    void popUpSecondsFromFileAndCommandLine_data();
    void popUpSecondsFromFileAndCommandLine();
    void worksheetHasTheQuestionsOnA4_data();
    void worksheetHasTheQuestionsOnA4();
    void worksheetThatCannotBeWrittenSaysWhy();
};

void StartupTest::settingsFromFilesAndCommandLine_data()
{
    QTest::addColumn<QString>("system"); // the system file's text; "<folder>" makes it unreadable
    QTest::addColumn<QString>("user");
    QTest::addColumn<QStringList>("options"); // --language LL, --[no-]full-screen, --[no-]read-aloud
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<bool>("keepWork");
    QTest::addColumn<QString>("warnings"); // SYSTEM and USER stand for the two files

    QTest::newRow("nothing set") << ""
                                 << "" << QStringList() << "" << false << true << "";
    QTest::newRow("system only") << "[General]\nLanguage=fr\nFullScreen=true\nKeepWork=false\n"
                                 << "" << QStringList() << "fr" << true << false << "";
    QTest::newRow("user over system") << "Language=fr\nFullScreen=true\nKeepWork=false\n"
                                      << "# mine\nLanguage = en\nKeepWork=yes\n"
                                      << QStringList() << "en" << true << true << "";
    QTest::newRow("command line over both")
        << "Language=fr\n"
        << "Language=fr\nFullScreen=false\n"
        << QStringList{"--language", "en", "--full-screen"} << "en" << true << true << "";
    QTest::newRow("--no-full-screen over the files") << "FullScreen=true\n"
                                                     << "FullScreen=true\n"
                                                     << QStringList{"--no-full-screen"} << "" << false << true << "";
    QTest::newRow("--no-read-aloud over the files, beside a screen reader kept")
        << "ReadAloud=true\nReadAloudWithScreenReader=true\n"
        << "" << QStringList{"--no-read-aloud", "--full-screen"} << "" << true << true << "";
    QTest::newRow("# comments, as a Debian example file has them")
        << "# Full screen:\n#FullScreen=true\n  # KeepWork=false\n[General]\n#Language=fr\nLanguage=\"fr\"\n"
        << "" << QStringList() << "fr" << false << true << "";
    QTest::newRow("; comments, as Qt writes them") << ";FullScreen=true\n"
                                                   << "; KeepWork=false\nKeepWork=false ; shared machines\n"
                                                   << QStringList() << "" << false << false << "";
    QTest::newRow("misspelt key") << "Fullscreen=true\nKeepWork=false\n"
                                  << "" << QStringList() << "" << false << false
                                  << "SYSTEM: unknown setting Fullscreen ignored; did you mean FullScreen?";
    QTest::newRow("unknown key") << ""
                                 << "Colour=blue\n"
                                 << QStringList() << "" << false << true
                                 << "USER: unknown setting Colour ignored; the settings are Language, FullScreen, "
                                    "KeepWork, ReadAloud, HandInFolder, SharedLogin, PopUpSeconds, "
                                    "ReadAloudWithScreenReader.";
    QTest::newRow("bad value keeps the system's")
        << "KeepWork=false\nFullScreen=true\n"
        << "KeepWork=sometimes\nLanguage=fr\n"
        << QStringList() << "fr" << true << false << "USER: KeepWork=sometimes is neither true nor false; using false.";
    QTest::newRow("language the lesson lacks")
        << "Language=fr\n"
        << "Language=de, en\n"
        << QStringList() << "fr" << false << true
        << "USER: Language=de, en is not a language the lesson speaks (en, de, es, fr); using fr.";
    QTest::newRow("unreadable file") << "<folder>"
                                     << "FullScreen=on\n"
                                     << QStringList() << "" << true << true << "SYSTEM: cannot be read; skipped.";
}

void StartupTest::settingsFromFilesAndCommandLine()
{
    QFETCH(QString, system);
    QFETCH(QString, user);
    QFETCH(QStringList, options);
    QFETCH(QString, language);
    QFETCH(bool, fullScreen);
    QFETCH(bool, keepWork);
    QFETCH(QString, warnings);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString systemFile = folder.filePath(QStringLiteral("system/lapinar/lapinar.conf"));
    const QString userFile = folder.filePath(QStringLiteral("user/lapinar/lapinar.conf"));
    for (const auto &[file, text] : {std::pair{systemFile, system}, std::pair{userFile, user}}) {
        QVERIFY(QDir().mkpath(QFileInfo(file).path()));
        if (text == QLatin1String("<folder>")) {
            // Unreadable even to root, who reads a file of any permissions.
            QVERIFY(QDir().mkpath(file));
        } else if (!text.isEmpty()) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(text.toUtf8());
        }
    }
    qputenv("XDG_CONFIG_DIRS", folder.filePath(QStringLiteral("system")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("user")).toLocal8Bit());
    QCOMPARE(Settings::files(), (QStringList{systemFile, userFile}));

    Settings::CommandLine commandLine;
    commandLine.language = options.contains(QStringLiteral("--language"))
                               ? options.value(options.indexOf(QStringLiteral("--language")) + 1)
                               : QString();
    if (options.contains(QStringLiteral("--full-screen")) || options.contains(QStringLiteral("--no-full-screen")))
        commandLine.fullScreen = options.contains(QStringLiteral("--full-screen"));
    if (options.contains(QStringLiteral("--no-read-aloud")))
        commandLine.readAloud = false;
    QStringList said;
    const Settings settings =
        Settings::read(Settings::files(), commandLine, [&](const QString &line) { said << line; });
    QCOMPARE(settings.language, language);
    QCOMPARE(settings.fullScreen, fullScreen);
    QCOMPARE(settings.keepWork, keepWork);
    QCOMPARE(settings.readAloud, false);
    QCOMPARE(settings.readAloudWithScreenReader, system.contains(QStringLiteral("ReadAloudWithScreenReader=true")));
    warnings.replace(QStringLiteral("SYSTEM"), systemFile).replace(QStringLiteral("USER"), userFile);
    QCOMPARE(said.join(QLatin1Char('\n')), warnings);
}

void StartupTest::popUpSecondsFromFileAndCommandLine_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("option"); // --pop-up-seconds; null when not given
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("warnings"); // FILE stands for the file

    QTest::newRow("the lesson's own") << "" << QString() << 1.5 << "";
    QTest::newRow("file") << "PopUpSeconds=6\n" << QString() << 6.0 << "";
    QTest::newRow("command line over file") << "PopUpSeconds=6\n"
                                            << "10" << 10.0 << "";
    QTest::newRow("too long") << "PopUpSeconds=60\n"
                              << QString() << 15.0
                              << "FILE: PopUpSeconds=60 is not a time from 1.5 to 15 seconds; using 15.";
    QTest::newRow("too short on the command line")
        << "PopUpSeconds=4\n"
        << "0" << 1.5 << "--pop-up-seconds 0 is not a time from 1.5 to 15 seconds; using 1.5.";
    QTest::newRow("not a number keeps the file's")
        << "PopUpSeconds=4\n"
        << "slow" << 4.0 << "--pop-up-seconds slow is not a time from 1.5 to 15 seconds; using 4.";
    QTest::newRow("not finite") << "PopUpSeconds=inf\n"
                                << QString() << 1.5
                                << "FILE: PopUpSeconds=inf is not a time from 1.5 to 15 seconds; using 1.5.";
}

void StartupTest::popUpSecondsFromFileAndCommandLine()
{
    QFETCH(QString, file);
    QFETCH(QString, option);
    QFETCH(double, seconds);
    QFETCH(QString, warnings);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lapinar.conf"));
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file.toUtf8());
    out.close();
    Settings::CommandLine commandLine;
    commandLine.popUpSeconds = option;
    QStringList said;
    const Settings settings = Settings::read({path}, commandLine, [&](const QString &line) { said << line; });
    QCOMPARE(settings.popUpSeconds, seconds);
    QCOMPARE(said.join(QLatin1Char('\n')), warnings.replace(QStringLiteral("FILE"), path));
}

void StartupTest::worksheetHasTheQuestionsOnA4_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : Language::available())
        QTest::newRow(qPrintable(language)) << language;
}

void StartupTest::worksheetHasTheQuestionsOnA4()
{
    QFETCH(QString, language);
    QVERIFY(Language::install(language));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("worksheet.pdf"));
    QString error;
    QVERIFY2(Worksheet::write(pdf, &error), qPrintable(error));

    const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(!info.isEmpty(), "pdfinfo (poppler-utils) did not read the worksheet");
    const QString pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1);
    QVERIFY2(pages == QLatin1String("1") || pages == QLatin1String("2"), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size:[^\\n]*\\(A4\\)"))), qPrintable(info));

    const QString text = flat(poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
    LAPINAR1 state;
    state.FillQuestions();
    for (int n = 1; n <= 8; ++n) {
        QVERIFY2(text.contains(flat(state.Questions[n].Title)), qPrintable(state.Questions[n].Title));
        QVERIFY2(text.contains(flat(state.Questions[n].Text)), qPrintable(state.Questions[n].Text));
    }
    // The results graph's axis titles and the extension's rows, as the lesson words them.
    for (const char *words : {"Number of rabbits", "Start"})
        QVERIFY2(text.contains(QCoreApplication::translate("GraphForm", words)), words);
    QVERIFY(text.contains(Worksheet::tr("Foxes")));
    // The graph's grid goes past the 104 rabbits the burrows give in year 4, to its next line.
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\\b110\\b"))), qPrintable(text));
}

void StartupTest::worksheetThatCannotBeWrittenSaysWhy()
{
    QTemporaryDir folder;
    QString error;
    QVERIFY(!Worksheet::write(folder.filePath(QStringLiteral("no such folder/worksheet.pdf")), &error));
    QVERIFY(!error.isEmpty());

    // A disk that fills half-way (files may grow to 4 KB only): the worksheet already there is left
    // whole, and nothing else is left beside it.
    const QString pdf = folder.filePath(QStringLiteral("worksheet.pdf"));
    QVERIFY(Worksheet::write(pdf));
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray whole = written.readAll();
    written.close();
    QVERIFY(whole.size() > 4096);
    rlimit before{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    error.clear();
    const bool done = Worksheet::write(pdf, &error);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!done);
    QVERIFY(!error.isEmpty());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), whole);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("worksheet.pdf")});
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"

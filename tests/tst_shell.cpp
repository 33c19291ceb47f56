// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson shell: start-up state, the moves between screens, quitting and the resetting loads.
#include "dialogs.h"
#include "island.h"
#include "keptlesson.h"
#include "prediction.h"
#include "readaloud.h"
#include "testsupport.h"

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

class ShellTest : public QObject {
    Q_OBJECT
private slots:
    void startUpStateBeforeAnyClick();
    void fillQuestionsWritesTheWorksheetTable();
    void everyButtonOfEveryScreen_data();
    void everyButtonOfEveryScreen();
    void unknownButtonIndexesDoNothing();
    void quitAnsweredNoChangesNothing();
    void quitAnsweredYesEndsTheProgram();
    void quitIsOfferedOnlyByTheStopSigns();
    void firstShowingOfExtendAndFinishClearsCounts();
    void oneFramelessCentredWindowThatCannotBeClosed();
    void informationScreensShowTheirTexts();
    void readAloudSpeaksWhatIsNew_data();
    void readAloudSpeaksWhatIsNew();
};

void ShellTest::startUpStateBeforeAnyClick()
{
    TestLesson t;
    t.lesson.state.Counted[0] = 7; // entry 0 is never touched by the reset
    t.lesson.state.Counted[4] = 9;
    t.lesson.state.GraphVisited = true;
    t.lesson.chain.start();

    const LAPINAR1 &s = t.lesson.state;
    QVERIFY(t.showing());
    QCOMPARE(t.showing()->id(), ScreenId::Intro1);
    QCOMPARE(s.CurrentYear, qint16(0));
    QCOMPARE(s.GraphVisited, false);
    for (int year = 1; year <= 10; ++year)
        QCOMPARE(s.Counted[year], qint16(0));
    QCOMPARE(s.Counted[0], qint16(7));
    QCOMPARE(s.NewLine.size(), 2);
    QCOMPARE(s.NewLine.at(0).unicode(), char16_t(10));
    QCOMPARE(s.NewLine.at(1).unicode(), char16_t(13));
    QCOMPARE(s.Questions[1].Title, QStringLiteral("1 - Populations"));
    // Only the first screen exists; the others are made when first referred to.
    for (int i = 1; i < ScreenCount; ++i)
        QVERIFY(!t.lesson.chain.created(ScreenId(i)));
    QVERIFY(!t.lesson.chain.reminderCreated());
    QVERIFY(!t.lesson.chain.questionCreated());
}

void ShellTest::fillQuestionsWritesTheWorksheetTable()
{
    LAPINAR1 s;
    s.Questions[9].Title = QStringLiteral("left over");
    s.FillQuestions();
    const QStringList titles = {"1 - Populations",
                                "2 - The experiment",
                                "3 - Predicting the result",
                                "4 - Counting the rabbits",
                                "5 - Presenting your results",
                                "6 - Conclusion",
                                "7 - Extension",
                                "8 - Making your conclusion"};
    for (int n = 1; n <= 8; ++n) {
        QCOMPARE(s.Questions[n].Title, titles[n - 1]);
        QVERIFY(s.Questions[n].Text.endsWith(QLatin1Char('.')) || s.Questions[n].Text.endsWith(QLatin1Char('?')));
    }
    QCOMPARE(s.Questions[4].Text, QStringLiteral("How can you estimate the rabbit numbers instead of trying to count "
                                                 "them all. It is something to do with the rabbit holes."));
    QCOMPARE(s.Questions[8].Text, QStringLiteral("Put the data into your own table and draw a graph showing the "
                                                 "rabbit and the fox numbers. Why did the populations change?"));
    QVERIFY(s.Questions[9].Title.isEmpty() && s.Questions[9].Text.isEmpty());
    QVERIFY(s.Questions[10].Title.isEmpty() && s.Questions[10].Text.isEmpty());
    const auto before = s.Questions;
    s.FillQuestions();
    QVERIFY(before == s.Questions);
}

void ShellTest::everyButtonOfEveryScreen_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("yearBefore");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("opens");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("yearAfter");

    const auto row = [](const char *name, ScreenId from, int yearBefore, int button, const char *opens, ScreenId to,
                        int yearAfter) {
        QTest::newRow(name) << int(from) << yearBefore << button << QString::fromLatin1(opens) << int(to) << yearAfter;
    };
    const char *quit = "Do you really want to leave Lapinar?";
    const int any = 5;
    row("Intro1 >>", ScreenId::Intro1, any, 0,
        "Remember that each screen has a question on your worksheet. Have you answered the first one?",
        ScreenId::Intro2, any);
    row("Intro1 stop", ScreenId::Intro1, any, 1, quit, ScreenId::Intro1, any);
    row("Intro2 Prediction", ScreenId::Intro2, any, 0, "", ScreenId::Prediction, any);
    row("Intro2 <<", ScreenId::Intro2, any, 1, "", ScreenId::Intro1, any);
    row("Prediction >>", ScreenId::Prediction, any, 0, "Make sure that you have written your prediction down.",
        ScreenId::Intro3, any);
    row("Prediction <<", ScreenId::Prediction, any, 1, "", ScreenId::Intro2, any);
    row("Intro3 >>", ScreenId::Intro3, any, 0, "", ScreenId::Island, 1);
    row("Intro3 <<", ScreenId::Intro3, any, 1, "", ScreenId::Prediction, any);
    row("Island Next year", ScreenId::Island, 4, 0, "", ScreenId::Island, 5);
    row("Island Last year", ScreenId::Island, 4, 1, "", ScreenId::Island, 3);
    row("Island >> on the last visit", ScreenId::Island, 10, 0, "", ScreenId::GraphForm, 11);
    row("Island << on the first visit", ScreenId::Island, 1, 1, "", ScreenId::Intro3, 0);
    row("GraphForm >>", ScreenId::GraphForm, any, 0, "", ScreenId::Conclusion, any);
    row("GraphForm <<", ScreenId::GraphForm, 3, 1, "", ScreenId::Island, 10);
    row("Conclusion Extension", ScreenId::Conclusion, any, 0, "", ScreenId::Extend, any);
    row("Conclusion <<", ScreenId::Conclusion, any, 1, "", ScreenId::GraphForm, any);
    row("Conclusion stop", ScreenId::Conclusion, any, 2, quit, ScreenId::Conclusion, any);
    row("Extend >>", ScreenId::Extend, any, 0, "", ScreenId::Foxes, 0);
    row("Extend <<", ScreenId::Extend, any, 1, "", ScreenId::Conclusion, any);
    row("Foxes Next year", ScreenId::Foxes, 0, 0, "", ScreenId::Foxes, 1);
    row("Foxes Last year", ScreenId::Foxes, 7, 1, "", ScreenId::Foxes, 6);
    row("Foxes >> in the last year", ScreenId::Foxes, 10, 0, "", ScreenId::Finish, 11);
    row("Foxes << in the first year", ScreenId::Foxes, 0, 1, "", ScreenId::Extend, -1);
    row("Finish <<", ScreenId::Finish, any, 0, "", ScreenId::Foxes, 10);
    row("Finish stop", ScreenId::Finish, any, 1, quit, ScreenId::Finish, any);
}

void ShellTest::everyButtonOfEveryScreen()
{
    QFETCH(int, from);
    QFETCH(int, yearBefore);
    QFETCH(int, button);
    QFETCH(QString, opens);
    QFETCH(int, to);
    QFETCH(int, yearAfter);

    TestLesson t;
    t.lesson.chain.start();
    LessonScreen *source = t.screen(ScreenId(from));
    if (source != t.showing())
        t.lesson.chain.move(t.showing(), ScreenId(from));
    QCOMPARE(t.showing(), source);
    // The island and fox screens lay out the year they are shown with; start from the one wanted.
    t.lesson.state.CurrentYear = qint16(yearBefore);
    if (ScreenId(from) == ScreenId::Island || ScreenId(from) == ScreenId::Foxes)
        source->activate();
    if (ScreenId(from) == ScreenId::Prediction)
        QTest::mouseClick(static_cast<Prediction *>(source)->predictionText(2), Qt::LeftButton);

    // While the target activates, the screen the move started from must still be showing.
    QStringList showingAtActivation;
    connect(&t.lesson.chain, &ScreenChain::screenActivated, this, [&](ScreenId id) {
        if (id == ScreenId(to))
            for (LessonScreen *s : t.lesson.chain.visibleScreens())
                showingAtActivation << screenName(s->id());
    });

    QString faultWhileOpen = QStringLiteral("nothing opened");
    const ModalSeen seen = answerModal(t, [&] {
        QObject stackGuard; // a shot that never fires is dropped with this frame
        QTimer::singleShot(0, &stackGuard, [&] { faultWhileOpen = oneWindowFault(t); });
        QPushButton *pressed = source->cmdButton(button);
        if (!opens.isEmpty()) {
            QTest::mouseClick(pressed, Qt::LeftButton);
            return;
        }
        // A double-click through the window, as a pupil makes it: its second press lands on whatever
        // the first click left under the pointer, and must not press it.
        QWindow *window = t.lesson.window.windowHandle();
        QTest::mouseDClick(window, Qt::LeftButton, {}, pressed->mapTo(&t.lesson.window, pressed->rect().center()));
    });
    QCOMPARE(seen.text, opens);
    if (!opens.isEmpty()) {
        QCOMPARE(faultWhileOpen, QString());
        // Nothing moved while the reminder or question was open.
        QCOMPARE(seen.visibleScreens, QStringList{screenName(ScreenId(from))});
    }
    QVERIFY(t.showing());
    QCOMPARE(screenName(t.showing()->id()), screenName(ScreenId(to)));
    if (to != from) {
        QVERIFY(showingAtActivation.contains(screenName(ScreenId(from))));
        QVERIFY(showingAtActivation.contains(screenName(ScreenId(to))));
    }
    QCOMPARE(int(t.lesson.state.CurrentYear), yearAfter);
    QCOMPARE(oneWindowFault(t), QString());
    QVERIFY(!t.ended);
}

void ShellTest::unknownButtonIndexesDoNothing()
{
    TestLesson t;
    t.lesson.chain.start();
    LessonScreen *intro1 = t.showing();
    QVERIFY(!intro1->cmdButton(2));
    QVERIFY(!intro1->cmdButton(-1));
    QCOMPARE(t.showing(), intro1);
}

void ShellTest::quitAnsweredNoChangesNothing()
{
    for (ScreenId id : {ScreenId::Intro1, ScreenId::Conclusion, ScreenId::Finish}) {
        TestLesson t;
        t.lesson.chain.start();
        if (id != ScreenId::Intro1)
            t.lesson.chain.move(t.showing(), id);
        t.lesson.state.Counted[3] = 12;
        t.lesson.state.CurrentYear = 4;
        LessonScreen *screen = t.showing();
        const int stop = id == ScreenId::Conclusion ? 2 : 1;

        const ModalSeen seen = answerModal(
            t, [&] { screen->cmdButton(stop)->click(); }, QStringLiteral("No"));
        QCOMPARE(seen.kind, QStringLiteral("message box"));
        QCOMPARE(seen.text, QStringLiteral("Do you really want to leave Lapinar?"));
        QCOMPARE(seen.title, QStringLiteral("Lapinar"));
        QCOMPARE(seen.icon, int(QMessageBox::Critical));
        QCOMPARE(seen.buttons.size(), 2);
        QVERIFY(seen.buttons.contains(QStringLiteral("Yes")) && seen.buttons.contains(QStringLiteral("No")));
        QCOMPARE(seen.defaultButton, QStringLiteral("No"));

        QVERIFY(!t.ended);
        QCOMPARE(t.showing(), screen);
        QCOMPARE(t.lesson.state.Counted[3], qint16(12));
        QCOMPARE(t.lesson.state.CurrentYear, qint16(4));
    }
}

void ShellTest::quitAnsweredYesEndsTheProgram()
{
    TestLesson t;
    t.lesson.chain.start();
    answerModal(
        t, [&] { t.showing()->cmdButton(1)->click(); }, QStringLiteral("Yes"));
    QVERIFY(t.ended);
}

void ShellTest::quitIsOfferedOnlyByTheStopSigns()
{
    // Every stop sign is a picture button with no caption, spoken as "Quit".
    TestLesson t;
    const QList<std::pair<ScreenId, int>> stops = {
        {ScreenId::Intro1, 1}, {ScreenId::Conclusion, 2}, {ScreenId::Finish, 1}};
    for (auto [id, index] : stops) {
        QPushButton *stop = t.screen(id)->cmdButton(index);
        QVERIFY(stop);
        QVERIFY(stop->text().isEmpty());
        QVERIFY(!stop->icon().isNull());
        QCOMPARE(stop->accessibleName(), QStringLiteral("Quit"));
    }
}

void ShellTest::firstShowingOfExtendAndFinishClearsCounts()
{
    for (ScreenId resetting : {ScreenId::Extend, ScreenId::Finish}) {
        TestLesson t;
        t.lesson.chain.start();
        auto fill = [&] {
            for (int y = 0; y <= 10; ++y)
                t.lesson.state.Counted[y] = qint16(y + 20);
            t.lesson.state.GraphVisited = true;
        };
        fill();
        t.lesson.chain.move(t.showing(), resetting);
        for (int y = 1; y <= 10; ++y)
            QCOMPARE(t.lesson.state.Counted[y], qint16(0));
        QCOMPARE(t.lesson.state.Counted[0], qint16(20));
        QVERIFY(!t.lesson.state.GraphVisited);

        // A second showing loads nothing again, so nothing is cleared.
        t.lesson.chain.move(t.showing(), ScreenId::Intro1);
        fill();
        t.lesson.chain.move(t.showing(), resetting);
        QCOMPARE(t.lesson.state.Counted[5], qint16(25));
        QVERIFY(t.lesson.state.GraphVisited);
        QCOMPARE(t.lesson.state.Questions[7].Title, QStringLiteral("7 - Extension"));
    }
}

void ShellTest::oneFramelessCentredWindowThatCannotBeClosed()
{
    TestLesson t;
    t.lesson.chain.start();
    LessonWindow &window = t.lesson.window;
    const QRect display = QGuiApplication::primaryScreen()->geometry();
    const QPoint centred(display.left() + int(std::floor((display.width() - 646) / 2.0)),
                         display.top() + int(std::floor((display.height() - 486) / 2.0)));
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.size(), QSize(646, 486));
    QCOMPARE(window.pages()->geometry(), QRect(3, 3, 640, 480));
    QCOMPARE(window.pos(), centred);
    // Every screen is a page of that window, filling its client area.
    for (int i = 0; i < ScreenCount; ++i) {
        LessonScreen *screen = t.screen(ScreenId(i));
        QVERIFY(!screen->isWindow());
        QCOMPARE(screen->window(), &window);
        QCOMPARE(screen->geometry(), QRect(0, 0, 640, 480));
    }
    // On a display of the lesson's own size the client area starts at the display's corner.
    if (display.size() == QSize(640, 480))
        QCOMPARE(window.pages()->mapToGlobal(QPoint(0, 0)), QPoint(0, 0));

    QVERIFY(!window.close());
    QVERIFY(window.isVisible());

    // F11: the lesson at its size in the middle of the whole display, and back again.
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(window.windowHandle(), Qt::Key_F11);
    QVERIFY(window.isFullScreenLesson());
    QTRY_COMPARE(window.geometry(), display);
    QCOMPARE(window.pages()->size(), QSize(640, 480));
    QCOMPARE(window.pages()->geometry().center(), window.rect().center());
    QTest::keyClick(window.windowHandle(), Qt::Key_F11);
    QVERIFY(!window.isFullScreenLesson());
    QTRY_COMPARE(window.geometry(), QRect(centred, QSize(646, 486)));
    QCOMPARE(window.pages()->geometry(), QRect(3, 3, 640, 480));
    QCOMPARE(oneWindowFault(t), QString());
}

void ShellTest::informationScreensShowTheirTexts()
{
    TestLesson t;
    auto texts = [&](ScreenId id) {
        QStringList all;
        for (QLabel *label : t.screen(id)->findChildren<QLabel *>())
            if (!label->text().isEmpty())
                all << label->text();
        return all;
    };
    QVERIFY(texts(ScreenId::Intro1).contains(QStringLiteral("Your job is to find out about rabbit populations.")));
    QVERIFY(texts(ScreenId::Intro2).contains(QStringLiteral("First, you need to predict what you think will happen.")));
    QVERIFY(texts(ScreenId::Extend).contains(QStringLiteral("Foxes and Lapinar")));
    QVERIFY(texts(ScreenId::Finish)
                .contains(QStringLiteral("Click on the question button to find out what you need to do.")));
    QCOMPARE(texts(ScreenId::Finish).size(), 3);

    // Every text fits its label: no wrapped line runs out of the bottom, and a single line's ink
    // lies inside the label wherever its alignment puts the line.
    for (ScreenId id : {ScreenId::Intro1, ScreenId::Intro2, ScreenId::Extend, ScreenId::Finish}) {
        for (QLabel *label : t.screen(id)->findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                continue;
            const QFontMetrics metrics = label->fontMetrics();
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(screenName(id) + ": " + label->text()));
                continue;
            }
            const int baseline =
                label->alignment().testFlag(Qt::AlignBottom) ? label->height() - metrics.descent() : metrics.ascent();
            const QRect ink = metrics.tightBoundingRect(label->text()).translated(0, baseline);
            QVERIFY2(ink.top() >= 0 && ink.bottom() < label->height(), qPrintable(label->text()));
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
        }
    }
}

// A voice that writes down what it is asked to say.
struct RecordingVoice : SpeechEngine {
    explicit RecordingVoice(QStringList &log) : m_log(log) {}
    void say(const QString &text) override { m_log << QStringLiteral("say ") + text; }
    void stop() override { m_log << QStringLiteral("stop"); }
    QStringList &m_log;
};

void ShellTest::readAloudSpeaksWhatIsNew_data()
{
    // Steps: "key" presses F9; "next" leaves the screen by ">>", closing the reminder; "question"
    // opens and closes the worksheet question; "click" clicks the screen's first text; "no voice"
    // makes the voice find no speaker for the language. What is heard names the screen whose
    // instructions are said, or what else is said.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("heard");
    const auto list = [](const char *text) { return QString::fromLatin1(text).split(QLatin1Char(',')); };
    QTest::newRow("off: nothing, and no voice is made") << list("next,question,click") << QStringList();
    QTest::newRow("on: the screen showing") << list("key") << list("say Intro1");
    QTest::newRow("off again: silent at once") << list("key,key,next") << list("say Intro1,stop");
    QTest::newRow("reminder, then the next screen")
        << list("key,next") << list("say Intro1,say reminder,stop,say Intro2");
    QTest::newRow("question, then silence") << list("key,question") << list("say Intro1,say question,stop");
    QTest::newRow("a clicked text") << list("key,click") << list("say Intro1,say clicked");
    QTest::newRow("buttons tabbed to") << list("key,tab,tab") << list("say Intro1,say tab1,say tab2");
    QTest::newRow("a button the mouse rests on") << list("key,rest") << list("say Intro1,say rested");
    QTest::newRow("off: buttons silent") << list("tab,rest") << QStringList();
    QTest::newRow("no voice: said once, stays off") << list("no voice,key,key,next") << list("message");
    // "carry on" offers kept work and answers Yes; "panel" opens a message panel; "quit" asks the
    // quit question, answered No; "Island" and "Foxes" go there; "year" steps a year on; "count"
    // counts a rabbit.
    QTest::newRow("carry-on question, then the kept screen")
        << list("key,carry on") << list("say Intro1,say carry on,stop,say Intro2");
    QTest::newRow("a message panel") << list("key,panel") << list("say Intro1,say panel,stop");
    QTest::newRow("quit question") << list("key,quit") << list("say Intro1,say quit,stop");
    QTest::newRow("island year and count")
        << list("key,Island,year,count") << list("say Intro1,say Island,say year,say count");
    QTest::newRow("fox year") << list("key,Foxes,year") << list("say Intro1,say Foxes,say year");
    // "screen reader" starts one, "no screen reader" ends it; "both" is the teacher asking for both voices.
    QTest::newRow("beside a screen reader: quiet") << list("screen reader,key,next,question") << QStringList();
    QTest::newRow("a screen reader starting silences it at once")
        << list("key,screen reader,next") << list("say Intro1,stop");
    QTest::newRow("the screen reader ended: it speaks again")
        << list("screen reader,key,no screen reader") << list("say Intro1");
    QTest::newRow("the teacher asked for both") << list("both,screen reader,key") << list("say Intro1");
}

void ShellTest::readAloudSpeaksWhatIsNew()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, heard);
    QTemporaryDir folder;
    TestLesson t;
    std::optional<KeptLesson> kept;
    QStringList log;
    int voicesMade = 0;
    bool voiceFound = true;
    t.lesson.readAloud.setEngineMaker([&](const QLocale &, const std::function<void(const QString &)> &unavailable) {
        ++voicesMade;
        if (!voiceFound)
            unavailable(QStringLiteral("no voice"));
        return std::make_unique<RecordingVoice>(log);
    });
    t.lesson.chain.start();

    QMap<QString, QString> said;
    int tabs = 0;
    bool screenReader = false, both = false;
    for (const QString &step : steps) {
        LessonScreen *screen = t.showing();
        said[screenName(screen->id())] = screen->instructions();
        if (step == QLatin1String("key")) {
            const QList<ModalSeen> seen = answerAllModals(t, [&] {
                QTest::keyClick(t.lesson.window.windowHandle(), ReadAloud::Key);
                QTest::qWait(0);
            });
            if (!seen.isEmpty())
                log << QStringLiteral("message");
            // A screen reader hears what the key did.
            const auto *news = t.lesson.window.findChild<QWidget *>(QStringLiteral("lapinarNews"));
            if (seen.isEmpty() && voiceFound)
                QCOMPARE(news ? news->accessibleName() : QString(),
                         !t.lesson.readAloud.isOn() ? QStringLiteral("Reading aloud is off")
                         : screenReader && !both ? QStringLiteral("Reading aloud is quiet while a screen reader speaks")
                                                 : QStringLiteral("Reading aloud is on"));
        } else if (step == QLatin1String("next")) {
            said[QStringLiteral("reminder")] = answerModal(t, [&] { screen->cmdButton(0)->click(); }).text;
            said[screenName(t.showing()->id())] = t.showing()->instructions();
        } else if (step == QLatin1String("question")) {
            const ModalSeen seen = answerModal(t, [&] { screen->questionButton()->click(); });
            said[QStringLiteral("question")] = (seen.title + QLatin1Char(' ') + seen.text).simplified();
        } else if (step == QLatin1String("click")) {
            QLabel *text = screen->findChildren<QLabel *>().value(0);
            for (QLabel *label : screen->findChildren<QLabel *>())
                if (!label->text().isEmpty() && label->pixmap().isNull())
                    text = label;
            said[QStringLiteral("clicked")] = text->text().simplified();
            QTest::mouseClick(text, Qt::LeftButton);
        } else if (step == QLatin1String("tab")) {
            // A button says what a screen reader says for it.
            QVERIFY(QTest::qWaitForWindowActive(&t.lesson.window));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            said[QStringLiteral("tab%1").arg(++tabs)] =
                QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name);
        } else if (step == QLatin1String("rest")) {
            QVERIFY(QTest::qWaitForWindowActive(&t.lesson.window));
            QTest::mouseMove(screen->cmdButton(0));
            QTest::qWait(ReadAloud::RestMs + 200);
            said[QStringLiteral("rested")] = QStringLiteral("Next screen");
        } else if (step == QLatin1String("screen reader") || step == QLatin1String("no screen reader")) {
            screenReader = step == QLatin1String("screen reader");
            t.lesson.readAloud.setScreenReaderRuns(screenReader);
        } else if (step == QLatin1String("both")) {
            both = true;
            t.lesson.readAloud.setBesideScreenReader(true);
        } else if (step == QLatin1String("no voice")) {
            voiceFound = false;
        } else if (step == QLatin1String("carry on")) {
            KeptWork work;
            work.screen = work.reached = ScreenId::Intro2;
            QVERIFY(WorkFile(folder.path()).write(work));
            kept.emplace(t.lesson, folder.path());
            kept->begin(false);
            QVERIFY(kept->offer());
            said[QStringLiteral("carry on")] = kept->offer()->text()->text();
            kept->offer()->yesButton()->click();
            said[screenName(t.showing()->id())] = t.showing()->instructions();
        } else if (step == QLatin1String("panel")) {
            said[QStringLiteral("panel")] =
                answerModal(t, [&] { t.lesson.chain.information(QStringLiteral("You missed.")); }).text;
        } else if (step == QLatin1String("quit")) {
            said[QStringLiteral("quit")] = answerModal(
                                               t, [&] { t.lesson.chain.confirmQuit(); }, QStringLiteral("No"))
                                               .text;
        } else if (step == QLatin1String("Island") || step == QLatin1String("Foxes")) {
            const bool island = step == QLatin1String("Island");
            t.lesson.state.CurrentYear = island ? 2 : 0;
            t.lesson.chain.move(screen, island ? ScreenId::Island : ScreenId::Foxes);
            said[step] = t.showing()->instructions();
        } else if (step == QLatin1String("year")) {
            answerAllModals(t, [&] { screen->cmdButton(0)->click(); });
            said[step] = t.showing()->screenName() + QStringLiteral(". ") + t.showing()->instructions();
        } else if (step == QLatin1String("count")) {
            auto *island = static_cast<Island *>(screen);
            island->popupTick();
            for (int h = 1; h <= 65; ++h)
                if (island->hole(h)->tag() == QLatin1String("up"))
                    QTest::mouseClick(island->hole(h), Qt::LeftButton);
            said[step] = island->instructions();
            QCOMPARE(said[step], QStringLiteral("Rabbits counted: 1"));
        }
    }
    QStringList expected;
    for (const QString &h : heard)
        expected << (h.startsWith(QLatin1String("say ")) ? QStringLiteral("say ") + said.value(h.mid(4)) : h);
    QCOMPARE(log, expected);
    QCOMPARE(voicesMade, steps.contains(QLatin1String("key")) ? 1 : 0);
    QCOMPARE(t.lesson.readAloud.isOn(), steps.count(QLatin1String("key")) == 1 && voiceFound);
}

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"

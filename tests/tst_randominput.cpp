// SPDX-License-Identifier: GPL-3.0-or-later
// The whole lesson under a long stream of random pupil input: clicks anywhere on whichever window is
// on top (screens, dialogs, message boxes), keys and text into whatever has the focus, and pop-up
// ticks. The quit question is always answered No. After every event the lesson's invariants are
// checked. LAPINAR_RANDOM_SEED replays a seed exactly; LAPINAR_RANDOM_EVENTS sets the length
// (20,000 by default; a long run uses 1,000,000).
#include "dialogs.h"
#include "foxes.h"
#include "graphform.h"
#include "intro3.h"
#include "island.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>
#include <QtTest>
#include <random>

namespace {

const QString QuitQuestion = QStringLiteral("Do you really want to leave Lapinar?");

// Swallows the real pop-up timer's ticks so that a run depends on its seed alone; the driver ticks.
class NoRealTicks : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Timer; }
};

class Driver : public QObject {
public:
    Driver(TestLesson &t, std::uint64_t seed, qint64 events) : m_t(t), m_rng(seed), m_target(events) {}

    // Runs the whole stream; returns an empty string when every invariant held.
    QString run()
    {
        QEventLoop loop;
        m_loop = &loop;
        m_sinceLastEvent.start();
        scheduleStep();
        loop.exec();
        return m_failure;
    }
    qint64 eventsDone() const { return m_done; }

private:
    std::uint64_t pick(std::uint64_t n) { return std::uniform_int_distribution<std::uint64_t>(0, n - 1)(m_rng); }
    bool chance(int percent) { return int(pick(100)) < percent; }

    // Each event is its own timer, so the stream goes on inside the nested loops of dialogs and
    // message boxes. A real timer, not a posted call: posted calls can wait behind the posted event
    // being delivered when a modal loop opened inside it. A zero timer, so that the stream never
    // sleeps: on a busy machine every wake-up can come late, and 20,000 of them add up to minutes.
    void scheduleStep()
    {
        auto *next = new QTimer(this);
        next->setSingleShot(true);
        connect(next, &QTimer::timeout, this, [this, next] {
            next->deleteLater();
            step();
        });
        next->start(0);
    }

    void step()
    {
        // QTest's clicks and keys run the event loop once after delivering: a step due then waits
        // for the event before it to end. One in a dialog's own loop, opened by that event, goes on.
        const int level = QThread::currentThread()->loopLevel();
        if (level == m_actingAtLevel) {
            scheduleStep();
            return;
        }
        const bool finishing = !m_failure.isEmpty() || m_done >= m_target;
        QWidget *modal = openModal(m_t);
        if (finishing && !modal) {
            m_loop->quit();
            return;
        }
        scheduleStep();
        // A button pressed from the keyboard (Esc in a message box, a mnemonic) clicks itself a
        // moment later: let it finish before the next event, so that a seed replays exactly.
        // One stuck down for good is a fault of its own, and the stream is wound up without it.
        for (QWidget *widget : QApplication::allWidgets())
            if (auto *button = qobject_cast<QAbstractButton *>(widget);
                button && button->isDown() && button->isVisible() && m_failure.isEmpty()) {
                if (m_sinceLastEvent.hasExpired(30000))
                    fail(QStringLiteral("\"%1\" stayed pressed for 30 s").arg(button->text()));
                return;
            }
        m_sinceLastEvent.start();
        if (finishing) {
            closeUsually(modal);
            return;
        }
        ++m_done;
        if (m_trace)
            qInfo("event %lld, modal %s, screen %s", m_done, modal ? modal->metaObject()->className() : "none",
                  m_t.showing() ? qPrintable(screenName(m_t.showing()->id())) : "?");
        const int outer = std::exchange(m_actingAtLevel, level);
        act(modal);
        m_actingAtLevel = outer;
        check();
    }

    void closeUsually(QWidget *modal)
    {
        if (auto *box = qobject_cast<MessagePanel *>(modal)) {
            (box->text() == QuitQuestion ? box->button(QMessageBox::No) : box->buttons().value(0))->click();
        } else if (auto *reminder = qobject_cast<ReminderDialog *>(modal)) {
            reminder->okButton()->click();
        } else if (auto *question = qobject_cast<QuestionDialog *>(modal)) {
            question->CloseButton->click();
        } else {
            modal->hide();
        }
    }

    void act(QWidget *modal)
    {
        if (auto *box = qobject_cast<MessagePanel *>(modal); box && box->text() == QuitQuestion) {
            box->button(QMessageBox::No)->click();
            return;
        }
        LessonScreen *screen = m_t.showing();
        QWidget *top = modal ? modal : screen;
        if (!top)
            return;
        const int kind = int(pick(100));
        if (kind < 45)
            clickSomewhere(modal && chance(5) ? screen : top); // now and then at a screen a dialog covers
        else if (kind < 65)
            pressKey(top);
        else if (kind < 75)
            typeText(top);
        else
            tick();
    }

    // A click somewhere on `area` (a screen, a panel or a message box), through its window.
    void clickSomewhere(QWidget *area)
    {
        QWidget *window = area ? area->window() : nullptr;
        if (!window || !window->windowHandle())
            return;
        QPoint at;
        // Half the clicks aim at a control so that the lesson really moves on; the rest fall anywhere.
        const QList<QWidget *> controls = area->findChildren<QWidget *>();
        QList<QWidget *> visible;
        for (QWidget *w : controls)
            if (w->isVisible() && w->width() > 0)
                visible << w;
        if (!visible.isEmpty() && chance(60)) {
            QWidget *w = visible.at(qsizetype(pick(std::uint64_t(visible.size()))));
            at = w->mapTo(window, QPoint(int(pick(std::uint64_t(w->width()))), int(pick(std::uint64_t(w->height())))));
        } else {
            at = area->mapTo(window,
                             QPoint(int(pick(std::uint64_t(area->width()))), int(pick(std::uint64_t(area->height())))));
        }
        const Qt::MouseButton button = chance(90) ? Qt::LeftButton : Qt::RightButton;
        if (m_trace) {
            QWidget *hit = window->childAt(at);
            auto *b = qobject_cast<QAbstractButton *>(hit);
            qInfo("  click %d,%d on %s %s (year %d)", at.x(), at.y(), hit ? hit->metaObject()->className() : "window",
                  b ? qPrintable(b->text()) : "", m_t.lesson.state.CurrentYear);
        }
        QTest::mouseClick(window->windowHandle(), button, {}, at);
        // A quick second click makes a double-click, as long as the window is still there for it.
        if (chance(10) && window->isVisible())
            QTest::mouseClick(window->windowHandle(), button, {}, at);
    }

    void pressKey(QWidget *area)
    {
        QWidget *window = area->window();
        static const Qt::Key keys[] = {
            Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape, Qt::Key_Tab,   Qt::Key_Backtab,
            Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Left,   Qt::Key_Right, Qt::Key_Space,
            Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home,   Qt::Key_End,   Qt::Key_C,
            Qt::Key_A,         Qt::Key_V,      Qt::Key_X,      Qt::Key_Z,     Qt::Key_F4,
            Qt::Key_1,         Qt::Key_5,      Qt::Key_Period, Qt::Key_Minus, Qt::Key_E};
        const Qt::Key key = keys[pick(std::size(keys))];
        Qt::KeyboardModifiers modifiers;
        if (chance(10))
            modifiers |= Qt::AltModifier;
        if (chance(10))
            modifiers |= Qt::ControlModifier;
        if (chance(10))
            modifiers |= Qt::ShiftModifier;
        if (m_trace)
            qInfo("  key %s to %s", qPrintable(QKeySequence(int(key) | int(modifiers)).toString()),
                  window->focusWidget() ? window->focusWidget()->metaObject()->className() : "window");
        if (window->windowHandle())
            QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    void typeText(QWidget *area)
    {
        QWidget *window = area->window();
        static const QString alphabet = QStringLiteral("0123456789012345 .,-+eE\tabcxyz\u00e9\u20ac\u4e2d");
        QString text;
        const int length = 1 + int(pick(12));
        for (int i = 0; i < length; ++i)
            text += alphabet.at(qsizetype(pick(std::uint64_t(alphabet.size()))));
        if (chance(2))
            text = QStringLiteral("1e999999").repeated(1 + int(pick(50)));
        QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, focus, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    void tick()
    {
        // The pop-up timers run whether their screen shows or not.
        if (auto *island = static_cast<Island *>(m_t.lesson.chain.created(ScreenId::Island)))
            island->popupTick();
        if (auto *practice = static_cast<Intro3 *>(m_t.lesson.chain.created(ScreenId::Intro3)))
            practice->popupTick();
    }

    void fail(const QString &why)
    {
        if (m_failure.isEmpty())
            m_failure = QStringLiteral("after event %1: %2").arg(m_done).arg(why);
    }

    void check()
    {
        const LAPINAR1 &s = m_t.lesson.state;
        if (m_t.ended)
            fail(QStringLiteral("the program ended"));
        const QList<LessonScreen *> showing = m_t.lesson.chain.visibleScreens();
        if (showing.size() != 1) {
            fail(QStringLiteral("%1 lesson screens showing").arg(showing.size()));
            return;
        }
        LessonScreen *screen = showing.first();
        // While a panel or message box is open the screen beneath takes no input, so none opens another.
        int modals = m_t.lesson.window.openPanel() ? 1 : 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            modals += w->isVisible() && w->isModal();
        if (modals > 1)
            fail(QStringLiteral("%1 modal windows or panels open at once").arg(modals));
        if (const QString fault = oneWindowFault(m_t); !fault.isEmpty())
            fail(fault);
        if (s.CurrentYear < -1 || s.CurrentYear > 11)
            fail(QStringLiteral("CurrentYear %1").arg(s.CurrentYear));

        // Every window where the lesson put it, at its size.
        const QRect display = QGuiApplication::primaryScreen()->geometry();
        const QRect expected(display.left() + int(std::floor((display.width() - 646) / 2.0)),
                             display.top() + int(std::floor((display.height() - 486) / 2.0)), 646, 486);
        if (m_t.lesson.window.geometry() != expected)
            fail(QStringLiteral("the lesson window moved or resized"));
        if (screen->geometry() != QRect(0, 0, 640, 480))
            fail(QStringLiteral("%1 moved or resized").arg(screenName(screen->id())));
        if (m_t.lesson.chain.questionCreated() && m_t.lesson.chain.questionDialog().size() != QSize(318, 292))
            fail(QStringLiteral("question dialog resized"));
        if (m_t.lesson.chain.reminderCreated() &&
            m_t.lesson.chain.reminderDialog().geometry().size() != QSize(400, 200))
            fail(QStringLiteral("reminder dialog resized"));

        if (auto *island = static_cast<Island *>(m_t.lesson.chain.created(ScreenId::Island))) {
            const PopupGame &game = island->game();
            int showingRabbits = 0;
            for (int h = 1; h <= 65; ++h) {
                const QString tag = island->hole(h)->tag();
                showingRabbits += tag == QLatin1String("up") || tag == QLatin1String("marked");
            }
            if (showingRabbits > 1)
                fail(QStringLiteral("%1 rabbits up at once on the island").arg(showingRabbits));
            if (screen->id() == ScreenId::Island) {
                if (s.CurrentYear < 1 || s.CurrentYear > 10)
                    fail(QStringLiteral("island showing year %1").arg(s.CurrentYear));
                else if (game.yearCount() > s.YearTable[std::size_t(s.CurrentYear)].Rabbits || game.rabbitsLeft() < 0)
                    fail(QStringLiteral("island count %1 with %2 left").arg(game.yearCount()).arg(game.rabbitsLeft()));
                if (island->calendar(1)->text() != QString::number(game.yearCount()))
                    fail(QStringLiteral("island counter reads %1").arg(island->calendar(1)->text()));
                // The island's record never lowers a count.
                if (m_lastScreen == ScreenId::Island)
                    for (int y = 1; y <= 10; ++y)
                        if (s.Counted[std::size_t(y)] < m_lastCounted[std::size_t(y)])
                            fail(QStringLiteral("the island lowered the count of year %1").arg(y));
            }
        }
        if (auto *practice = static_cast<Intro3 *>(m_t.lesson.chain.created(ScreenId::Intro3))) {
            int up = 0;
            for (int h = 0; h <= 2; ++h)
                up += practice->hole(h)->tag() == QLatin1String("up");
            if (up > 1)
                fail(QStringLiteral("%1 practice rabbits up").arg(up));
        }
        if (auto *foxes = static_cast<Foxes *>(m_t.lesson.chain.created(ScreenId::Foxes));
            foxes && screen->id() == ScreenId::Foxes) {
            if (s.CurrentYear < 0 || s.CurrentYear > 10)
                fail(QStringLiteral("fox screen showing year %1").arg(s.CurrentYear));
            if (foxes->year().YearCount() > foxes->year().YearRabbits())
                fail(QStringLiteral("fox screen counted %1 rabbits").arg(foxes->year().YearCount()));
            if (!foxes->hole(0)->tag().isEmpty())
                fail(QStringLiteral("an animal on the fox screen's first place"));
        }
        m_lastScreen = screen->id();
        m_lastCounted = s.Counted;
    }

    TestLesson &m_t;
    std::mt19937_64 m_rng;
    qint64 m_target;
    qint64 m_done = 0;
    QEventLoop *m_loop = nullptr;
    QElapsedTimer m_sinceLastEvent;
    int m_actingAtLevel = -1;
    const bool m_trace = qEnvironmentVariableIsSet("LAPINAR_RANDOM_TRACE");
    QString m_failure;
    ScreenId m_lastScreen = ScreenId::Intro1;
    std::array<qint16, 11> m_lastCounted{};
};

} // namespace

class RandomInputTest : public QObject {
    Q_OBJECT
private slots:
    void randomPupilNeverBreaksTheLesson();
};

void RandomInputTest::randomPupilNeverBreaksTheLesson()
{
    bool given = false;
    std::uint64_t seed = qEnvironmentVariable("LAPINAR_RANDOM_SEED").toULongLong(&given);
    if (!given)
        seed = QRandomGenerator::system()->generate64();
    bool counted = false;
    qint64 events = qEnvironmentVariable("LAPINAR_RANDOM_EVENTS").toLongLong(&counted);
    if (!counted || events <= 0)
        events = 20000;
    qInfo("random input: seed %llu, %lld events (replay with LAPINAR_RANDOM_SEED=%llu)",
          static_cast<unsigned long long>(seed), events, static_cast<unsigned long long>(seed));

    TestLesson t;
    // The lesson's own generator follows the seed too, whatever the time of day.
    t.lesson.random.setClock([seed] { return seed % 86400; });
    NoRealTicks noRealTicks;
    connect(&t.lesson.chain, &ScreenChain::screenActivated, this, [&](ScreenId id) {
        if (id == ScreenId::Island)
            const_cast<QTimer &>(static_cast<Island *>(t.screen(id))->popupTimer()).installEventFilter(&noRealTicks);
        if (id == ScreenId::Intro3)
            const_cast<QTimer &>(static_cast<Intro3 *>(t.screen(id))->popupTimer()).installEventFilter(&noRealTicks);
    });
    t.lesson.chain.start();

    QElapsedTimer clock;
    clock.start();
    Driver driver(t, seed, events);
    const QString failure = driver.run();
    qInfo("random input: %lld events in %.1f s", driver.eventsDone(), clock.elapsed() / 1000.0);
    if (!failure.isEmpty())
        QFAIL(qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(failure)));
    QCOMPARE(driver.eventsDone(), events);
}

QTEST_MAIN(RandomInputTest)
#include "tst_randominput.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "readaloud.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLibrary>
#include <QMouseEvent>
#include <QTextDocumentFragment>
#include <cstdio>

ReadAloud::ReadAloud(QWidget &window)
    : m_window(window), m_maker(&ReadAloud::loadModuleEngine), m_screenReader(QAccessible::isActive())
{
    QAccessible::installActivationObserver(this);
    m_rest.setSingleShot(true);
    m_rest.setInterval(RestMs);
    connect(&m_rest, &QTimer::timeout, this, [this] {
        const auto *button = qobject_cast<const QAbstractButton *>(m_pointedAt.data());
        if (button && button->isVisible() && button->underMouse())
            speak(caption(button));
    });
}

ReadAloud::~ReadAloud()
{
    QAccessible::removeActivationObserver(this);
}

void ReadAloud::setScreenReaderRuns(bool runs)
{
    if (runs == m_screenReader)
        return;
    m_screenReader = runs;
    if (!m_on)
        return;
    // A screen reader starting while the lesson speaks: its voice takes over at once.
    if (quietForScreenReader() && m_engine)
        m_engine->stop();
    // Said anew, so that the pupil knows which voice speaks now.
    emit switched(true);
    // A screen reader ended: the lesson's voice says what is showing.
    if (!runs)
        speak(m_current);
}

std::unique_ptr<SpeechEngine> ReadAloud::loadModuleEngine(const QLocale &locale,
                                                          const std::function<void(const QString &)> &unavailable)
{
    // Beside the program in the build folder, else in the lesson's library folder once installed.
    const QDir program(QCoreApplication::applicationDirPath());
    QString error;
    for (const QString &dir : {program.path(), program.filePath(QStringLiteral(LAPINAR_SPEECH_DIR))}) {
        QLibrary module(QDir(dir).filePath(QStringLiteral("lapinar_speech")));
        if (auto make = reinterpret_cast<SpeechEngineMaker>(module.resolve(SpeechEngineSymbol)))
            return std::unique_ptr<SpeechEngine>(make(locale, unavailable));
        error = module.errorString();
    }
    unavailable(error);
    return nullptr;
}

void ReadAloud::setOn(bool on)
{
    if (on == m_on)
        return;
    if (on && m_failed)
        return;
    if (!on) {
        m_on = false;
        if (m_engine)
            m_engine->stop();
        qApp->removeEventFilter(this);
        m_rest.stop();
        emit switched(false);
        return;
    }
    if (!m_engine) {
        const QLocale locale(m_language);
        QPointer<ReadAloud> self(this);
        m_engine = m_maker(locale, [self](const QString &why) {
            if (self)
                self->cannotSpeak(why);
        });
        if (m_failed)
            m_engine.reset();
        if (!m_engine)
            return;
    }
    m_on = true;
    qApp->installEventFilter(this);
    emit switched(true);
    speak(m_current);
}

void ReadAloud::cannotSpeak(const QString &why)
{
    if (m_failed)
        return;
    m_failed = true;
    std::fprintf(stderr, "Lapinar: reading aloud is off: %s\n", qPrintable(why));
    if (m_on)
        setOn(false);
    m_engine.reset();
    emit unavailable(tr("Reading aloud is not available on this computer."));
}

void ReadAloud::showing(const QString &text)
{
    m_current = text;
    if (m_on)
        emit showingNew();
    speak(text);
}

void ReadAloud::backTo(const QString &text)
{
    m_current = text;
    if (m_on && !quietForScreenReader())
        m_engine->stop();
}

void ReadAloud::speak(const QString &text)
{
    if (!m_on || !m_engine || quietForScreenReader())
        return;
    // Rich text is spoken as the words it shows.
    const QString words =
        (Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text).simplified();
    if (words.isEmpty())
        m_engine->stop();
    else
        m_engine->say(words);
}

QString ReadAloud::caption(const QAbstractButton *button)
{
    // What a screen reader says for it ("Next screen" for ">>"), else what it shows, else the
    // tooltip of a picture.
    for (QString text : {button->accessibleName(), button->text(), button->toolTip()}) {
        text.remove(QLatin1Char('&'));
        if (!text.trimmed().isEmpty())
            return text;
    }
    return QString();
}

bool ReadAloud::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // A click on a text of the lesson speaks that text; the click goes on to do what it does.
        if (auto *label = qobject_cast<QLabel *>(watched);
            label && m_window.isAncestorOf(label) && !label->text().isEmpty())
            speak(label->text());
        break;
    case QEvent::KeyPress:
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            m_movingFocus = true;
            break;
        default:
            m_movingFocus = false;
            break;
        }
        break;
    case QEvent::KeyRelease:
        m_movingFocus = false;
        break;
    case QEvent::FocusIn:
        // A control says what it does as the pupil's keys bring the focus to it (not as a panel
        // opening gives it to its button, which would cut the panel's words short).
        if (auto *button = qobject_cast<QAbstractButton *>(watched);
            m_movingFocus && button && m_window.isAncestorOf(button))
            speak(caption(button));
        break;
    case QEvent::Enter:
        // ... and when the mouse rests on it a moment.
        if (auto *button = qobject_cast<QAbstractButton *>(watched); button && m_window.isAncestorOf(button)) {
            m_pointedAt = button;
            m_rest.start();
        }
        break;
    case QEvent::Leave:
        if (watched == m_pointedAt) {
            m_rest.stop();
            m_pointedAt = nullptr;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

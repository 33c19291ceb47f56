// SPDX-License-Identifier: GPL-3.0-or-later
#include "readaloud.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLibrary>
#include <QMouseEvent>
#include <QTextDocumentFragment>
#include <cstdio>

ReadAloud::ReadAloud(QWidget &window) : m_window(window), m_maker(&ReadAloud::loadModuleEngine) {}

ReadAloud::~ReadAloud() = default;

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
    if (m_on)
        m_engine->stop();
}

void ReadAloud::speak(const QString &text)
{
    if (!m_on || !m_engine)
        return;
    // Rich text is spoken as the words it shows.
    const QString words =
        (Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text).simplified();
    if (words.isEmpty())
        m_engine->stop();
    else
        m_engine->say(words);
}

bool ReadAloud::eventFilter(QObject *watched, QEvent *event)
{
    // A click on a text of the lesson speaks that text; the click goes on to do what it does.
    if (event->type() == QEvent::MouseButtonPress) {
        auto *label = qobject_cast<QLabel *>(watched);
        if (label && m_window.isAncestorOf(label) && !label->text().isEmpty())
            speak(label->text());
    }
    return QObject::eventFilter(watched, event);
}

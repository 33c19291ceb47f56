// SPDX-License-Identifier: GPL-3.0-or-later
// The read-aloud voice: Qt's text-to-speech, driven from a thread of its own. Connecting to the
// speech server and listing its voices can take seconds on a busy machine, and the lesson must
// not freeze meanwhile: the lesson's thread only posts texts to this one.
#include "speechengine.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>
#include <cstdio>

namespace {

// Lives in the speech thread and owns the text-to-speech object there.
class Voice : public QObject {
public:
    void start(const QLocale &locale, const std::function<void(const QString &)> &unavailable)
    {
        m_speech = new QTextToSpeech(this);
        QString why;
        if (m_speech->state() == QTextToSpeech::Error || m_speech->engine().isEmpty()) {
            why = QStringLiteral("no speech engine (is speech-dispatcher installed?)");
        } else {
            m_speech->setLocale(locale);
            // Asked for a language it has no voice for, the engine keeps another one.
            if (m_speech->locale().language() != locale.language())
                why = QStringLiteral("no voice speaks %1").arg(QLocale::languageToString(locale.language()));
        }
        if (why.isEmpty()) {
            m_ready = true;
            return;
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [unavailable, why] { unavailable(why); }, Qt::QueuedConnection);
    }
    void say(const QString &text)
    {
        if (!m_ready)
            return;
        m_speech->stop();
        m_speech->say(text);
    }
    void stop()
    {
        if (m_ready)
            m_speech->stop();
    }

private:
    QTextToSpeech *m_speech = nullptr;
    bool m_ready = false;
};

class QtSpeechEngine : public SpeechEngine {
public:
    QtSpeechEngine(const QLocale &locale, const std::function<void(const QString &)> &unavailable)
    {
        m_thread->setObjectName(QStringLiteral("Lapinar speech"));
        m_voice = new Voice;
        m_voice->moveToThread(m_thread);
        QObject::connect(m_thread, &QThread::finished, m_voice, &QObject::deleteLater);
        m_thread->start();
        post([voice = m_voice, locale, unavailable] { voice->start(locale, unavailable); });
    }
    // Waits for the speech server a short while only: a stalled one must not keep the program from
    // ending. The thread is then left to the end of the process rather than destroyed running.
    ~QtSpeechEngine() override
    {
        post([voice = m_voice] { voice->stop(); });
        m_thread->quit();
        if (m_thread->wait(QDeadlineTimer(500)))
            delete m_thread;
        else
            std::fputs("Lapinar: the speech server did not answer; the lesson ends without it\n", stderr);
    }
    void say(const QString &text) override
    {
        post([voice = m_voice, text] { voice->say(text); });
    }
    void stop() override
    {
        post([voice = m_voice] { voice->stop(); });
    }

private:
    // Texts are spoken in the order they were posted; a newer one cuts the older short.
    template <typename Step> void post(Step step) { QMetaObject::invokeMethod(m_voice, step, Qt::QueuedConnection); }

    QThread *m_thread = new QThread;
    Voice *m_voice;
};

} // namespace

extern "C" Q_DECL_EXPORT SpeechEngine *lapinarMakeSpeechEngine(const QLocale &locale,
                                                               const std::function<void(const QString &)> &unavailable)
{
    return new QtSpeechEngine(locale, unavailable);
}

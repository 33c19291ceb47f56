// SPDX-License-Identifier: GPL-3.0-or-later
#include "readaloud.h"

#include "artwork.h"
#include "lessonwindow.h"
#include "twips.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLibrary>
#include <QMouseEvent>
#include <QTextDocumentFragment>
#include <cstdio>

namespace {
// The sign in the top right corner of the lesson screen, in twips.
constexpr double SignTwips = 270;
} // namespace

ReadAloud::ReadAloud(LessonWindow &window) : m_window(window), m_maker(&ReadAloud::loadModuleEngine) {}

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
        if (m_sign)
            m_sign->hide();
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
    if (!m_sign) {
        m_sign = new QLabel(m_window.pages());
        m_sign->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_sign->setAccessibleName(tr("Reading aloud is on"));
    }
    showSign();
    emit switched(true);
    speak(m_current);
}

void ReadAloud::showSign()
{
    if (!m_on || !m_sign)
        return;
    const int side = Twips::px(SignTwips);
    m_sign->setGeometry(m_sign->parentWidget()->width() - side, 0, side, side);
    m_sign->setPixmap(Artwork::pixmap(Picture::Speaker, m_sign->size()));
    m_sign->show();
    // Above the screen showing now, and above a panel opening over it.
    m_sign->raise();
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
    showSign();
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
        if (label && label != m_sign && m_window.isAncestorOf(label) && !label->text().isEmpty())
            speak(label->text());
    }
    return QObject::eventFilter(watched, event);
}

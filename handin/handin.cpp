// SPDX-License-Identifier: GPL-3.0-or-later
#include "handin.h"

#include "accessibility.h"
#include "cellnumber.h"
#include "graphform.h"
#include "handinwriter.h"
#include "lesson.h"
#include "namepanel.h"
#include "twips.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTimer>
#include <cstdio>
#include <pwd.h>
#include <unistd.h>

namespace {

// How long a logout, which gives a program a few seconds, waits for a hand-in being written.
constexpr int LogoutWait = 4000;

bool runningGame(const ScreenChain &chain)
{
    for (ScreenId game : {ScreenId::Intro3, ScreenId::Island, ScreenId::Foxes})
        if (const LessonScreen *screen = chain.created(game); screen && screen->isVisible())
            return true;
    return false;
}

} // namespace

HandIn::HandIn(Lesson &lesson, const QString &folder, const QString &language, const QString &login, bool sharedLogin)
    : m_lesson(lesson), m_folder(expandFolder(folder)), m_language(language), m_login(login), m_shared(sharedLogin)
{
    m_notSetUp = m_folder.isEmpty() && !folder.trimmed().isEmpty();
    if (m_notSetUp)
        std::fprintf(
            stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
            //: A line on standard error; %1 is the folder as the settings give it.
            qPrintable(
                tr("HandInFolder %1 names a variable that is not set; nothing is handed in").arg(folder.trimmed())));
    if (!m_folder.isEmpty() && QDir::isRelativePath(m_folder)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     //: A line on standard error; %1 is the folder as the settings give it.
                     qPrintable(tr("HandInFolder %1 is not a full path (it starts with neither / nor ~); nothing "
                                   "is handed in")
                                    .arg(m_folder)));
        m_folder.clear();
        m_notSetUp = true;
    }
    const QString home = QDir::cleanPath(QDir::homePath());
    m_makeFolder = home != QLatin1String("/") && QDir::cleanPath(m_folder).startsWith(home + QLatin1Char('/'));
    const QPointer<HandIn> self(this);
    m_writer = std::make_unique<HandInWriter>([self](const HandInWriter::Outcome &outcome) {
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app,
                [self, result = int(outcome.result), error = outcome.error] {
                    if (self)
                        self->finished(result, error);
                },
                Qt::QueuedConnection);
    });
    connect(&lesson.chain, &ScreenChain::screenActivated, this, &HandIn::screenActivated);
    // A logout or a request to terminate ends the lesson without its stop sign: what did not get
    // through is handed in again, and what is being written waited for, as long as a logout allows.
    const auto atLogout = [this] {
        if (m_ending)
            return;
        m_ending = true;
        if (m_results && !m_through && m_writer->idle())
            handIn();
        if (!m_writer->waitIdle(LogoutWait))
            report(tr("the folder does not answer"));
    };
    connect(qApp, &QCoreApplication::aboutToQuit, this, atLogout);
    if (auto *gui = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(gui, &QGuiApplication::commitDataRequest, this, atLogout);
}

HandIn::~HandIn() = default;

QString HandIn::currentLogin()
{
    if (const passwd *user = ::getpwuid(::getuid()); user && user->pw_name && *user->pw_name)
        return QString::fromLocal8Bit(user->pw_name);
    return QStringLiteral("uid%1").arg(::getuid());
}

QString HandIn::expandFolder(const QString &setting)
{
    QString folder = setting.trimmed();
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        folder.replace(0, 1, QDir::homePath());
    static const QRegularExpression variable(
        QStringLiteral(R"(\$(?:\{([A-Za-z_][A-Za-z0-9_]*)\}|([A-Za-z_][A-Za-z0-9_]*)))"));
    QString expanded;
    qsizetype from = 0;
    for (auto it = variable.globalMatch(folder); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
        const QString value = qEnvironmentVariable(name.toLatin1().constData());
        // A class folder without its class would gather every class's hand-ins in one place.
        if (value.isEmpty())
            return QString();
        expanded += folder.mid(from, match.capturedStart() - from) + value;
        from = match.capturedEnd();
    }
    return expanded + folder.mid(from);
}

void HandIn::setCell(HandInCsv::HandIn &results, int year, const QString &text)
{
    // One number and blanks around it, as the lesson's own reading takes it.
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?(?:[0-9]+(?:\.[0-9]*)?|\.[0-9]+)(?:[eE][+-]?[0-9]+)?$)"));
    const QString trimmed = text.trimmed();
    const auto at = size_t(year);
    results.rabbits[at].reset();
    results.typed[at].clear();
    if (trimmed.isEmpty())
        return;
    const bool plain = number.match(trimmed).hasMatch();
    if (plain)
        results.rabbits[at] = CellNumber::count(trimmed);
    if (!plain || trimmed != QString::number(*results.rabbits[at]))
        results.typed[at] = trimmed.left(HandInCsv::MaxTypedLength);
}

QString HandIn::path() const
{
    return m_folder + QLatin1Char('/') + HandInCsv::fileName(m_login);
}

QString HandIn::handedInText()
{
    return tr("Your results are handed in.");
}

QString HandIn::stillHandingInText()
{
    return tr("Your results are still being handed in…");
}

QString HandIn::failedText()
{
    return tr("Your results could not be handed in. Tell your teacher.");
}

QString HandIn::noBoxText()
{
    return tr("There is no box for you in the class folder, so your results cannot be handed in. Tell your "
              "teacher.");
}

QString HandIn::notSetUpText()
{
    return tr("The class folder is not set up right on this computer, so your results cannot be handed in. Tell "
              "your teacher.");
}

QString HandIn::takenText()
{
    return tr("A file with your name was put there by someone else. Tell your teacher.");
}

void HandIn::screenActivated(ScreenId id)
{
    // Forward from the results screen is the one move that ends on the conclusion after the table.
    // A class folder the settings name but that cannot be used is said as the hand-in would be made.
    if (id == ScreenId::Conclusion && m_previous == ScreenId::GraphForm && m_notSetUp)
        QTimer::singleShot(0, this, [this] { m_lesson.chain.information(notSetUpText()); });
    if (id == ScreenId::Conclusion && m_previous == ScreenId::GraphForm && !m_folder.isEmpty()) {
        takeResults();
        // After the move, so that a name asked for is asked over the screen that has arrived.
        QTimer::singleShot(0, this, [this] {
            if (askName())
                handIn();
        });
    }
    m_previous = id;
    // Asked once the move is over: the screen left is still showing as the next one arrives.
    if (!m_untold.isEmpty())
        QTimer::singleShot(0, this, [this] {
            if (!m_untold.isEmpty() && !runningGame(m_lesson.chain))
                m_lesson.chain.information(std::exchange(m_untold, QString()));
        });
}

void HandIn::takeResults()
{
    const auto *results = static_cast<const GraphForm *>(m_lesson.chain.created(ScreenId::GraphForm));
    if (!results)
        return;
    HandInCsv::HandIn taken;
    taken.pupil = m_login;
    for (int year = 0; year < HandInCsv::Years; ++year)
        setCell(taken, year, results->valueCell(year + 1)->text());
    taken.language = m_language;
    taken.date = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    taken.machine = QSysInfo::machineHostName();
    m_results = taken;
}

bool HandIn::askName()
{
    if (!m_shared || !m_name.isEmpty())
        return true;
    NamePanel panel(m_lesson.window);
    m_lesson.readAloud.showing(NamePanel::question());
    m_name = panel.ask();
    m_lesson.chain.backFromMessage();
    return !m_name.isEmpty();
}

void HandIn::handIn()
{
    if (!m_results || m_folder.isEmpty())
        return;
    m_results->name = m_name;
    m_through = false;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    HandInWriter::Job job;
    job.folder = m_folder;
    // On a shared login every hand-in is a file of its own; otherwise the pupil's file, replaced.
    if (!m_shared)
        job.name = HandInCsv::fileName(m_login);
    job.ownName = HandInCsv::ownFileName(m_login, m_name, m_results->machine, now);
    job.text = HandInCsv::write(*m_results);
    job.makeFolder = m_makeFolder;
    job.box = m_login;
    m_writer->write(job);
}

bool HandIn::finish(int milliseconds)
{
    if (!m_results || m_folder.isEmpty())
        return true;
    if (!m_through && m_writer->idle())
        handIn();
    m_ending = true;
    if (!m_writer->waitIdle(200)) {
        // The pupil sees why the lesson does not end at once, and the lesson still answers meanwhile.
        tell(stillHandingInText(), 0);
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &loop, [&] {
            if (m_writer->idle() || clock.hasExpired(milliseconds))
                loop.quit();
        });
        poll.start(100);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    const bool idle = m_writer->idle();
    // The outcome of the last hand-in, which the writer has posted.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    if (!idle)
        report(tr("the folder does not answer"));
    if (m_note)
        m_note->hide();
    if (m_through)
        return true;
    m_lesson.chain.information(m_noBox ? noBoxText() : failedText());
    return false;
}

void HandIn::finished(int result, const QString &error)
{
    const auto outcome = HandInWriter::Result(result);
    m_through = outcome == HandInWriter::Result::Written || outcome == HandInWriter::Result::WrittenUnderOwnName;
    m_taken = outcome == HandInWriter::Result::WrittenUnderOwnName;
    m_noBox = outcome == HandInWriter::Result::NoBox;
    if (!m_through) {
        //: A line on standard error, after "cannot hand in the results to FOLDER: "; %1 is the pupil's login.
        report(m_noBox ? tr("it has no box for %1").arg(m_login) : error);
    } else if (outcome == HandInWriter::Result::WrittenUnderOwnName) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     //: A line on standard error; %1 is the pupil's file name, %2 the class folder.
                     qPrintable(tr("%1 in %2 belongs to someone else; the results are handed in as a file of "
                                   "their own")
                                    .arg(HandInCsv::fileName(m_login), m_folder)));
    }
    if (!m_ending) {
        const QString text = outcome == HandInWriter::Result::NoBox                 ? noBoxText()
                             : !m_through                                           ? failedText()
                             : outcome == HandInWriter::Result::WrittenUnderOwnName ? takenText()
                                                                                    : QString();
        if (text.isEmpty())
            tell(handedInText());
        else if (runningGame(m_lesson.chain))
            m_untold = text;
        else
            m_lesson.chain.information(text);
    }
    emit written(m_through ? QString() : error);
}

void HandIn::tell(const QString &text, int milliseconds)
{
    // A note over the top of the lesson that takes no click and goes by itself: nothing the pupil is
    // doing stops for it.
    if (!m_note) {
        m_note = new QLabel(m_lesson.window.pages());
        m_note->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_note->setFocusPolicy(Qt::NoFocus);
        m_note->setAlignment(Qt::AlignCenter);
        m_note->setWordWrap(true);
        m_note->setFont(Twips::font(Twips::Face::MSSansSerif, 12, true));
        m_note->setAutoFillBackground(true);
        m_note->setFrameStyle(QFrame::Box | QFrame::Plain);
        m_note->setStyleSheet(QStringLiteral("background: #fff8c0; color: #202020;"));
    }
    const QSize area = m_lesson.window.pages()->size();
    m_note->setText(text);
    m_note->resize(area.width() * 2 / 3, Twips::size(0, 600).height());
    m_note->move((area.width() - m_note->width()) / 2, Twips::size(0, 120).height());
    m_note->show();
    m_note->raise();
    Accessibility::announce(m_note, text);
    m_lesson.readAloud.speak(text);
    if (milliseconds > 0)
        QTimer::singleShot(milliseconds, m_note, [note = m_note, text] {
            if (note->text() == text)
                note->hide();
        });
}

void HandIn::report(const QString &error)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 //: A line on standard error; %1 is the class folder, %2 the reason.
                 qPrintable(tr("cannot hand in the results to %1: %2").arg(m_folder, error)));
}

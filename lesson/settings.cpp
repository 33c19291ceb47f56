// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings.h"

#include "language.h"
#include "popuprhythm.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace {

const QStringList Keys{QStringLiteral("Language"),     QStringLiteral("FullScreen"),
                       QStringLiteral("KeepWork"),     QStringLiteral("ReadAloud"),
                       QStringLiteral("HandInFolder"), QStringLiteral("SharedLogin"),
                       QStringLiteral("PopUpSeconds"), QStringLiteral("ReadAloudWithScreenReader")};

// "true" and "false", and the other ways a technician may write them.
std::optional<bool> flag(const QString &text)
{
    const QString word = text.trimmed().toLower();
    for (const char *yes : {"true", "yes", "on", "1"})
        if (word == QLatin1String(yes))
            return true;
    for (const char *no : {"false", "no", "off", "0"})
        if (word == QLatin1String(no))
            return false;
    return std::nullopt;
}

QString word(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

// How many letters to add, take away or change to turn one word into the other, case aside.
qsizetype distance(const QString &a, const QString &b)
{
    const QString x = a.toLower(), y = b.toLower();
    std::vector<qsizetype> row(size_t(y.size()) + 1);
    for (qsizetype j = 0; j <= y.size(); ++j)
        row[size_t(j)] = j;
    for (qsizetype i = 1; i <= x.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= y.size(); ++j) {
            const qsizetype above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// The key a misspelt one was most likely meant to be, or empty.
QString meant(const QString &key)
{
    for (const QString &known : Keys)
        if (distance(key, known) <= 2)
            return known;
    return QString();
}

// Each setting of a file, in the file's order, as key (Section/key outside [General]) and value; none
// when it cannot be read. Qt's own INI reader takes only ";" to start a comment and would read
// "#Language=fr", the way a Debian example file leaves a setting out, as a setting "#Language"; so the
// lesson reads the file itself, as Qt otherwise would: a line without "=" is passed over, a value may
// be in double quotes, and outside them ";" starts a comment.
std::optional<std::vector<std::pair<QString, QString>>> entries(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    QString all = QString::fromUtf8(in.readAll());
    if (all.startsWith(QChar(0xFEFF)))
        all.remove(0, 1);
    std::vector<std::pair<QString, QString>> entries;
    QString section;
    for (const QString &whole : all.split(QLatin1Char('\n'))) {
        const QString line = whole.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed();
            if (section == QLatin1String("General"))
                section.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        QString value = line.mid(equals + 1).trimmed();
        if (value.startsWith(QLatin1Char('"')))
            value = value.mid(1, value.indexOf(QLatin1Char('"'), 1) - 1);
        else
            value = value.left(value.indexOf(QLatin1Char(';'))).trimmed();
        entries.emplace_back(section.isEmpty() ? key : section + QLatin1Char('/') + key, value);
    }
    return entries;
}

// The pop-up time `text` gives, kept within the lesson's limits; a value outside them, or none, is
// named in the line said by `warn` with the nearest time allowed (`before` when there is no time).
double secondsWithin(const QString &named, const QString &text, double before,
                     const std::function<void(const QString &)> &warn)
{
    bool number = false;
    const double seconds = text.trimmed().toDouble(&number);
    const double lowest = PopupRhythm::LessonSeconds, highest = PopupRhythm::LongestSeconds;
    if (number && seconds >= lowest && seconds <= highest)
        return seconds;
    const double nearest = !number || !std::isfinite(seconds) ? before : std::clamp(seconds, lowest, highest);
    //: A line on standard error; %1 names the setting or option and the value given, %2 and %3 are the shortest and
    //: longest times in seconds, %4 the time used instead.
    warn(Settings::tr("%1 is not a time from %2 to %3 seconds; using %4.")
             .arg(named, QString::number(lowest), QString::number(highest), QString::number(nearest)));
    return nearest;
}

QString languageInUse(const QString &language)
{
    return language.isEmpty() ? Settings::tr("the desktop's language") : language;
}

} // namespace

QStringList Settings::files()
{
    // The pupil's own folder comes first in Qt's list, then the system's, the most important first.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    std::reverse(folders.begin(), folders.end());
    QStringList files;
    for (const QString &folder : folders)
        files << folder + QStringLiteral("/lapinar/lapinar.conf");
    return files;
}

Settings Settings::read(const QStringList &files, const CommandLine &commandLine,
                        const std::function<void(const QString &)> &warn)
{
    Settings settings;
    for (const QString &file : files) {
        if (!QFileInfo::exists(file))
            continue;
        const auto values = entries(file);
        if (!values) {
            //: A line on standard error; %1 is a settings file.
            warn(tr("%1: cannot be read; skipped.").arg(file));
            continue;
        }
        for (const auto &[key, value] : *values) {
            if (key == QLatin1String("Language")) {
                // An empty value asks for the desktop's language.
                const QString code = Language::spoken(value);
                if (code.isEmpty() && !value.trimmed().isEmpty())
                    //: A line on standard error; %1 is a settings file, %2 the value given, %3 the language codes the
                    //: lesson speaks, %4 the language used instead.
                    warn(tr("%1: Language=%2 is not a language the lesson speaks (%3); using %4.")
                             .arg(file, value, Language::available().join(QStringLiteral(", ")),
                                  languageInUse(settings.language)));
                else
                    settings.language = code;
            } else if (key == QLatin1String("HandInFolder")) {
                settings.handInFolder = value.trimmed();
            } else if (bool *setting = key == QLatin1String("FullScreen")    ? &settings.fullScreen
                                       : key == QLatin1String("KeepWork")    ? &settings.keepWork
                                       : key == QLatin1String("ReadAloud")   ? &settings.readAloud
                                       : key == QLatin1String("SharedLogin") ? &settings.sharedLogin
                                       : key == QLatin1String("ReadAloudWithScreenReader")
                                           ? &settings.readAloudWithScreenReader
                                           : nullptr) {
                if (const std::optional<bool> on = flag(value))
                    *setting = *on;
                else
                    //: A line on standard error; %1 is a settings file, %2 a setting's name, %3 the value given, %4 the
                    //: value used instead (true or false, as written in the file).
                    warn(tr("%1: %2=%3 is neither true nor false; using %4.").arg(file, key, value, word(*setting)));
            } else if (key == QLatin1String("PopUpSeconds")) {
                settings.popUpSeconds = secondsWithin(file + QStringLiteral(": ") + key + QLatin1Char('=') + value,
                                                      value, settings.popUpSeconds, warn);
            } else if (const QString known = meant(key); !known.isEmpty()) {
                //: A line on standard error; %1 is a settings file, %2 the name given, %3 the setting it is nearest to.
                warn(tr("%1: unknown setting %2 ignored; did you mean %3?").arg(file, key, known));
            } else {
                //: A line on standard error; %1 is a settings file, %2 the name given, %3 the list of the settings'
                //: names.
                warn(tr("%1: unknown setting %2 ignored; the settings are %3.")
                         .arg(file, key, Keys.join(QStringLiteral(", "))));
            }
        }
    }

    if (!commandLine.language.isEmpty()) {
        if (const QString code = Language::spoken(commandLine.language); !code.isEmpty())
            settings.language = code;
        else
            //: A line on standard error; %1 is the code given, %2 the language codes the lesson speaks, %3 the language
            //: used instead.
            warn(tr("--language %1 is not a language the lesson speaks (%2); using %3.")
                     .arg(commandLine.language, Language::available().join(QStringLiteral(", ")),
                          languageInUse(settings.language)));
    }
    if (!commandLine.popUpSeconds.isNull())
        settings.popUpSeconds = secondsWithin(QStringLiteral("--pop-up-seconds ") + commandLine.popUpSeconds,
                                              commandLine.popUpSeconds, settings.popUpSeconds, warn);
    settings.fullScreen = commandLine.fullScreen.value_or(settings.fullScreen);
    settings.readAloud = commandLine.readAloud.value_or(settings.readAloud);
    settings.readAloudWithScreenReader = settings.readAloudWithScreenReader || commandLine.readAloudWithScreenReader;
    return settings;
}

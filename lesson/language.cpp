// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QResource>
#include <QTranslator>
#include <memory>

namespace {

const QString English = QStringLiteral("en");

// The language part of a locale name: "fr" for "fr_FR.UTF-8" or "fr_CA@euro"; "C" and "POSIX"
// name no language.
QString languageOf(const QString &locale)
{
    QString code = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    code = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    if (code == QLatin1String("c") || code == QLatin1String("posix"))
        return QString();
    return code;
}

QString lessonFile(const QString &language)
{
    return QStringLiteral(":/i18n/lapinar_%1.qm").arg(language);
}

std::unique_ptr<QTranslator> &lessonTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator> &qtTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

namespace Language {

QStringList available()
{
    // Every translation built into the program speaks its language; nothing else lists them. They
    // are built in, so they are listed once: the start asks several times.
    static const QStringList codes = [] {
        // Read from the names in the resource tree alone: listing the folder would read the start
        // of every translation, and with it pages of the program that an English lesson never needs.
        struct Folder : QResource {
            using QResource::children;
            using QResource::QResource;
        };
        QStringList built;
        for (const QString &file : Folder(QStringLiteral(":/i18n")).children())
            if (file.startsWith(QLatin1String("lapinar_")) && file.endsWith(QLatin1String(".qm")))
                built << file.mid(int(qstrlen("lapinar_"))).chopped(int(qstrlen(".qm")));
        // The tree keeps no order of its own.
        built.sort();
        return QStringList{English} + built;
    }();
    return codes;
}

QString spoken(const QString &name)
{
    const QString code = languageOf(name);
    return available().contains(code) ? code : QString();
}

QString choose(const QString &wanted, const std::function<QString(const char *)> &environment)
{
    const QStringList spoken = available();
    if (const QString code = languageOf(wanted); spoken.contains(code))
        return code;
    // The order gettext reads them in: LANGUAGE may list several, in the order the user prefers.
    for (const char *variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = environment(variable);
        if (value.isEmpty())
            continue;
        for (const QString &locale : value.split(QLatin1Char(':'), Qt::SkipEmptyParts))
            if (const QString code = languageOf(locale); spoken.contains(code))
                return code;
        // A variable that is set decides, whether or not the lesson speaks its language.
        if (qstrcmp(variable, "LANGUAGE") != 0)
            return English;
    }
    return English;
}

QString choose(const QString &wanted)
{
    return choose(wanted, [](const char *variable) { return qEnvironmentVariable(variable); });
}

bool install(const QString &language)
{
    for (auto *slot : {&lessonTranslator(), &qtTranslator()}) {
        if (*slot)
            QCoreApplication::removeTranslator(slot->get());
        slot->reset();
    }
    if (language != English) {
        auto lesson = std::make_unique<QTranslator>();
        if (!lesson->load(lessonFile(language)))
            return false;
        QCoreApplication::installTranslator(lesson.get());
        lessonTranslator() = std::move(lesson);
    }
    // The lesson's locale is its language, whatever the desktop's: the text fields tell a screen
    // reader the language of their text from it. The lesson writes its numbers without a locale,
    // so they do not change with it.
    QLocale::setDefault(QLocale(language));
    if (language == English)
        return true;
    // Qt's own buttons and messages, from the system's Qt translations where they are installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator() = std::move(qt);
    }
    return true;
}

} // namespace Language

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The language the lesson speaks. English is the language its texts are written in; every other
// language is a translation built into the program. Qt's own texts (Yes, No, OK) follow from Qt's
// translations where the system has them.
namespace Language {

// The languages the lesson speaks, as two-letter codes, English first.
QStringList available();

// The code of the language `name` names ("fr" for "fr", "FR" or "fr_FR.UTF-8") when the lesson
// speaks it; otherwise empty.
QString spoken(const QString &name);

// The language for this run: `wanted` (from --language) if the lesson speaks it; otherwise the
// first of the desktop's LANGUAGE (a list), LC_ALL, LC_MESSAGES and LANG that is set, when the lesson
// speaks that language; otherwise English. `environment` reads a variable (tests give their own).
QString choose(const QString &wanted, const std::function<QString(const char *)> &environment);
QString choose(const QString &wanted);

// Puts the translations of `language` in place for the running application, replacing any
// installed before; English takes them all away. The application's default locale becomes the
// language's. False if the lesson does not speak it.
bool install(const QString &language);

} // namespace Language

// SPDX-License-Identifier: GPL-3.0-or-later
#include "plaintext.h"

#include "classfolder.h"

QString PlainText::lines(const QString &text)
{
    QStringList out = text.split(QLatin1Char('\n'));
    for (QString &line : out)
        line = ClassFolder::shown(line);
    return out.join(QLatin1Char('\n'));
}

QString PlainText::tip(const QString &text)
{
    if (text.isEmpty())
        return text;
    // Rich text on purpose, so that the tooltip never guesses: the escaped characters, their lines
    // and blanks kept as they are.
    return QStringLiteral("<p style='white-space:pre'>") + lines(text).toHtmlEscaped() + QStringLiteral("</p>");
}

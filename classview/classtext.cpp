// SPDX-License-Identifier: GPL-3.0-or-later
#include "classtext.h"

#include <QLocale>
#include <algorithm>
#include <cstdio>

QString ClassText::title()
{
    return tr("Lapinar: the class's results");
}

QString ClassText::yearHeading(int year)
{
    //: Heading of a column of the class's table; %1 is the year (0 to 9).
    return tr("Year %1").arg(year);
}

QString ClassText::tableName()
{
    return tr("Rabbits counted by each pupil, year by year");
}

QString ClassText::graphName()
{
    return tr("Graph of the class's counts against the rabbits really on the island");
}

QString ClassText::refreshHint()
{
    return tr("The folder is read again when it changes, every few seconds, and on F5. T shows or hides "
              "the rabbits really there.");
}

QString ClassText::summary(const ClassFolder::Class &handIns, qsizetype missing)
{
    if (!handIns.error.isEmpty())
        //: Shown to the teacher above the class's table; %1 is the system's reason.
        return tr("The class folder cannot be read: %1").arg(handIns.error);
    const qsizetype apart = std::count_if(handIns.pupils.begin(), handIns.pupils.end(),
                                          [](const ClassFolder::Pupil &p) { return p.apart; });
    //: Shown to the teacher above the class's table; %1 is the number of pupils whose results are shown.
    QString text = tr("Pupils who handed in: %1").arg(handIns.pupils.size() - apart);
    if (missing >= 0)
        //: Follows "Pupils who handed in: N; "; %1 is the number of pupils on the class list who have not.
        text += QStringLiteral("; ") + tr("not handed in: %1").arg(missing);
    if (apart > 0)
        //: Follows "Pupils who handed in: N; "; %1 is the number of logins that handed in but are not on the
        //: class list (shown apart, left out of the class's figures).
        text += QStringLiteral("; ") + tr("not on the class list: %1").arg(apart);
    if (const qsizetype left = handIns.badFiles.size() + handIns.moreBadFiles; left > 0)
        //: Follows "Pupils who handed in: N; "; %1 is the number of files of the class folder that were left out.
        text += QStringLiteral("; ") + tr("files left out: %1").arg(left);
    if (handIns.passedOver > 0)
        //: Follows "Pupils who handed in: N; "; %1 is the number of other files and folders in the class folder
        //: that are no hand-ins (or were beyond what is read) and were passed over.
        text += QStringLiteral("; ") + tr("other entries passed over: %1").arg(handIns.passedOver);
    return text;
}

QString ClassText::folderKind(const ClassFolder::Class &handIns)
{
    if (handIns.kind == ClassFolder::Kind::Boxes)
        return tr("A folder of boxes: only its pupil can write in each box, as the file server enforces, so each "
                  "hand-in shown is its box's pupil's.");
    QString text;
    if (handIns.falseBoxes)
        text = tr("This folder says it holds a box per pupil, but every pupil can write at its top: it is read as a "
                  "folder every pupil writes in.") +
               QLatin1Char(' ');
    qsizetype unproven = 0, typed = 0;
    for (const ClassFolder::Pupil &pupil : handIns.pupils) {
        typed += pupil.handIn.name.isEmpty() ? 0 : 1;
        unproven += pupil.handIn.name.isEmpty() && pupil.proof == ClassFolder::Proof::Unproven ? 1 : 0;
    }
    if (unproven == 0)
        text += tr("A folder every pupil writes in: each hand-in shown was written by the login it is named after, "
                   "as the file system shows its owner.");
    else
        //: %1 is the number of hand-ins marked unproven.
        text += tr("A folder every pupil writes in: this folder cannot prove who wrote which file for %1 hand-ins, "
                   "marked unproven. A box per pupil (lapinar-boxes) proves every hand-in.")
                    .arg(unproven);
    if (typed > 0)
        text += QLatin1Char(' ') + tr("A name typed on a shared login is anyone's: each is shown with the login and "
                                      "machine it was typed on.");
    return text;
}

QString ClassText::missingRow()
{
    return tr("counts missing");
}

QString ClassText::names(const ClassFolder::Class &handIns, int length)
{
    QString text;
    qsizetype shown = 0;
    for (; shown < handIns.pupils.size() && text.size() < length; ++shown)
        text +=
            (shown ? QStringLiteral(", ") : QString()) + ClassFolder::shown(ClassFolder::label(handIns.pupils[shown]));
    if (shown < handIns.pupils.size())
        //: Follows a list of pupils' names; %1 is the number of pupils not named.
        text += QLatin1Char(' ') + tr("and %1 more").arg(handIns.pupils.size() - shown);
    return text;
}

QString ClassText::missingText(const ClassList::List &list, const QStringList &missing, bool window)
{
    if (!list.error.isEmpty())
        //: Shown to the teacher; %1 is the class list's file, %2 why it is not used.
        return tr("The class list %1 is not used: %2")
            .arg(ClassFolder::shown(list.file), ClassFolder::shown(list.error));
    if (!list.given)
        //: Shown to the teacher in the class window; %1 is the class list's file name, class.txt.
        return window ? tr("No class list, so only who handed in is shown: put the class's logins in %1 in the "
                           "class folder, one a line, to see who is missing.")
                            .arg(QString::fromLatin1(ClassList::FileName))
                      : QString();
    if (missing.isEmpty())
        //: Shown to the teacher; %1 is the number of pupils on the class list.
        return tr("Everyone on the class list has handed in (%1).").arg(list.pupils.size());
    //: Shown to the teacher; %1 is how many on the class list have not handed in, %2 how many are on it, %3
    //: their names (logins or typed names), joined by commas.
    return tr("Not handed in (%1 of %2 on the class list): %3")
        .arg(missing.size())
        .arg(list.pupils.size())
        .arg(ClassFolder::shown(missing.join(QStringLiteral(", "))));
}

QString ClassText::badFileLine(const ClassFolder::BadFile &bad)
{
    return (bad.forged ? QStringLiteral("\u26a0 ") : QString()) +
           //: A line of the list of files left out; %1 is the file, %2 why it was left out.
           tr("%1: %2").arg(ClassFolder::shown(bad.file), ClassFolder::shown(bad.fault));
}

QString ClassText::readingNote()
{
    return tr("Reading the class folder…");
}

QString ClassText::silentNote(const QDateTime &asked, const QDateTime &read, bool waiting)
{
    const QLocale here;
    QString text = read.isValid()
                       //: Shown to the teacher when a class folder (often a network share) does not answer; %1 is when
                       //: it was last asked, %2 when the numbers shown were read (times of day).
                       ? tr("The class folder has not answered since %1: the numbers shown were read at %2.")
                             .arg(here.toString(asked.time(), QLocale::ShortFormat),
                                  here.toString(read.time(), QLocale::ShortFormat))
                       //: Shown to the teacher when a class folder (often a network share) does not answer; %1 is when
                       //: it was last asked (a time of day).
                       : tr("The class folder has not answered since %1: nothing could be read from it yet.")
                             .arg(here.toString(asked.time(), QLocale::ShortFormat));
    if (waiting)
        text += QLatin1Char('\n') + tr("F5: waiting for the folder to answer; it is read again as soon as it does.");
    return text;
}

QString ClassText::answersAgainNote(const QDateTime &when)
{
    //: Shown to the teacher once a class folder that did not answer answers again; %1 is the time of day.
    return tr("The class folder answers again (since %1).").arg(QLocale().toString(when.time(), QLocale::ShortFormat));
}

QString ClassText::truthButton(bool shown)
{
    //: The class window's button once the rabbits really there are shown; the button is as wide as the longer
    //: of its two captions.
    const QString hide = tr("Hide the rabbits really there");
    //: The class window's button that shows the rabbits really on the island in the table and graph.
    const QString show = tr("Show the rabbits really there");
    return shown ? hide : show;
}

QString ClassText::truthSaid(bool shown)
{
    //: Said to a teacher with a screen reader when T shows the rabbits really on the island.
    const QString said = tr("The rabbits really there are shown in the table and the graph.");
    //: Said to a teacher with a screen reader when T hides them again.
    const QString hidden = tr("The rabbits really there are hidden.");
    return shown ? said : hidden;
}

QString ClassText::handedInSaid(const QStringList &pupils)
{
    //: Said to a teacher with a screen reader as pupils hand in while the class window is open; %1 is one
    //: or more names joined by commas.
    return tr("%1 handed in").arg(pupils.join(QStringLiteral(", ")));
}

QString ClassText::printButton()
{
    //: The class window's button that opens the print dialog; about 80 px wide.
    return tr("Print…");
}

QString ClassText::reportName(const QDate &date)
{
    //: The print dialog's title and the report's name, which the dialog offers as the PDF's file name:
    //: no colon, slash, quote or apostrophe. %1 is the date, as 2026-12-09.
    return tr("Lapinar class results %1").arg(date.toString(Qt::ISODate));
}

void ClassText::reportBadFiles(const QString &folder, const ClassFolder::Class &handIns, QSet<QString> *said)
{
    QSet<QString> now;
    const QString program = QCoreApplication::applicationName();
    const QString where = ClassFolder::shown(folder);
    QStringList lines;
    if (!handIns.error.isEmpty())
        //: A line on standard error; %1 is the class folder, %2 the system's reason.
        lines << tr("cannot read the class folder %1: %2").arg(where, handIns.error);
    for (const ClassFolder::BadFile &bad : handIns.badFiles)
        //: A line on standard error; %1 is the class folder, %2 a file in it, %3 why it was left out.
        lines << tr("%1/%2: %3; left out").arg(where, bad.file, bad.fault);
    if (handIns.moreBadFiles == 1)
        //: A line on standard error; %1 is the class folder.
        lines << tr("%1: 1 more file left out").arg(where);
    else if (handIns.moreBadFiles > 1)
        //: A line on standard error; %1 is the class folder, %2 the number of files (2 or more).
        lines << tr("%1: %2 more files left out").arg(where).arg(handIns.moreBadFiles);
    for (const QString &line : std::as_const(lines)) {
        now.insert(line);
        if (!said || !said->contains(line))
            // One line each, whatever a file's name or text holds: nothing in it reaches the terminal
            // as a command of its own.
            std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(ClassFolder::shown(line)));
    }
    if (said)
        *said = now;
}

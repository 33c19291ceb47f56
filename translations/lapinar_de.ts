<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Calendar</name>
    <message>
        <source>Year%1%2</source>
        <extracomment>The year page of a calendar: %1 is a line break, %2 the year&apos;s number. Each line is at most 37 px of 11-px text at 640 x 480 (about 6 letters); the word goes above the number.</extracomment>
        <translation>Jahr%1%2</translation>
    </message>
</context>
<context>
    <name>ClassFolder</name>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>an earlier hand-in of %1, who handed in again</source>
        <extracomment>Why a file was left out; %1 is the pupil&apos;s name.</extracomment>
        <translation>eine ältere Abgabe von %1; es gibt eine neuere</translation>
    </message>
    <message>
        <source>user number %1</source>
        <extracomment>Who owns a file, when the user has no name on this machine; %1 is the user number.</extracomment>
        <translation>Benutzernummer %1</translation>
    </message>
    <message>
        <source>a link, not followed</source>
        <translation>ein Link, nicht verfolgt</translation>
    </message>
    <message>
        <source>not a hand-in: its name is not a pupil&apos;s</source>
        <translation>keine Abgabe: der Dateiname ist nicht der einer Schülerin oder eines Schülers</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>Why a file or box was left out; %1 is the system&apos;s reason (e.g. &quot;Permission denied&quot;).</extracomment>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>not a hand-in: too large (%1 bytes)</source>
        <extracomment>Why a file was left out; %1 is its size in bytes.</extracomment>
        <translation>keine Abgabe: zu groß (%1 Byte)</translation>
    </message>
    <message>
        <source>not a hand-in: too large</source>
        <translation>keine Abgabe: zu groß</translation>
    </message>
    <message>
        <source>says it is %1&apos;s, but its name is %2&apos;s</source>
        <extracomment>A forged file, left out; %1 is the pupil its text names, %2 the login its file name gives.</extracomment>
        <translation>gibt sich als Abgabe von %1 aus, ist aber nach %2 benannt</translation>
    </message>
    <message>
        <source>says it is %1&apos;s, but its name says %2</source>
        <extracomment>A forged file, left out; %1 is the name its text gives, %2 the name its file name gives.</extracomment>
        <translation>gibt sich als Abgabe von %1 aus, laut Dateiname aber von %2</translation>
    </message>
    <message>
        <source>named after %1, but written by %2</source>
        <extracomment>A file put there by another login, left out; %1 is the login of its name, %2 the login that owns it.</extracomment>
        <translation>nach %1 benannt, aber von %2 geschrieben</translation>
    </message>
    <message>
        <source>not a hand-in: not text</source>
        <translation>keine Abgabe: kein Text</translation>
    </message>
    <message>
        <source>not a hand-in: its first line is not pupil,year,rabbits</source>
        <translation>keine Abgabe: die erste Zeile ist nicht pupil,year,rabbits</translation>
    </message>
    <message>
        <source>only 1 year</source>
        <extracomment>Why a hand-in was left out: it has a row for one year only.</extracomment>
        <translation>nur 1 Jahr</translation>
    </message>
    <message>
        <source>only %1 years</source>
        <extracomment>Why a hand-in was left out; %1 is the number of years it has (2 to 9).</extracomment>
        <translation>nur %1 Jahre</translation>
    </message>
    <message>
        <source>%1 rows of years, more than the lesson&apos;s %2</source>
        <extracomment>Why a hand-in was left out; %1 is the number of year rows it has, %2 the lesson&apos;s 10.</extracomment>
        <translation>%1 Jahreszeilen, mehr als die %2 der Lektion</translation>
    </message>
    <message>
        <source>row %1 does not match the first line</source>
        <extracomment>Why a hand-in was left out; %1 is the number of the faulty row.</extracomment>
        <translation>Zeile %1 passt nicht zur ersten Zeile</translation>
    </message>
    <message>
        <source>row %1: a year that is not 0 to 9: %2</source>
        <extracomment>Why a hand-in was left out; %1 is the row&apos;s number, %2 what it has for a year.</extracomment>
        <translation>Zeile %1: ein Jahr außerhalb von 0 bis 9: %2</translation>
    </message>
    <message>
        <source>year %1 twice</source>
        <extracomment>Why a hand-in was left out; %1 is a year, 0 to 9.</extracomment>
        <translation>Jahr %1 doppelt</translation>
    </message>
    <message>
        <source>a count that is not a number: %1</source>
        <extracomment>Why a hand-in was left out; %1 is the text it has for a count.</extracomment>
        <translation>eine Zählung, die keine Zahl ist: %1</translation>
    </message>
    <message>
        <source>row %1 names no pupil</source>
        <extracomment>Why a hand-in was left out; %1 is the number of the row.</extracomment>
        <translation>Zeile %1 nennt niemanden</translation>
    </message>
    <message>
        <source>rows of two pupils: %1 and %2</source>
        <extracomment>Why a hand-in was left out; %1 and %2 are the two names its rows give.</extracomment>
        <translation>Zeilen zweier Personen: %1 und %2</translation>
    </message>
    <message>
        <source>a box others can write in, so nothing in it is counted</source>
        <extracomment>A pupil&apos;s box in the class folder whose hand-ins are not counted.</extracomment>
        <translation>eine Ablage, in die auch andere schreiben können; nichts darin wird gezählt</translation>
    </message>
    <message>
        <source>at the top of a folder of boxes, where no pupil&apos;s hand-in belongs; not counted</source>
        <translation>liegt oben im Ordner der Ablagen, wo keine Abgabe hingehört; nicht gezählt</translation>
    </message>
    <message>
        <source>more than %1 entries; the rest were not looked at</source>
        <extracomment>Why part of a class folder was not read; %1 is the most entries looked at.</extracomment>
        <translation>mehr als %1 Einträge; der Rest wurde nicht angesehen</translation>
    </message>
    <message>
        <source>more than %1 other entries in this box; the rest were not looked at</source>
        <extracomment>Why part of a pupil&apos;s box was not read; %1 is the most entries looked at in one box.</extracomment>
        <translation>mehr als %1 weitere Einträge in dieser Ablage; der Rest wurde nicht angesehen</translation>
    </message>
    <message>
        <source>%1 more files named as hand-ins than the %2 read; not read</source>
        <extracomment>Why files of a class folder were not read; %1 is how many, %2 the most that are read.</extracomment>
        <translation>%1 Dateien mit Abgabenamen mehr als die %2 gelesenen; nicht gelesen</translation>
    </message>
    <message>
        <source>the name %1 typed on %2, a pupil&apos;s own login</source>
        <extracomment>A forged file, left out; %1 is the name typed, %2 the login, which is a pupil&apos;s own.</extracomment>
        <translation>der Name %1, eingegeben unter %2, dem eigenen Konto einer Schülerin oder eines Schülers</translation>
    </message>
    <message>
        <source>this folder shows other logins&apos; files as written by %1 too, so a pupil may have written it; give the class list with --roster from a folder of your own</source>
        <extracomment>Why the class list in the class folder is not used; %1 is who the folder shows as its owner.</extracomment>
        <translation>dieser Ordner zeigt auch Dateien anderer Konten als von %1 geschrieben, also könnte jemand aus der Klasse sie geschrieben haben; geben Sie die Klassenliste mit --roster aus einem eigenen Ordner an</translation>
    </message>
    <message>
        <source>%1 (typed: %2@%3)</source>
        <extracomment>A name a pupil typed on a shared login, not proven by a login; %1 is the name (up to 32 letters), %2 the login it was typed on, %3 the machine.</extracomment>
        <translation>%1 (eingetippt: %2@%3)</translation>
    </message>
    <message>
        <source>%1 (its text says %2)</source>
        <extracomment>A hand-in in a pupil&apos;s box whose text names someone else; %1 is the box&apos;s pupil, %2 the name in the text.</extracomment>
        <translation>%1 (laut Inhalt %2)</translation>
    </message>
    <message>
        <source>%1 (unproven)</source>
        <extracomment>A hand-in whose writer the folder cannot prove; %1 is the pupil&apos;s name.</extracomment>
        <translation>%1 (nicht belegt)</translation>
    </message>
    <message>
        <source>%1 (not on the class list)</source>
        <extracomment>A login that handed in but is not on the class list; %1 is the login.</extracomment>
        <translation>%1 (nicht auf der Klassenliste)</translation>
    </message>
</context>
<context>
    <name>ClassGraph</name>
    <message>
        <source>each pupil</source>
        <translation>jede Schülerin, jeder Schüler</translation>
    </message>
    <message>
        <source>class median</source>
        <translation>Median der Klasse</translation>
    </message>
    <message>
        <source>middle half</source>
        <translation>mittlere Hälfte</translation>
    </message>
    <message>
        <source>whole range</source>
        <translation>ganze Spannweite</translation>
    </message>
    <message>
        <source>rabbits really there</source>
        <translation>wirklich vorhandene Kaninchen</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Year %1: class median %2, middle half %3 to %4, whole range %5 to %6</source>
        <translation>Jahr %1: Median der Klasse %2, mittlere Hälfte %3 bis %4, ganze Spannweite %5 bis %6</translation>
    </message>
    <message>
        <source>Year %1: no counts</source>
        <extracomment>A year of the class graph said in words when no pupil gave a count; %1 is the year.</extracomment>
        <translation>Jahr %1: keine Zählungen</translation>
    </message>
    <message>
        <source>rabbits really there %1</source>
        <extracomment>Follows a year of the class graph said in words; %1 is the number of rabbits on the island.</extracomment>
        <translation>wirklich vorhandene Kaninchen %1</translation>
    </message>
</context>
<context>
    <name>ClassList</name>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>Why the class list is not used; %1 is the system&apos;s reason (e.g. &quot;Permission denied&quot;).</extracomment>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>too large for a class list</source>
        <translation>zu groß für eine Klassenliste</translation>
    </message>
    <message>
        <source>not written by you nor by the folder&apos;s owner: a pupil may have put it there</source>
        <translation>weder von Ihnen noch vom Eigentümer des Ordners geschrieben: jemand aus der Klasse könnte sie hineingelegt haben</translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>A line on standard error; %1 is the file asked for (CSV or PDF), %2 the reason.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Pupils not shown here: %1 (the merged CSV has every pupil).</source>
        <extracomment>Under the table of the class report: %1 is the number of pupils whose rows did not fit on the page (it may become their names, so put no noun after it). One line of 8-point text across an A4 page.</extracomment>
        <translation>Hier nicht gezeigt: %1 (die zusammengeführte CSV-Datei enthält alle Schülerinnen und Schüler).</translation>
    </message>
    <message>
        <source>Lapinar: the class&apos;s results</source>
        <translation>Lapinar: die Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>Year %1</source>
        <extracomment>Heading of a column of the class&apos;s table; %1 is the year (0 to 9).</extracomment>
        <translation>Jahr %1</translation>
    </message>
    <message>
        <source>Rabbits counted by each pupil, year by year</source>
        <translation>Gezählte Kaninchen jeder Schülerin und jedes Schülers, Jahr für Jahr</translation>
    </message>
    <message>
        <source>Graph of the class&apos;s counts against the rabbits really on the island</source>
        <translation>Diagramm: die Zählungen der Klasse im Vergleich zu den Kaninchen, die wirklich auf der Insel sind</translation>
    </message>
    <message>
        <source>The class folder cannot be read: %1</source>
        <extracomment>Shown to the teacher above the class&apos;s table; %1 is the system&apos;s reason.</extracomment>
        <translation>Der Klassenordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Pupils who handed in: %1</source>
        <extracomment>Shown to the teacher above the class&apos;s table; %1 is the number of pupils whose results are shown.</extracomment>
        <translation>Abgegeben haben: %1</translation>
    </message>
    <message>
        <source>files left out: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of files of the class folder that were left out.</extracomment>
        <translation>ausgelassene Dateien: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>Follows a list of pupils&apos; names; %1 is the number of pupils not named.</extracomment>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>cannot read the class folder %1: %2</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 the system&apos;s reason.</extracomment>
        <translation>der Klassenordner %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1/%2: %3; left out</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 a file in it, %3 why it was left out.</extracomment>
        <translation>%1/%2: %3; ausgelassen</translation>
    </message>
    <message>
        <source>counts missing</source>
        <translation>fehlende Zählungen</translation>
    </message>
    <message>
        <source>Files left out</source>
        <translation>Ausgelassene Dateien</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Handed in %1 on %2, in %3</source>
        <extracomment>The tooltip of a pupil&apos;s &quot;Handed in&quot; cell; %1 is the time (today) or the date and time, %2 the name of the machine the pupil handed in from (e.g. pc-07), %3 the lesson&apos;s language code (en, fr, de, es).</extracomment>
        <translation>Abgegeben: %1, am Rechner %2, Sprache %3</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Abgegeben</translation>
    </message>
    <message>
        <source>dated in the future</source>
        <translation>in der Zukunft datiert</translation>
    </message>
    <message>
        <source>a date that is not one</source>
        <translation>ungültiges Datum</translation>
    </message>
    <message>
        <source>from a machine the rest of the class does not use</source>
        <translation>von einem Rechner, den der Rest der Klasse nicht benutzt</translation>
    </message>
    <message>
        <source>The folder is read again when it changes, every few seconds, and on F5. T shows or hides the rabbits really there.</source>
        <translation>Der Ordner wird neu gelesen, wenn er sich ändert, alle paar Sekunden und mit F5. T zeigt oder verbirgt die wirklich vorhandenen Kaninchen.</translation>
    </message>
    <message>
        <source>The class list %1 is not used: %2</source>
        <extracomment>Shown to the teacher; %1 is the class list&apos;s file, %2 why it is not used.</extracomment>
        <translation>Die Klassenliste %1 wird nicht benutzt: %2</translation>
    </message>
    <message>
        <source>No class list, so only who handed in is shown: put the class&apos;s logins in %1 in the class folder, one a line, to see who is missing.</source>
        <extracomment>Shown to the teacher in the class window; %1 is the class list&apos;s file name, class.txt.</extracomment>
        <translation>Keine Klassenliste, daher wird nur gezeigt, wer abgegeben hat: Schreiben Sie die Anmeldenamen der Klasse in die Datei %1 im Klassenordner, einen pro Zeile, um zu sehen, wer fehlt.</translation>
    </message>
    <message>
        <source>Everyone on the class list has handed in (%1).</source>
        <extracomment>Shown to the teacher; %1 is the number of pupils on the class list.</extracomment>
        <translation>Alle auf der Klassenliste haben abgegeben (%1).</translation>
    </message>
    <message>
        <source>Not handed in (%1 of %2 on the class list): %3</source>
        <extracomment>Shown to the teacher; %1 is how many on the class list have not handed in, %2 how many are on it, %3 their names (logins or typed names), joined by commas.</extracomment>
        <translation>Nicht abgegeben (%1 von %2 auf der Klassenliste): %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the list of files left out; %1 is the file, %2 why it was left out.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Reading the class folder…</source>
        <translation>Der Klassenordner wird gelesen …</translation>
    </message>
    <message>
        <source>Hide the rabbits really there</source>
        <extracomment>The class window&apos;s button once the rabbits really there are shown; the button is as wide as the longer of its two captions.</extracomment>
        <translation>Wirklich vorhandene Kaninchen verbergen</translation>
    </message>
    <message>
        <source>Show the rabbits really there</source>
        <extracomment>The class window&apos;s button that shows the rabbits really on the island in the table and graph.</extracomment>
        <translation>Wirklich vorhandene Kaninchen zeigen</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The class window&apos;s button that opens the print dialog; about 80 px wide.</extracomment>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>%1: %2 more files left out</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 the number of files (2 or more).</extracomment>
        <translation>%1: %2 weitere Dateien ausgelassen</translation>
    </message>
    <message>
        <source>The report cannot be printed: %1</source>
        <extracomment>Shown to the teacher; %1 is why.</extracomment>
        <translation>Der Bericht kann nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>the pages could not be drawn for the printer</source>
        <translation>die Seiten konnten nicht für den Druck aufbereitet werden</translation>
    </message>
    <message>
        <source>not on the class list: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of logins that handed in but are not on the class list (shown apart, left out of the class&apos;s figures).</extracomment>
        <translation>nicht auf der Klassenliste: %1</translation>
    </message>
    <message>
        <source>other entries passed over: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of other files and folders in the class folder that are no hand-ins (or were beyond what is read) and were passed over.</extracomment>
        <translation>andere Einträge übergangen: %1</translation>
    </message>
    <message>
        <source>A folder of boxes: only its pupil can write in each box, as the file server enforces, so each hand-in shown is its box&apos;s pupil&apos;s.</source>
        <translation>Ein Ordner mit Ablagen: In jede Ablage kann nur ihre Person schreiben, das erzwingt der Dateiserver; jede Abgabe gehört zu ihrer Ablage.</translation>
    </message>
    <message>
        <source>This folder says it holds a box per pupil, but every pupil can write at its top: it is read as a folder every pupil writes in.</source>
        <translation>Dieser Ordner gibt an, eine Ablage pro Person zu haben, aber alle können oben hineinschreiben: Er wird wie ein Ordner gelesen, in den alle schreiben.</translation>
    </message>
    <message>
        <source>A folder every pupil writes in: each hand-in shown was written by the login it is named after, as the file system shows its owner.</source>
        <translation>Ein Ordner, in den alle schreiben: Laut Dateisystem stammt jede gezeigte Abgabe vom Konto, nach dem sie benannt ist.</translation>
    </message>
    <message>
        <source>A folder every pupil writes in: this folder cannot prove who wrote which file for %1 hand-ins, marked unproven. A box per pupil (lapinar-boxes) proves every hand-in.</source>
        <extracomment>%1 is the number of hand-ins marked unproven.</extracomment>
        <translation>Ein Ordner, in den alle schreiben: Bei %1 Abgaben ist nicht belegt, wer sie geschrieben hat (markiert). Eine Ablage pro Person (lapinar-boxes) belegt jede Abgabe.</translation>
    </message>
    <message>
        <source>A name typed on a shared login is anyone&apos;s: each is shown with the login and machine it was typed on.</source>
        <translation>Einen Namen am gemeinsamen Konto kann jede Person eintippen: Er steht mit Konto und Rechner da.</translation>
    </message>
    <message>
        <source>The class folder has not answered since %1: the numbers shown were read at %2.</source>
        <extracomment>Shown to the teacher when a class folder (often a network share) does not answer; %1 is when it was last asked, %2 when the numbers shown were read (times of day).</extracomment>
        <translation>Der Klassenordner antwortet seit %1 nicht: Die gezeigten Zahlen wurden um %2 gelesen.</translation>
    </message>
    <message>
        <source>The class folder has not answered since %1: nothing could be read from it yet.</source>
        <extracomment>Shown to the teacher when a class folder (often a network share) does not answer; %1 is when it was last asked (a time of day).</extracomment>
        <translation>Der Klassenordner antwortet seit %1 nicht: Aus ihm konnte noch nichts gelesen werden.</translation>
    </message>
    <message>
        <source>F5: waiting for the folder to answer; it is read again as soon as it does.</source>
        <translation>F5: Es wird auf die Antwort des Ordners gewartet; er wird wieder gelesen, sobald er antwortet.</translation>
    </message>
    <message>
        <source>The class folder answers again (since %1).</source>
        <extracomment>Shown to the teacher once a class folder that did not answer answers again; %1 is the time of day.</extracomment>
        <translation>Der Klassenordner antwortet wieder (seit %1).</translation>
    </message>
    <message>
        <source>Lapinar class results %1</source>
        <extracomment>The print dialog&apos;s title and the report&apos;s name, which the dialog offers as the PDF&apos;s file name: no colon, slash, quote or apostrophe. %1 is the date, as 2026-12-09.</extracomment>
        <translation>Lapinar Klassenergebnisse %1</translation>
    </message>
    <message>
        <source>%1: 1 more file left out</source>
        <extracomment>A line on standard error; %1 is the class folder.</extracomment>
        <translation>%1: 1 weitere Datei ausgelassen</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>What a screen reader says of a cell of the class&apos;s table: %1 is the pupil (or &quot;class median&quot;), %2 the column (&quot;Year 5&quot; or &quot;Handed in&quot;), %3 what the cell holds.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of a year without a class median (no pupil gave a count).</extracomment>
        <translation>keiner</translation>
    </message>
    <message>
        <source>%1, not a number</source>
        <extracomment>What a screen reader says of a count a pupil typed that is not a number; %1 is the text.</extracomment>
        <translation>%1, keine Zahl</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>not handed in: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of pupils on the class list who have not.</extracomment>
        <translation>nicht abgegeben: %1</translation>
    </message>
    <message>
        <source>The rabbits really there are shown in the table and the graph.</source>
        <extracomment>Said to a teacher with a screen reader when T shows the rabbits really on the island.</extracomment>
        <translation>Die wirklich vorhandenen Kaninchen stehen jetzt in der Tabelle und im Diagramm.</translation>
    </message>
    <message>
        <source>The rabbits really there are hidden.</source>
        <extracomment>Said to a teacher with a screen reader when T hides them again.</extracomment>
        <translation>Die wirklich vorhandenen Kaninchen sind verborgen.</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <extracomment>Said to a teacher with a screen reader as pupils hand in while the class window is open; %1 is one or more names joined by commas.</extracomment>
        <translation>%1 hat abgegeben</translation>
    </message>
</context>
<context>
    <name>Conclusion</name>
    <message>
        <source>Conclusion</source>
        <translation>Schlussfolgerung</translation>
    </message>
    <message>
        <source>Decide if your results are good enough for you to make a conclusion.</source>
        <translation>Entscheide: Reichen deine Ergebnisse für eine Schlussfolgerung?</translation>
    </message>
    <message>
        <source>Go back to check your results or click on the question button for help on writing your conclusion.</source>
        <translation>Geh zurück und prüfe deine Ergebnisse. Hilfe zur Schlussfolgerung gibt dir der Fragen-Knopf.</translation>
    </message>
    <message>
        <source>A rabbit&apos;s head</source>
        <translation>Ein Kaninchenkopf</translation>
    </message>
    <message>
        <source>Extension</source>
        <extracomment>Button to the extension with foxes: 81 px wide at 640 x 480, room for about 69 px of text (about 10 letters).</extracomment>
        <translation>Zusatz</translation>
    </message>
</context>
<context>
    <name>Extend</name>
    <message>
        <source>Foxes and Lapinar</source>
        <translation>Füchse &amp; Lapinar</translation>
    </message>
    <message>
        <source>You now decide to put a predator on the island.</source>
        <translation>Jetzt setzt du ein Raubtier auf der Insel aus.</translation>
    </message>
    <message>
        <source>You want to find out how some foxes will affect the rabbit numbers.</source>
        <translation>Du willst herausfinden, wie ein paar Füchse die Zahl der Kaninchen verändern.</translation>
    </message>
    <message>
        <source>You will start with a large population of rabbits. You will then put a few foxes on the island.</source>
        <translation>Am Anfang ist die Kaninchenpopulation groß. Dann setzt du ein paar Füchse aus.</translation>
    </message>
    <message>
        <source>A fox</source>
        <translation>Ein Fuchs</translation>
    </message>
</context>
<context>
    <name>Finish</name>
    <message>
        <source>The end</source>
        <translation>Das Ende</translation>
    </message>
    <message>
        <source>You now need to process the data you have collected and make a final conclusion.</source>
        <translation>Jetzt musst du die gesammelten Daten auswerten und eine Schlussfolgerung ziehen.</translation>
    </message>
    <message>
        <source>Click on the question button to find out what you need to do.</source>
        <translation>Klick auf den Fragen-Knopf, um zu erfahren, was du tun musst.</translation>
    </message>
    <message>
        <source>A rabbit&apos;s head</source>
        <translation>Ein Kaninchenkopf</translation>
    </message>
</context>
<context>
    <name>Foxes</name>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Rabbits counted</source>
        <translation>Gezählte Kaninchen</translation>
    </message>
    <message>
        <source>Rabbits counted: %1</source>
        <extracomment>Spoken name of the calendar page that shows the count; %1 is the number of animals counted this year.</extracomment>
        <translation>Gezählte Kaninchen: %1</translation>
    </message>
    <message>
        <source>Next year</source>
        <extracomment>The year button before the first year is shown: 81 px wide at 640 x 480, room for 69 px of 11-px text (about 11 letters). Translate it as the &quot;Next year&quot; of the year buttons.</extracomment>
        <translation>Folgejahr</translation>
    </message>
    <message>
        <source>Fox island, year %1</source>
        <extracomment>The fox screen&apos;s spoken name; %1 is the year of the experiment (0 to 10).</extracomment>
        <translation>Fuchsinsel, Jahr %1</translation>
    </message>
    <message>
        <source>You have already counted this one.</source>
        <translation>Dieses Tier hast du schon gezählt.</translation>
    </message>
    <message>
        <source>No more animals that way.</source>
        <extracomment>Said to a screen reader when an arrow key would go past the last animal.</extracomment>
        <translation>Keine Tiere mehr in dieser Richtung.</translation>
    </message>
    <message>
        <source>All counted.</source>
        <extracomment>Said to a screen reader after the count, once every rabbit of the fox year is counted.</extracomment>
        <translation>Alle gezählt.</translation>
    </message>
    <message numerus="yes">
        <source>There are %n animals.</source>
        <extracomment>Said after the count as a fox year opens; %n is the number of animals, rabbits and foxes, on the island.</extracomment>
        <translation>
            <numerusform>Es gibt %n Tier.</numerusform>
            <numerusform>Es gibt %n Tiere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fox, not counted.</source>
        <extracomment>Said to a screen reader when the pupil presses Space on a fox: foxes are not counted.</extracomment>
        <translation>Fuchs, nicht gezählt.</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Heading of the results table&apos;s year column (and the graph&apos;s axis title): at most 65 px of 13-px text at 640 x 480 (about 9 letters).</extracomment>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Rabbits</source>
        <extracomment>Heading of the results table&apos;s count column: at most 65 px of 13-px text at 640 x 480 (about 9 letters).</extracomment>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The first row of the year column, the year the rabbits were put on the island: at most 52 px of 13-px text at 640 x 480 (about 7 letters).</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Rabbits in year %1</source>
        <extracomment>Spoken name of a cell of the results table; %1 is the year (0 to 9).</extracomment>
        <translation>Kaninchen im Jahr %1</translation>
    </message>
    <message>
        <source>Draw graph</source>
        <extracomment>Button: 129 px wide at 640 x 480, room for about 117 px of 13-px text (about 17 letters).</extracomment>
        <translation>Diagramm zeichnen</translation>
    </message>
    <message>
        <source>Copy graph</source>
        <extracomment>Button: 128 px wide at 640 x 480, room for about 116 px of 13-px text (about 17 letters).</extracomment>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>Join points</source>
        <extracomment>Button that joins the points of the graph with lines; it then reads &quot;Plot points&quot;. 121 px wide at 640 x 480, room for about 109 px of 13-px text (about 16 letters).</extracomment>
        <translation>Punkte verbinden</translation>
    </message>
    <message>
        <source>Clear table</source>
        <extracomment>Button: 172 px wide at 640 x 480, room for about 160 px of 13-px text.</extracomment>
        <translation>Tabelle leeren</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>Button that lets the pupil type the graph&apos;s title: 65 px wide at 640 x 480, room for about 53 px of 13-px text (about 8 letters).</extracomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Graph drawn.</source>
        <translation>Diagramm gezeichnet.</translation>
    </message>
    <message>
        <source>Graph copied.</source>
        <translation>Diagramm kopiert.</translation>
    </message>
    <message>
        <source>Graph title</source>
        <translation>Titel des Diagramms</translation>
    </message>
    <message>
        <source>Number of rabbits</source>
        <translation>Anzahl der Kaninchen</translation>
    </message>
    <message>
        <source>Type the number of rabbits of each year into the table, then draw the graph.</source>
        <translation>Trag die Anzahl der Kaninchen für jedes Jahr in die Tabelle ein und zeichne dann das Diagramm.</translation>
    </message>
    <message>
        <source>Plot points</source>
        <extracomment>The same button once the points are joined: it shows the points alone again. 121 px wide at 640 x 480, room for about 109 px of 13-px text (about 16 letters).</extracomment>
        <translation>Nur Punkte</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Tabelle zurückholen</translation>
    </message>
    <message>
        <source>Table cleared.</source>
        <extracomment>Said to a screen reader and read aloud when Clear table has emptied the table.</extracomment>
        <translation>Tabelle geleert.</translation>
    </message>
    <message>
        <source>Table back.</source>
        <extracomment>Said to a screen reader and read aloud when Undo clear (or Ctrl+Z) has brought the table back.</extracomment>
        <translation>Tabelle wiederhergestellt.</translation>
    </message>
    <message>
        <source>Rabbits in year %1: %2</source>
        <extracomment>Said to a screen reader as the pupil leaves a cell of the results table; %1 is the year (0 to 9), %2 the number or text the pupil typed there.</extracomment>
        <translation>Kaninchen im Jahr %1: %2</translation>
    </message>
    <message>
        <source>The cleared table can no longer be brought back.</source>
        <translation>Die geleerte Tabelle kann nicht mehr zurückgeholt werden.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>the folder does not answer</source>
        <translation>der Ordner antwortet nicht</translation>
    </message>
    <message>
        <source>cannot hand in the results to %1: %2</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 the reason.</extracomment>
        <translation>die Ergebnisse können nicht in %1 abgegeben werden: %2</translation>
    </message>
    <message>
        <source>Your results could not be handed in. Tell your teacher.</source>
        <translation>Deine Ergebnisse konnten nicht abgegeben werden. Sag es deiner Lehrkraft.</translation>
    </message>
    <message>
        <source>HandInFolder %1 is not a full path (it starts with neither / nor ~); nothing is handed in</source>
        <extracomment>A line on standard error; %1 is the folder as the settings give it.</extracomment>
        <translation>HandInFolder %1 ist kein vollständiger Pfad (er beginnt weder mit / noch mit ~); es wird nichts abgegeben</translation>
    </message>
    <message>
        <source>Your results are handed in.</source>
        <translation>Deine Ergebnisse sind abgegeben.</translation>
    </message>
    <message>
        <source>Your results are still being handed in…</source>
        <translation>Deine Ergebnisse werden noch abgegeben …</translation>
    </message>
    <message>
        <source>A file with your name was put there by someone else. Tell your teacher.</source>
        <translation>Jemand anderes hat dort eine Datei mit deinem Namen abgelegt. Sag es deiner Lehrkraft.</translation>
    </message>
    <message>
        <source>%1 in %2 belongs to someone else; the results are handed in as a file of their own</source>
        <extracomment>A line on standard error; %1 is the pupil&apos;s file name, %2 the class folder.</extracomment>
        <translation>%1 in %2 gehört jemand anderem; die Ergebnisse werden in einer eigenen Datei abgegeben</translation>
    </message>
    <message>
        <source>HandInFolder %1 names a variable that is not set; nothing is handed in</source>
        <extracomment>A line on standard error; %1 is the folder as the settings give it.</extracomment>
        <translation>HandInFolder %1 nennt eine Variable, die nicht gesetzt ist; es wird nichts abgegeben</translation>
    </message>
    <message>
        <source>There is no box for you in the class folder, so your results cannot be handed in. Tell your teacher.</source>
        <translation>Im Klassenordner gibt es keine Ablage für dich, deshalb können deine Ergebnisse nicht abgegeben werden. Sag es deiner Lehrkraft.</translation>
    </message>
    <message>
        <source>The class folder is not set up right on this computer, so your results cannot be handed in. Tell your teacher.</source>
        <translation>Der Klassenordner ist auf diesem Computer nicht richtig eingerichtet, deshalb können deine Ergebnisse nicht abgegeben werden. Sag es deiner Lehrkraft.</translation>
    </message>
    <message>
        <source>it has no box for %1</source>
        <extracomment>A line on standard error, after &quot;cannot hand in the results to FOLDER: &quot;; %1 is the pupil&apos;s login.</extracomment>
        <translation>er hat keine Ablage für %1</translation>
    </message>
</context>
<context>
    <name>HoleBoard</name>
    <message>
        <source>burrow</source>
        <extracomment>What a screen reader calls a burrow with no animal showing (followed by the kind of place, e.g. &quot;image&quot;).</extracomment>
        <translation>Bau</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>counted rabbit</source>
        <extracomment>What a screen reader calls a rabbit the pupil has counted.</extracomment>
        <translation>gezähltes Kaninchen</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>counted fox</source>
        <extracomment>What a screen reader calls a fox the pupil has marked.</extracomment>
        <translation>gezählter Fuchs</translation>
    </message>
</context>
<context>
    <name>Intro1</name>
    <message>
        <source>You are a scientist in charge of an island.</source>
        <translation>Du forschst und bist für eine Insel zuständig.</translation>
    </message>
    <message>
        <source>Your job is to find out about rabbit populations.</source>
        <translation>Du erforschst Kaninchenpopulationen.</translation>
    </message>
    <message>
        <source>You are going to do an experiment to find out how rabbit numbers change on the island.</source>
        <translation>Du machst ein Experiment, um herauszufinden, wie sich die Zahl der Kaninchen auf der Insel verändert.</translation>
    </message>
    <message>
        <source>A rabbit on grass</source>
        <translation>Ein Kaninchen im Gras</translation>
    </message>
</context>
<context>
    <name>Intro2</name>
    <message>
        <source>Your plan</source>
        <translation>Dein Plan</translation>
    </message>
    <message>
        <source>Your plan is to put ten rabbits on the island. You will leave them for a few years to see how their population changes.</source>
        <translation>Dein Plan: zehn Kaninchen aussetzen und ein paar Jahre beobachten, wie sich ihre Population verändert.</translation>
    </message>
    <message>
        <source>Every year, you will go back to the island and count the number of rabbits alive.</source>
        <translation>Jedes Jahr fährst du wieder auf die Insel und zählst, wie viele Kaninchen leben.</translation>
    </message>
    <message>
        <source>First, you need to predict what you think will happen.</source>
        <translation>Zuerst sagst du vorher, was passieren wird.</translation>
    </message>
    <message>
        <source>A cartoon rabbit</source>
        <translation>Ein gezeichnetes Kaninchen</translation>
    </message>
    <message>
        <source>Prediction</source>
        <extracomment>Button to the prediction screen: 81 px wide at 640 x 480, room for about 69 px of text (about 10 letters).</extracomment>
        <translation>Vorhersage</translation>
    </message>
</context>
<context>
    <name>Intro3</name>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>The trouble with counting rabbits is that they move about and hide.</source>
        <translation>Kaninchen sind schwer zu zählen: Sie laufen herum und verstecken sich.</translation>
    </message>
    <message>
        <source>If you see a rabbit, click on it as fast as you can. This will mark it and so you won&apos;t count it twice.</source>
        <translation>Siehst du ein Kaninchen, klick schnell darauf. So ist es markiert und du zählst es nicht doppelt.</translation>
    </message>
    <message>
        <source>Have a practice and then it will be time to go and put the rabbits on the island.</source>
        <translation>Übe ein bisschen, dann ist es Zeit, die Kaninchen auf der Insel auszusetzen.</translation>
    </message>
    <message>
        <source>A rabbit hopping towards its burrow</source>
        <translation>Ein Kaninchen hoppelt zu seinem Bau</translation>
    </message>
    <message>
        <source>Start experiment</source>
        <extracomment>The tooltip and spoken name of the practice&apos;s &quot;&gt;&gt;&quot; button, which goes on to the island.</extracomment>
        <translation>Experiment starten</translation>
    </message>
    <message>
        <source>You missed. Better luck next time.</source>
        <translation>Daneben! Beim nächsten Mal klappt’s bestimmt.</translation>
    </message>
    <message>
        <source>Keys: S slower, P pause.</source>
        <translation>Tasten: S langsamer, P Pause.</translation>
    </message>
    <message>
        <source>Counted.</source>
        <extracomment>Said to a screen reader and read aloud when the pupil counts a practice rabbit.</extracomment>
        <translation>Gezählt.</translation>
    </message>
    <message>
        <source>Already counted.</source>
        <extracomment>Said to a screen reader when the pupil counts a practice rabbit counted before.</extracomment>
        <translation>Schon gezählt.</translation>
    </message>
</context>
<context>
    <name>Island</name>
    <message>
        <source>Make sure that you write down the number of rabbits in the table on your worksheet.</source>
        <translation>Denk daran, die Anzahl der Kaninchen in die Tabelle auf deinem Arbeitsblatt einzutragen.</translation>
    </message>
    <message>
        <source>There are getting to be too many rabbits to count. There are around 4 rabbits living in each burrow. Use this fact to estimate them.</source>
        <translation>Jetzt sind es zu viele Kaninchen zum Zählen. In jedem Bau leben etwa 4 Kaninchen. Nutze das, um ihre Zahl zu schätzen.</translation>
    </message>
    <message>
        <source>Rabbits counted: %1</source>
        <extracomment>Spoken name of the calendar page that shows the count; %1 is the number of rabbits counted this year.</extracomment>
        <translation>Gezählte Kaninchen: %1</translation>
    </message>
    <message>
        <source>Next year</source>
        <extracomment>The year button before the first year is shown: 81 px wide at 640 x 480, room for 69 px of text (about 11 letters). Translate it as the &quot;Next year&quot; of the year buttons.</extracomment>
        <translation>Folgejahr</translation>
    </message>
    <message>
        <source>Island, year %1</source>
        <extracomment>The island screen&apos;s spoken name; %1 is the year of the experiment (0 to 9).</extracomment>
        <translation>Insel, Jahr %1</translation>
    </message>
    <message>
        <source>You have already counted this rabbit.</source>
        <translation>Dieses Kaninchen hast du schon gezählt.</translation>
    </message>
    <message>
        <source>You missed. Better luck next time.</source>
        <translation>Daneben! Beim nächsten Mal klappt’s bestimmt.</translation>
    </message>
    <message numerus="yes">
        <source>There are %n burrows.</source>
        <extracomment>Read aloud after the reminder to estimate; %n is the number of burrows on the island this year.</extracomment>
        <translation>
            <numerusform>Es gibt %n Bau.</numerusform>
            <numerusform>Es gibt %n Baue.</numerusform>
        </translation>
    </message>
    <message>
        <source>All counted.</source>
        <extracomment>Said to a screen reader after the count, once every rabbit of the year is counted.</extracomment>
        <translation>Alle gezählt.</translation>
    </message>
</context>
<context>
    <name>KeptLesson</name>
    <message>
        <source>Carry on where you stopped?</source>
        <translation>Da weitermachen, wo du aufgehört hast?</translation>
    </message>
    <message>
        <source>This lesson is already open in another window.</source>
        <translation>Diese Lektion ist schon in einem anderen Fenster offen.</translation>
    </message>
</context>
<context>
    <name>LAPINAR1</name>
    <message>
        <source>1 - Populations</source>
        <translation>1 - Populationen</translation>
    </message>
    <message>
        <source>Write down two things that might change the number of rabbits living on the island.</source>
        <translation>Schreib zwei Dinge auf, die die Zahl der Kaninchen auf der Insel verändern könnten.</translation>
    </message>
    <message>
        <source>2 - The experiment</source>
        <translation>2 - Das Experiment</translation>
    </message>
    <message>
        <source>Write down one way that you could make the survey fair.</source>
        <translation>Schreib auf, wie du dafür sorgen kannst, dass deine Zählungen von Jahr zu Jahr vergleichbar sind.</translation>
    </message>
    <message>
        <source>3 - Predicting the result</source>
        <translation>3 - Das Ergebnis vorhersagen</translation>
    </message>
    <message>
        <source>Write the prediction you chose down and explain why you think it will happen.</source>
        <translation>Schreib die Vorhersage auf, die du gewählt hast, und erkläre, warum du glaubst, dass sie eintritt.</translation>
    </message>
    <message>
        <source>4 - Counting the rabbits</source>
        <translation>4 - Die Kaninchen zählen</translation>
    </message>
    <message>
        <source>How can you estimate the rabbit numbers instead of trying to count them all. It is something to do with the rabbit holes.</source>
        <translation>Wie kannst du die Zahl der Kaninchen schätzen, statt alle zu zählen? Denk an die Kaninchenbaue.</translation>
    </message>
    <message>
        <source>5 - Presenting your results</source>
        <translation>5 - Deine Ergebnisse darstellen</translation>
    </message>
    <message>
        <source>Put your data in the table and draw the graph. Plot the graph on your worksheet.</source>
        <translation>Trag deine Daten in die Tabelle ein und zeichne das Diagramm. Zeichne es auch auf dein Arbeitsblatt.</translation>
    </message>
    <message>
        <source>6 - Conclusion</source>
        <translation>6 - Schlussfolgerung</translation>
    </message>
    <message>
        <source>Was your prediction correct? Why do you think that the rabbit numbers change?</source>
        <translation>War deine Vorhersage richtig? Warum verändert sich deiner Meinung nach die Zahl der Kaninchen?</translation>
    </message>
    <message>
        <source>7 - Extension</source>
        <translation>7 - Zusatzaufgabe</translation>
    </message>
    <message>
        <source>Write what you predict will happen to rabbit AND fox populations over ten years.</source>
        <translation>Schreib deine Vorhersage auf: Wie verändern sich die Kaninchen- UND die Fuchspopulation im Lauf von zehn Jahren?</translation>
    </message>
    <message>
        <source>8 - Making your conclusion</source>
        <translation>8 - Deine Schlussfolgerung</translation>
    </message>
    <message>
        <source>Put the data into your own table and draw a graph showing the rabbit and the fox numbers. Why did the populations change?</source>
        <translation>Erstelle eine eigene Tabelle und ein Diagramm mit der Zahl der Kaninchen und Füchse. Warum haben sich die Populationen verändert?</translation>
    </message>
</context>
<context>
    <name>LessonScreen</name>
    <message>
        <source>Next screen</source>
        <extracomment>What a screen reader calls the &quot;&gt;&gt;&quot; button.</extracomment>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Previous screen</source>
        <extracomment>What a screen reader calls the &quot;&lt;&lt;&quot; button.</extracomment>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Spoken name and tooltip of the stop-sign button, which ends the lesson; never shown as text.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Question %1</source>
        <extracomment>Spoken name and tooltip of a screen&apos;s question button; %1 is the question&apos;s number (1 to 8).</extracomment>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>What a screen reader says when a screen comes up: %1 is the screen&apos;s name (its title), %2 its instructions. Spoken, never shown.</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>NamePanel</name>
    <message>
        <source>OK</source>
        <extracomment>The name panel&apos;s button that hands the results in under the name typed; 81 px wide at 640 x 480.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>This computer&apos;s login is shared. Type your name, so that your teacher knows whose results these are:</source>
        <translation>Hier nutzen alle ein Konto. Tipp deinen Namen ein, damit deine Lehrkraft weiß, von wem das ist:</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Start full screen, for a projector or a kiosk (F11 switches it on and off).</source>
        <translation>Im Vollbild starten, für einen Beamer oder einen Kiosk (F11 schaltet es ein und aus).</translation>
    </message>
    <message>
        <source>Speak &lt;language&gt; (one of: %1) instead of the desktop&apos;s language.</source>
        <extracomment>Help for the --language option; %1 is the list of language codes the lesson speaks. &lt;language&gt; is the option&apos;s value as the help shows it.</extracomment>
        <translation>&lt;Sprache&gt; sprechen (eine von: %1) statt der Sprache des Desktops.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Start with reading aloud on: the lesson speaks its texts (F9 turns it on and off).</source>
        <translation>Mit Vorlesen starten: Die Lektion liest ihre Texte vor (F9 schaltet es ein und aus).</translation>
    </message>
    <message>
        <source>Write the printed worksheet, in the lesson&apos;s language, to &lt;file&gt; (PDF, A4) and exit without opening a window.</source>
        <translation>Das Arbeitsblatt zum Ausdrucken in der Sprache der Lektion in &lt;Datei&gt; schreiben (PDF, A4) und beenden, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Start a fresh lesson without offering the work kept from the last one, which is kept aside as the previous work.</source>
        <translation>Eine neue Lektion beginnen, ohne die gespeicherte Arbeit der letzten anzubieten; diese wird als frühere Arbeit beiseitegelegt.</translation>
    </message>
    <message>
        <source>Lapinar: a science lesson about animal populations on an island.</source>
        <translation>Lapinar: eine naturwissenschaftliche Lektion über Tierpopulationen auf einer Insel.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>A line on standard error; %1 is the worksheet file asked for, %2 the reason.</extracomment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Show the results handed in to the class &lt;folder&gt; instead of the lesson.</source>
        <translation>Die im Klassenordner &lt;Ordner&gt; abgegebenen Ergebnisse statt der Lektion zeigen.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>With --class: write every pupil&apos;s results to &lt;file&gt; as one CSV and exit without opening a window.</source>
        <translation>Mit --class: die Ergebnisse aller Schülerinnen und Schüler als eine CSV-Datei in &lt;Datei&gt; schreiben und beenden, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>With --class: write the class&apos;s report to &lt;file&gt; (PDF, A4) and exit without opening a window.</source>
        <translation>Mit --class: den Bericht der Klasse in &lt;Datei&gt; schreiben (PDF, A4) und beenden, ohne ein Fenster zu öffnen.</translation>
    </message>
    <message>
        <source>Start in a window, whatever a settings file says.</source>
        <translation>In einem Fenster starten, auch wenn eine Einstellungsdatei etwas anderes vorgibt.</translation>
    </message>
    <message>
        <source>Start with reading aloud off, whatever a settings file says.</source>
        <translation>Ohne Vorlesen starten, auch wenn eine Einstellungsdatei etwas anderes vorgibt.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>With --class: the class list, one login or name a line, instead of class.txt in the class folder.</source>
        <translation>Mit --class: die Klassenliste, ein Anmeldename oder Name pro Zeile, statt class.txt im Klassenordner.</translation>
    </message>
    <message>
        <source>--worksheet cannot go with --class, --csv, --report or --roster: give one at a time.</source>
        <translation>--worksheet geht nicht zusammen mit --class, --csv, --report oder --roster: bitte einzeln angeben.</translation>
    </message>
    <message>
        <source>--csv, --report and --roster need --class &lt;folder&gt;.</source>
        <translation>--csv, --report und --roster brauchen --class &lt;Ordner&gt;.</translation>
    </message>
    <message>
        <source>--%1 is for the lesson, not for --class.</source>
        <extracomment>A line on standard error; %1 is the option&apos;s name (e.g. &quot;read-aloud&quot;), which stays as it is.</extracomment>
        <translation>--%1 ist für die Lektion, nicht für --class.</translation>
    </message>
    <message>
        <source>the class window needs a display; without one, write the class&apos;s results with --csv &lt;file&gt; or --report &lt;file&gt;.</source>
        <translation>das Klassenfenster braucht einen Bildschirm; ohne Bildschirm schreiben Sie die Ergebnisse der Klasse mit --csv &lt;Datei&gt; oder --report &lt;Datei&gt;.</translation>
    </message>
    <message>
        <source>the class view cannot be started: %1</source>
        <extracomment>A line on standard error when lapinar --class cannot run the class view&apos;s program; %1 is the reason the system gives.</extracomment>
        <translation>die Klassenansicht kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Let reading aloud speak even while a screen reader runs; without this it stays quiet then, so that one voice speaks.</source>
        <translation>Vorlesen auch sprechen lassen, während ein Bildschirmleser läuft; ohne diese Option schweigt es dann, damit nur eine Stimme spricht.</translation>
    </message>
    <message>
        <source>Keep each practice and island rabbit still to count up for &lt;seconds&gt;, or until it is counted (from 1.5, the lesson&apos;s own, to 15); the wait between rabbits stays 1.5 seconds. In the lesson S makes it slower and P pauses it.</source>
        <translation>Jedes noch zu zählende Kaninchen der Übung und der Insel &lt;Sekunden&gt; lang zeigen oder bis es gezählt ist (von 1.5, dem Takt der Lektion, bis 15); die Pause zwischen den Kaninchen bleibt 1.5 Sekunden. In der Lektion macht S es langsamer und P hält es an.</translation>
    </message>
</context>
<context>
    <name>PopupScreen</name>
    <message>
        <source>Slower</source>
        <extracomment>Said, and shown as a small sign by the burrows, when S keeps the rabbits up twice as long; the sign has room for about 12 letters at 640 x 480.</extracomment>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <extracomment>Said when S is pressed again and the rabbits keep their usual time.</extracomment>
        <translation>Normales Tempo</translation>
    </message>
    <message>
        <source>Rabbit up</source>
        <extracomment>Said to a screen reader as a rabbit still to count comes up out of a burrow, where Space counts it.</extracomment>
        <translation>Kaninchen da</translation>
    </message>
    <message>
        <source>Gone</source>
        <extracomment>Said to a screen reader as the rabbit goes back down its burrow.</extracomment>
        <translation>Weg</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Said (and shown by the burrows) when P pauses the rabbits where they are.</extracomment>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Going on</source>
        <extracomment>Said when P is pressed again and the rabbits go on.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Counted rabbit up</source>
        <extracomment>Said to a screen reader as a rabbit counted before comes up.</extracomment>
        <translation>Gezähltes Kaninchen da</translation>
    </message>
    <message>
        <source>No more burrows that way.</source>
        <extracomment>Said to a screen reader when an arrow key would go past the last burrow.</extracomment>
        <translation>Keine Baue mehr in dieser Richtung.</translation>
    </message>
</context>
<context>
    <name>Prediction</name>
    <message>
        <source>The number of rabbits will go up and then stay the same.</source>
        <translation>Die Zahl der Kaninchen steigt und bleibt dann gleich.</translation>
    </message>
    <message>
        <source>All the rabbits will die.</source>
        <translation>Alle Kaninchen sterben.</translation>
    </message>
    <message>
        <source>The number of rabbits will keep on going up.</source>
        <translation>Die Zahl der Kaninchen steigt immer weiter.</translation>
    </message>
    <message>
        <source>The number of rabbits will go up and then go down.</source>
        <translation>Die Zahl der Kaninchen steigt und sinkt dann wieder.</translation>
    </message>
    <message>
        <source>The number of rabbits will not change.</source>
        <translation>Die Zahl der Kaninchen verändert sich nicht.</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Vorhersage</translation>
    </message>
    <message>
        <source>Here are some things that could happen.</source>
        <translation>Das hier könnte passieren.</translation>
    </message>
    <message>
        <source>Click on the best prediction.</source>
        <translation>Wähle die beste Vorhersage.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich der Qt-eigenen Optionen an.</translation>
    </message>
</context>
<context>
    <name>QuestionDialog</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Question %1</source>
        <extracomment>Title of the question panel; %1 is the question&apos;s number (1 to 8). One line, 281 px wide, 18-px text.</extracomment>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button that closes the question panel; &amp; marks the letter of its key. 97 px wide at 640 x 480, room for about 85 px of 18-px text (about 9 letters).</extracomment>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Reading aloud is not available on this computer.</source>
        <translation>Vorlesen ist auf diesem Computer nicht möglich.</translation>
    </message>
    <message>
        <source>Reading aloud is on</source>
        <translation>Vorlesen ist an</translation>
    </message>
    <message>
        <source>Reading aloud is off</source>
        <extracomment>Said to a screen reader when F9 turns reading aloud off.</extracomment>
        <translation>Vorlesen ist aus</translation>
    </message>
    <message>
        <source>Reading aloud is quiet while a screen reader speaks</source>
        <translation>Vorlesen schweigt, solange ein Bildschirmleser spricht</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>OK</source>
        <extracomment>Button that closes a reminder: 81 px wide at 640 x 480, room for about 69 px of 13-px text (about 10 letters).</extracomment>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ResultsGraph</name>
    <message>
        <source>Graph of rabbits counted each year</source>
        <translation>Diagramm der jedes Jahr gezählten Kaninchen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>%1 %2 (above the graph)</source>
        <extracomment>Spoken: a point of the pupil&apos;s graph above its top; %1 is the year (&quot;Start&quot; or a number), %2 the number of rabbits.</extracomment>
        <translation>%1 %2 (über dem Diagramm)</translation>
    </message>
    <message>
        <source>%1 %2 (below the graph)</source>
        <extracomment>Spoken: a point of the pupil&apos;s graph below its bottom; %1 is the year (&quot;Start&quot; or a number), %2 the number of rabbits.</extracomment>
        <translation>%1 %2 (unter dem Diagramm)</translation>
    </message>
    <message>
        <source>No points</source>
        <translation>Keine Punkte</translation>
    </message>
</context>
<context>
    <name>ScreenChain</name>
    <message>
        <source>Remember that each screen has a question on your worksheet. Have you answered the first one?</source>
        <translation>Denk daran: Zu jeder Seite gibt es eine Frage auf deinem Arbeitsblatt. Hast du die erste beantwortet?</translation>
    </message>
    <message>
        <source>Make sure that you have written your prediction down.</source>
        <translation>Denk daran, deine Vorhersage aufzuschreiben.</translation>
    </message>
    <message>
        <source>Do you really want to leave Lapinar?</source>
        <translation>Willst du Lapinar wirklich verlassen?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>die Sprache des Desktops</translation>
    </message>
    <message>
        <source>%1: cannot be read; skipped.</source>
        <extracomment>A line on standard error; %1 is a settings file.</extracomment>
        <translation>%1: nicht lesbar; übersprungen.</translation>
    </message>
    <message>
        <source>%1: Language=%2 is not a language the lesson speaks (%3); using %4.</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 the value given, %3 the language codes the lesson speaks, %4 the language used instead.</extracomment>
        <translation>%1: Language=%2 ist keine Sprache der Lektion (%3); verwendet wird %4.</translation>
    </message>
    <message>
        <source>%1: %2=%3 is neither true nor false; using %4.</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 a setting&apos;s name, %3 the value given, %4 the value used instead (true or false, as written in the file).</extracomment>
        <translation>%1: %2=%3 ist weder true noch false; verwendet wird %4.</translation>
    </message>
    <message>
        <source>%1: unknown setting %2 ignored; did you mean %3?</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 the name given, %3 the setting it is nearest to.</extracomment>
        <translation>%1: unbekannte Einstellung %2 ignoriert; meinten Sie %3?</translation>
    </message>
    <message>
        <source>%1: unknown setting %2 ignored; the settings are %3.</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 the name given, %3 the list of the settings&apos; names.</extracomment>
        <translation>%1: unbekannte Einstellung %2 ignoriert; die Einstellungen sind %3.</translation>
    </message>
    <message>
        <source>--language %1 is not a language the lesson speaks (%2); using %3.</source>
        <extracomment>A line on standard error; %1 is the code given, %2 the language codes the lesson speaks, %3 the language used instead.</extracomment>
        <translation>--language %1 ist keine Sprache der Lektion (%2); verwendet wird %3.</translation>
    </message>
    <message>
        <source>%1 is not a time from %2 to %3 seconds; using %4.</source>
        <extracomment>A line on standard error; %1 names the setting or option and the value given, %2 and %3 are the shortest and longest times in seconds, %4 the time used instead.</extracomment>
        <translation>%1 ist keine Zeit von %2 bis %3 Sekunden; verwendet wird %4.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>You have now counted none of the rabbits that were on the island.</source>
        <translation>Du hast bisher keines der Kaninchen gezählt, die auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted only a few of the rabbits that were on the island.</source>
        <translation>Du hast nur wenige der Kaninchen gezählt, die auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted some of the rabbits that were on the island.</source>
        <translation>Du hast einen Teil der Kaninchen gezählt, die auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted nearly half of the rabbits that were on the island.</source>
        <translation>Du hast fast die Hälfte der Kaninchen gezählt, die auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted half of the rabbits that were on the island.</source>
        <translation>Du hast die Hälfte der Kaninchen gezählt, die auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted just over half of the rabbits that were on the island.</source>
        <translation>Du hast etwas mehr als die Hälfte der Kaninchen gezählt, die auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted most of the rabbits that were on the island.</source>
        <translation>Du hast die meisten der Kaninchen gezählt, die auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted nearly all of the rabbits that were on the island.</source>
        <translation>Du hast fast alle Kaninchen gezählt, die auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted all of the rabbits that were on the island.</source>
        <translation>Du hast alle Kaninchen gezählt, die auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted a few more than the rabbits that were on the island.</source>
        <translation>Du hast ein paar Kaninchen mehr gezählt, als auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted  the rabbits that were on the island.</source>
        <translation>Du hast  die Kaninchen gezählt, die auf der Insel waren.</translation>
    </message>
    <message>
        <source>You have now counted a lot more than the rabbits that were on the island.</source>
        <translation>Du hast viel mehr Kaninchen gezählt, als auf der Insel waren.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Lapinar worksheet</source>
        <translation>Lapinar-Arbeitsblatt</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Foxes</source>
        <translation>Füchse</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <extracomment>Why the worksheet could not be written: the PDF file could not be created. It follows &quot;cannot write FILE:&quot; on standard error.</extracomment>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>YearButtons</name>
    <message>
        <source>Next year</source>
        <extracomment>Button to the next year on the island and fox screens: 81 px wide at 640 x 480, room for 69 px of text (the English takes 56 px there: about 11 letters). Keep the noun &quot;year&quot; (or a shorter word for it); where no noun fits, the language&apos;s own word for next/previous.</extracomment>
        <translation>Folgejahr</translation>
    </message>
    <message>
        <source>Last year</source>
        <extracomment>Button back to the year before, on the island and fox screens: 81 px wide at 640 x 480, room for 69 px of text (the English takes 53 px there: about 11 letters). Keep the noun &quot;year&quot; (or a shorter word for it); where no noun fits, the language&apos;s own word for next/previous.</extracomment>
        <translation>Vorjahr</translation>
    </message>
</context>
<context>
    <name>YesNoPanel</name>
    <message>
        <source>Yes</source>
        <extracomment>Button that answers a question yes: 81 px wide at 640 x 480, room for about 69 px of 13-px text.</extracomment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Button that answers a question no: 81 px wide at 640 x 480, room for about 69 px of 13-px text.</extracomment>
        <translation>Nein</translation>
    </message>
</context>
</TS>

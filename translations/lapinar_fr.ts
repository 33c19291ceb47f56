<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Calendar</name>
    <message>
        <source>Year%1%2</source>
        <extracomment>The year page of a calendar: %1 is a line break, %2 the year&apos;s number. Each line is at most 37 px of 11-px text at 640 x 480 (about 6 letters); the word goes above the number.</extracomment>
        <translation>Année%1%2</translation>
    </message>
</context>
<context>
    <name>ClassFolder</name>
    <message>
        <source>not a plain file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>an earlier hand-in of %1, who handed in again</source>
        <extracomment>Why a file was left out; %1 is the pupil&apos;s name.</extracomment>
        <translation>un rendu plus ancien de %1, qui a rendu à nouveau</translation>
    </message>
    <message>
        <source>user number %1</source>
        <extracomment>Who owns a file, when the user has no name on this machine; %1 is the user number.</extracomment>
        <translation>utilisateur n°&#xa0;%1</translation>
    </message>
    <message>
        <source>a link, not followed</source>
        <translation>un lien, non suivi</translation>
    </message>
    <message>
        <source>not a hand-in: its name is not a pupil&apos;s</source>
        <translation>pas un rendu&#xa0;: son nom n’est pas celui d’un élève</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>Why a file or box was left out; %1 is the system&apos;s reason (e.g. &quot;Permission denied&quot;).</extracomment>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a hand-in: too large (%1 bytes)</source>
        <extracomment>Why a file was left out; %1 is its size in bytes.</extracomment>
        <translation>pas un rendu&#xa0;: trop grand (%1&#xa0;octets)</translation>
    </message>
    <message>
        <source>not a hand-in: too large</source>
        <translation>pas un rendu&#xa0;: trop grand</translation>
    </message>
    <message>
        <source>says it is %1&apos;s, but its name is %2&apos;s</source>
        <extracomment>A forged file, left out; %1 is the pupil its text names, %2 the login its file name gives.</extracomment>
        <translation>dit être de %1, mais son nom est celui de %2</translation>
    </message>
    <message>
        <source>says it is %1&apos;s, but its name says %2</source>
        <extracomment>A forged file, left out; %1 is the name its text gives, %2 the name its file name gives.</extracomment>
        <translation>dit être de %1, mais son nom dit %2</translation>
    </message>
    <message>
        <source>named after %1, but written by %2</source>
        <extracomment>A file put there by another login, left out; %1 is the login of its name, %2 the login that owns it.</extracomment>
        <translation>au nom de %1, mais écrit par %2</translation>
    </message>
    <message>
        <source>not a hand-in: not text</source>
        <translation>pas un rendu&#xa0;: pas du texte</translation>
    </message>
    <message>
        <source>not a hand-in: its first line is not pupil,year,rabbits</source>
        <translation>pas un rendu&#xa0;: sa première ligne n’est pas pupil,year,rabbits</translation>
    </message>
    <message>
        <source>only 1 year</source>
        <extracomment>Why a hand-in was left out: it has a row for one year only.</extracomment>
        <translation>une seule année</translation>
    </message>
    <message>
        <source>only %1 years</source>
        <extracomment>Why a hand-in was left out; %1 is the number of years it has (2 to 9).</extracomment>
        <translation>seulement %1&#xa0;années</translation>
    </message>
    <message>
        <source>%1 rows of years, more than the lesson&apos;s %2</source>
        <extracomment>Why a hand-in was left out; %1 is the number of year rows it has, %2 the lesson&apos;s 10.</extracomment>
        <translation>%1&#xa0;lignes d’années, plus que les %2 de la leçon</translation>
    </message>
    <message>
        <source>row %1 does not match the first line</source>
        <extracomment>Why a hand-in was left out; %1 is the number of the faulty row.</extracomment>
        <translation>la ligne %1 ne correspond pas à la première</translation>
    </message>
    <message>
        <source>row %1: a year that is not 0 to 9: %2</source>
        <extracomment>Why a hand-in was left out; %1 is the row&apos;s number, %2 what it has for a year.</extracomment>
        <translation>ligne %1&#xa0;: une année qui n’est pas de 0 à 9&#xa0;: %2</translation>
    </message>
    <message>
        <source>year %1 twice</source>
        <extracomment>Why a hand-in was left out; %1 is a year, 0 to 9.</extracomment>
        <translation>année %1 en double</translation>
    </message>
    <message>
        <source>a count that is not a number: %1</source>
        <extracomment>Why a hand-in was left out; %1 is the text it has for a count.</extracomment>
        <translation>un comptage qui n’est pas un nombre&#xa0;: %1</translation>
    </message>
    <message>
        <source>row %1 names no pupil</source>
        <extracomment>Why a hand-in was left out; %1 is the number of the row.</extracomment>
        <translation>la ligne %1 ne nomme aucun élève</translation>
    </message>
    <message>
        <source>rows of two pupils: %1 and %2</source>
        <extracomment>Why a hand-in was left out; %1 and %2 are the two names its rows give.</extracomment>
        <translation>des lignes de deux élèves&#xa0;: %1 et %2</translation>
    </message>
    <message>
        <source>a box others can write in, so nothing in it is counted</source>
        <extracomment>A pupil&apos;s box in the class folder whose hand-ins are not counted.</extracomment>
        <translation>une case où d’autres peuvent écrire ; rien de ce qu’elle contient n’est compté</translation>
    </message>
    <message>
        <source>at the top of a folder of boxes, where no pupil&apos;s hand-in belongs; not counted</source>
        <translation>à la racine d’un dossier de cases, où aucun rendu d’élève n’a sa place ; non compté</translation>
    </message>
    <message>
        <source>more than %1 entries; the rest were not looked at</source>
        <extracomment>Why part of a class folder was not read; %1 is the most entries looked at.</extracomment>
        <translation>plus de %1 entrées ; le reste n’a pas été examiné</translation>
    </message>
    <message>
        <source>more than %1 other entries in this box; the rest were not looked at</source>
        <extracomment>Why part of a pupil&apos;s box was not read; %1 is the most entries looked at in one box.</extracomment>
        <translation>plus de %1 autres entrées dans cette case ; le reste n’a pas été examiné</translation>
    </message>
    <message>
        <source>%1 more files named as hand-ins than the %2 read; not read</source>
        <extracomment>Why files of a class folder were not read; %1 is how many, %2 the most that are read.</extracomment>
        <translation>%1 fichiers nommés comme des rendus au-delà des %2 lus ; non lus</translation>
    </message>
    <message>
        <source>the name %1 typed on %2, a pupil&apos;s own login</source>
        <extracomment>A forged file, left out; %1 is the name typed, %2 the login, which is a pupil&apos;s own.</extracomment>
        <translation>le nom %1 tapé sous %2, la session personnelle d’un élève</translation>
    </message>
    <message>
        <source>this folder shows other logins&apos; files as written by %1 too, so a pupil may have written it; give the class list with --roster from a folder of your own</source>
        <extracomment>Why the class list in the class folder is not used; %1 is who the folder shows as its owner.</extracomment>
        <translation>ce dossier montre aussi les fichiers d’autres sessions comme écrits par %1 : un élève a pu l’écrire ; indiquez la liste de classe avec --roster depuis un dossier à vous</translation>
    </message>
    <message>
        <source>%1 (typed: %2@%3)</source>
        <extracomment>A name a pupil typed on a shared login, not proven by a login; %1 is the name (up to 32 letters), %2 the login it was typed on, %3 the machine.</extracomment>
        <translation>%1 (tapé : %2@%3)</translation>
    </message>
    <message>
        <source>%1 (its text says %2)</source>
        <extracomment>A hand-in in a pupil&apos;s box whose text names someone else; %1 is the box&apos;s pupil, %2 the name in the text.</extracomment>
        <translation>%1 (son texte dit %2)</translation>
    </message>
    <message>
        <source>%1 (unproven)</source>
        <extracomment>A hand-in whose writer the folder cannot prove; %1 is the pupil&apos;s name.</extracomment>
        <translation>%1 (non prouvé)</translation>
    </message>
    <message>
        <source>%1 (not on the class list)</source>
        <extracomment>A login that handed in but is not on the class list; %1 is the login.</extracomment>
        <translation>%1 (absent de la liste de classe)</translation>
    </message>
</context>
<context>
    <name>ClassGraph</name>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>each pupil</source>
        <translation>chaque élève</translation>
    </message>
    <message>
        <source>class median</source>
        <translation>médiane de la classe</translation>
    </message>
    <message>
        <source>middle half</source>
        <translation>moitié centrale</translation>
    </message>
    <message>
        <source>whole range</source>
        <translation>étendue</translation>
    </message>
    <message>
        <source>rabbits really there</source>
        <translation>lapins réellement présents</translation>
    </message>
    <message>
        <source>Year %1: class median %2, middle half %3 to %4, whole range %5 to %6</source>
        <translation>Année %1 : médiane de la classe %2, moitié centrale de %3 à %4, étendue de %5 à %6</translation>
    </message>
    <message>
        <source>Year %1: no counts</source>
        <extracomment>A year of the class graph said in words when no pupil gave a count; %1 is the year.</extracomment>
        <translation>Année %1 : aucun comptage</translation>
    </message>
    <message>
        <source>rabbits really there %1</source>
        <extracomment>Follows a year of the class graph said in words; %1 is the number of rabbits on the island.</extracomment>
        <translation>lapins réellement présents %1</translation>
    </message>
</context>
<context>
    <name>ClassList</name>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>Why the class list is not used; %1 is the system&apos;s reason (e.g. &quot;Permission denied&quot;).</extracomment>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>too large for a class list</source>
        <translation>trop grand pour une liste de classe</translation>
    </message>
    <message>
        <source>not written by you nor by the folder&apos;s owner: a pupil may have put it there</source>
        <translation>écrite ni par vous ni par le propriétaire du dossier&#xa0;: un élève a pu la déposer</translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>A line on standard error; %1 is the file asked for (CSV or PDF), %2 the reason.</extracomment>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Pupils not shown here: %1 (the merged CSV has every pupil).</source>
        <extracomment>Under the table of the class report: %1 is the number of pupils whose rows did not fit on the page (it may become their names, so put no noun after it). One line of 8-point text across an A4 page.</extracomment>
        <translation>Élèves non montrés ici : %1 (le CSV fusionné contient tous les élèves).</translation>
    </message>
    <message>
        <source>Lapinar: the class&apos;s results</source>
        <translation>Lapinar&#xa0;: les résultats de la classe</translation>
    </message>
    <message>
        <source>Year %1</source>
        <extracomment>Heading of a column of the class&apos;s table; %1 is the year (0 to 9).</extracomment>
        <translation>Année %1</translation>
    </message>
    <message>
        <source>Rabbits counted by each pupil, year by year</source>
        <translation>Lapins comptés par chaque élève, année par année</translation>
    </message>
    <message>
        <source>Graph of the class&apos;s counts against the rabbits really on the island</source>
        <translation>Graphique des comptages de la classe face aux lapins réellement sur l’île</translation>
    </message>
    <message>
        <source>The class folder cannot be read: %1</source>
        <extracomment>Shown to the teacher above the class&apos;s table; %1 is the system&apos;s reason.</extracomment>
        <translation>Le dossier de la classe ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pupils who handed in: %1</source>
        <extracomment>Shown to the teacher above the class&apos;s table; %1 is the number of pupils whose results are shown.</extracomment>
        <translation>Élèves qui ont rendu leurs résultats&#xa0;: %1</translation>
    </message>
    <message>
        <source>files left out: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of files of the class folder that were left out.</extracomment>
        <translation>fichiers laissés de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>Follows a list of pupils&apos; names; %1 is the number of pupils not named.</extracomment>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>cannot read the class folder %1: %2</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 the system&apos;s reason.</extracomment>
        <translation>impossible de lire le dossier de la classe %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1/%2: %3; left out</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 a file in it, %3 why it was left out.</extracomment>
        <translation>%1/%2&#xa0;: %3&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>counts missing</source>
        <translation>comptages manquants</translation>
    </message>
    <message>
        <source>Files left out</source>
        <translation>Fichiers laissés de côté</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>le PDF n’a pas pu être créé</translation>
    </message>
    <message>
        <source>Handed in %1 on %2, in %3</source>
        <extracomment>The tooltip of a pupil&apos;s &quot;Handed in&quot; cell; %1 is the time (today) or the date and time, %2 the name of the machine the pupil handed in from (e.g. pc-07), %3 the lesson&apos;s language code (en, fr, de, es).</extracomment>
        <translation>Rendu : %1, sur le poste %2, langue %3</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Rendu</translation>
    </message>
    <message>
        <source>dated in the future</source>
        <translation>daté dans le futur</translation>
    </message>
    <message>
        <source>a date that is not one</source>
        <translation>date non valide</translation>
    </message>
    <message>
        <source>from a machine the rest of the class does not use</source>
        <translation>depuis un poste que le reste de la classe n’utilise pas</translation>
    </message>
    <message>
        <source>The folder is read again when it changes, every few seconds, and on F5. T shows or hides the rabbits really there.</source>
        <translation>Le dossier est relu dès qu’il change, toutes les trois secondes et avec la touche F5. La touche T montre ou cache les lapins réellement présents.</translation>
    </message>
    <message>
        <source>The class list %1 is not used: %2</source>
        <extracomment>Shown to the teacher; %1 is the class list&apos;s file, %2 why it is not used.</extracomment>
        <translation>La liste de classe %1 n’est pas utilisée&#xa0;: %2</translation>
    </message>
    <message>
        <source>No class list, so only who handed in is shown: put the class&apos;s logins in %1 in the class folder, one a line, to see who is missing.</source>
        <extracomment>Shown to the teacher in the class window; %1 is the class list&apos;s file name, class.txt.</extracomment>
        <translation>Pas de liste de classe : seuls ceux qui ont rendu sont affichés. Mettez les identifiants de la classe dans le fichier %1 du dossier de la classe, un par ligne, pour voir qui manque.</translation>
    </message>
    <message>
        <source>Everyone on the class list has handed in (%1).</source>
        <extracomment>Shown to the teacher; %1 is the number of pupils on the class list.</extracomment>
        <translation>Tous les élèves de la liste de classe ont rendu (%1).</translation>
    </message>
    <message>
        <source>Not handed in (%1 of %2 on the class list): %3</source>
        <extracomment>Shown to the teacher; %1 is how many on the class list have not handed in, %2 how many are on it, %3 their names (logins or typed names), joined by commas.</extracomment>
        <translation>N’ont pas rendu (%1 sur %2 de la liste de classe) : %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the list of files left out; %1 is the file, %2 why it was left out.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Reading the class folder…</source>
        <translation>Lecture du dossier de la classe…</translation>
    </message>
    <message>
        <source>Hide the rabbits really there</source>
        <extracomment>The class window&apos;s button once the rabbits really there are shown; the button is as wide as the longer of its two captions.</extracomment>
        <translation>Cacher les lapins réellement présents</translation>
    </message>
    <message>
        <source>Show the rabbits really there</source>
        <extracomment>The class window&apos;s button that shows the rabbits really on the island in the table and graph.</extracomment>
        <translation>Montrer les lapins réellement présents</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The class window&apos;s button that opens the print dialog; about 80 px wide.</extracomment>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>%1: %2 more files left out</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 the number of files (2 or more).</extracomment>
        <translation>%1&#xa0;: %2 autres fichiers laissés de côté</translation>
    </message>
    <message>
        <source>The report cannot be printed: %1</source>
        <extracomment>Shown to the teacher; %1 is why.</extracomment>
        <translation>Le compte rendu ne peut pas être imprimé : %1</translation>
    </message>
    <message>
        <source>the pages could not be drawn for the printer</source>
        <translation>les pages n’ont pas pu être préparées pour l’impression</translation>
    </message>
    <message>
        <source>not on the class list: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of logins that handed in but are not on the class list (shown apart, left out of the class&apos;s figures).</extracomment>
        <translation>absents de la liste de classe : %1</translation>
    </message>
    <message>
        <source>other entries passed over: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of other files and folders in the class folder that are no hand-ins (or were beyond what is read) and were passed over.</extracomment>
        <translation>autres entrées ignorées : %1</translation>
    </message>
    <message>
        <source>A folder of boxes: only its pupil can write in each box, as the file server enforces, so each hand-in shown is its box&apos;s pupil&apos;s.</source>
        <translation>Dossier de cases : seul son élève écrit dans chaque case, le serveur l’impose ; chaque rendu est celui de l’élève de sa case.</translation>
    </message>
    <message>
        <source>This folder says it holds a box per pupil, but every pupil can write at its top: it is read as a folder every pupil writes in.</source>
        <translation>Ce dossier dit contenir une case par élève, mais tout élève peut écrire à sa racine : il est lu comme un dossier où tous écrivent.</translation>
    </message>
    <message>
        <source>A folder every pupil writes in: each hand-in shown was written by the login it is named after, as the file system shows its owner.</source>
        <translation>Dossier où tous écrivent : d’après le système de fichiers, chaque rendu affiché vient de la session dont il porte le nom.</translation>
    </message>
    <message>
        <source>A folder every pupil writes in: this folder cannot prove who wrote which file for %1 hand-ins, marked unproven. A box per pupil (lapinar-boxes) proves every hand-in.</source>
        <extracomment>%1 is the number of hand-ins marked unproven.</extracomment>
        <translation>Dossier partagé : rien ne prouve qui a écrit %1 rendus (non prouvés). Une case par élève (lapinar-boxes) le prouve.</translation>
    </message>
    <message>
        <source>A name typed on a shared login is anyone&apos;s: each is shown with the login and machine it was typed on.</source>
        <translation>N’importe qui peut taper un nom sur une session partagée : il est affiché avec la session et le poste.</translation>
    </message>
    <message>
        <source>The class folder has not answered since %1: the numbers shown were read at %2.</source>
        <extracomment>Shown to the teacher when a class folder (often a network share) does not answer; %1 is when it was last asked, %2 when the numbers shown were read (times of day).</extracomment>
        <translation>Le dossier de la classe ne répond plus depuis %1&#xa0;: les nombres affichés ont été lus à %2.</translation>
    </message>
    <message>
        <source>The class folder has not answered since %1: nothing could be read from it yet.</source>
        <extracomment>Shown to the teacher when a class folder (often a network share) does not answer; %1 is when it was last asked (a time of day).</extracomment>
        <translation>Le dossier de la classe ne répond plus depuis %1&#xa0;: rien n’a encore pu y être lu.</translation>
    </message>
    <message>
        <source>F5: waiting for the folder to answer; it is read again as soon as it does.</source>
        <translation>F5&#xa0;: en attente de la réponse du dossier&#xa0;; il sera relu dès qu’il répondra.</translation>
    </message>
    <message>
        <source>The class folder answers again (since %1).</source>
        <extracomment>Shown to the teacher once a class folder that did not answer answers again; %1 is the time of day.</extracomment>
        <translation>Le dossier de la classe répond de nouveau (depuis %1).</translation>
    </message>
    <message>
        <source>Lapinar class results %1</source>
        <extracomment>The print dialog&apos;s title and the report&apos;s name, which the dialog offers as the PDF&apos;s file name: no colon, slash, quote or apostrophe. %1 is the date, as 2026-12-09.</extracomment>
        <translation>Lapinar résultats de la classe %1</translation>
    </message>
    <message>
        <source>%1: 1 more file left out</source>
        <extracomment>A line on standard error; %1 is the class folder.</extracomment>
        <translation>%1 : 1 autre fichier laissé de côté</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>What a screen reader says of a cell of the class&apos;s table: %1 is the pupil (or &quot;class median&quot;), %2 the column (&quot;Year 5&quot; or &quot;Handed in&quot;), %3 what the cell holds.</extracomment>
        <translation>%1, %2 : %3</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of a year without a class median (no pupil gave a count).</extracomment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1, not a number</source>
        <extracomment>What a screen reader says of a count a pupil typed that is not a number; %1 is the text.</extracomment>
        <translation>%1, pas un nombre</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>not handed in: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of pupils on the class list who have not.</extracomment>
        <translation>pas rendu : %1</translation>
    </message>
    <message>
        <source>The rabbits really there are shown in the table and the graph.</source>
        <extracomment>Said to a teacher with a screen reader when T shows the rabbits really on the island.</extracomment>
        <translation>Les lapins réellement présents sont montrés dans le tableau et le graphique.</translation>
    </message>
    <message>
        <source>The rabbits really there are hidden.</source>
        <extracomment>Said to a teacher with a screen reader when T hides them again.</extracomment>
        <translation>Les lapins réellement présents sont cachés.</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <extracomment>Said to a teacher with a screen reader as pupils hand in while the class window is open; %1 is one or more names joined by commas.</extracomment>
        <translation>%1 a rendu ses résultats</translation>
    </message>
</context>
<context>
    <name>Conclusion</name>
    <message>
        <source>A rabbit&apos;s head</source>
        <translation>Une tête de lapin</translation>
    </message>
    <message>
        <source>Decide if your results are good enough for you to make a conclusion.</source>
        <translation>Décide si tes résultats sont assez bons pour pouvoir conclure.</translation>
    </message>
    <message>
        <source>Go back to check your results or click on the question button for help on writing your conclusion.</source>
        <translation>Reviens en arrière pour vérifier tes résultats, ou bien clique sur le bouton des questions pour t’aider à conclure.</translation>
    </message>
    <message>
        <source>Extension</source>
        <extracomment>Button to the extension with foxes: 81 px wide at 640 x 480, room for about 69 px of text (about 10 letters).</extracomment>
        <translation>La suite</translation>
    </message>
    <message>
        <source>Conclusion</source>
        <translation>Conclusion</translation>
    </message>
</context>
<context>
    <name>Extend</name>
    <message>
        <source>A fox</source>
        <translation>Un renard</translation>
    </message>
    <message>
        <source>Foxes and Lapinar</source>
        <translation>Renards &amp; Lapinar</translation>
    </message>
    <message>
        <source>You now decide to put a predator on the island.</source>
        <translation>Tu décides de lâcher un prédateur sur l’île.</translation>
    </message>
    <message>
        <source>You want to find out how some foxes will affect the rabbit numbers.</source>
        <translation>Tu veux découvrir comment quelques renards vont changer le nombre de lapins.</translation>
    </message>
    <message>
        <source>You will start with a large population of rabbits. You will then put a few foxes on the island.</source>
        <translation>Tu commenceras avec une grande population de lapins. Ensuite, tu lâcheras quelques renards sur l’île.</translation>
    </message>
</context>
<context>
    <name>Finish</name>
    <message>
        <source>A rabbit&apos;s head</source>
        <translation>Une tête de lapin</translation>
    </message>
    <message>
        <source>The end</source>
        <translation>La fin</translation>
    </message>
    <message>
        <source>You now need to process the data you have collected and make a final conclusion.</source>
        <translation>Tu dois maintenant traiter les données que tu as recueillies et tirer une conclusion.</translation>
    </message>
    <message>
        <source>Click on the question button to find out what you need to do.</source>
        <translation>Clique sur le bouton des questions pour savoir ce que tu dois faire.</translation>
    </message>
</context>
<context>
    <name>Foxes</name>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Rabbits counted</source>
        <translation>Lapins comptés</translation>
    </message>
    <message>
        <source>Rabbits counted: %1</source>
        <extracomment>Spoken name of the calendar page that shows the count; %1 is the number of animals counted this year.</extracomment>
        <translation>Lapins comptés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Next year</source>
        <extracomment>The year button before the first year is shown: 81 px wide at 640 x 480, room for 69 px of 11-px text (about 11 letters). Translate it as the &quot;Next year&quot; of the year buttons.</extracomment>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>You have already counted this one.</source>
        <translation>Tu as déjà compté cet animal.</translation>
    </message>
    <message>
        <source>Fox island, year %1</source>
        <extracomment>The fox screen&apos;s spoken name; %1 is the year of the experiment (0 to 10).</extracomment>
        <translation>Île aux renards, année %1</translation>
    </message>
    <message>
        <source>No more animals that way.</source>
        <extracomment>Said to a screen reader when an arrow key would go past the last animal.</extracomment>
        <translation>Plus d’animal de ce côté.</translation>
    </message>
    <message>
        <source>All counted.</source>
        <extracomment>Said to a screen reader after the count, once every rabbit of the fox year is counted.</extracomment>
        <translation>Tous comptés.</translation>
    </message>
    <message numerus="yes">
        <source>There are %n animals.</source>
        <extracomment>Said after the count as a fox year opens; %n is the number of animals, rabbits and foxes, on the island.</extracomment>
        <translation>
            <numerusform>Il y a %n animal.</numerusform>
            <numerusform>Il y a %n animaux.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fox, not counted.</source>
        <extracomment>Said to a screen reader when the pupil presses Space on a fox: foxes are not counted.</extracomment>
        <translation>Renard, pas compté.</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Rabbits in year %1</source>
        <extracomment>Spoken name of a cell of the results table; %1 is the year (0 to 9).</extracomment>
        <translation>Lapins de l’année %1</translation>
    </message>
    <message>
        <source>Graph title</source>
        <translation>Titre du graphique</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Heading of the results table&apos;s year column (and the graph&apos;s axis title): at most 65 px of 13-px text at 640 x 480 (about 9 letters).</extracomment>
        <translation>Année</translation>
    </message>
    <message>
        <source>Rabbits</source>
        <extracomment>Heading of the results table&apos;s count column: at most 65 px of 13-px text at 640 x 480 (about 9 letters).</extracomment>
        <translation>Lapins</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The first row of the year column, the year the rabbits were put on the island: at most 52 px of 13-px text at 640 x 480 (about 7 letters).</extracomment>
        <translation>Début</translation>
    </message>
    <message>
        <source>Draw graph</source>
        <extracomment>Button: 129 px wide at 640 x 480, room for about 117 px of 13-px text (about 17 letters).</extracomment>
        <translation>Tracer le graphique</translation>
    </message>
    <message>
        <source>Copy graph</source>
        <extracomment>Button: 128 px wide at 640 x 480, room for about 116 px of 13-px text (about 17 letters).</extracomment>
        <translation>Copier le graphique</translation>
    </message>
    <message>
        <source>Join points</source>
        <extracomment>Button that joins the points of the graph with lines; it then reads &quot;Plot points&quot;. 121 px wide at 640 x 480, room for about 109 px of 13-px text (about 16 letters).</extracomment>
        <translation>Relier les points</translation>
    </message>
    <message>
        <source>Clear table</source>
        <extracomment>Button: 172 px wide at 640 x 480, room for about 160 px of 13-px text.</extracomment>
        <translation>Effacer le tableau</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>Button that lets the pupil type the graph&apos;s title: 65 px wide at 640 x 480, room for about 53 px of 13-px text (about 8 letters).</extracomment>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Number of rabbits</source>
        <translation>Nombre de lapins</translation>
    </message>
    <message>
        <source>Plot points</source>
        <extracomment>The same button once the points are joined: it shows the points alone again. 121 px wide at 640 x 480, room for about 109 px of 13-px text (about 16 letters).</extracomment>
        <translation>Points seuls</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Type the number of rabbits of each year into the table, then draw the graph.</source>
        <translation>Tape le nombre de lapins de chaque année dans le tableau, puis trace le graphique.</translation>
    </message>
    <message>
        <source>Graph drawn.</source>
        <translation>Graphique tracé.</translation>
    </message>
    <message>
        <source>Graph copied.</source>
        <translation>Graphique copié.</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Annuler l’effacement</translation>
    </message>
    <message>
        <source>Table cleared.</source>
        <extracomment>Said to a screen reader and read aloud when Clear table has emptied the table.</extracomment>
        <translation>Tableau effacé.</translation>
    </message>
    <message>
        <source>Table back.</source>
        <extracomment>Said to a screen reader and read aloud when Undo clear (or Ctrl+Z) has brought the table back.</extracomment>
        <translation>Tableau rétabli.</translation>
    </message>
    <message>
        <source>Rabbits in year %1: %2</source>
        <extracomment>Said to a screen reader as the pupil leaves a cell of the results table; %1 is the year (0 to 9), %2 the number or text the pupil typed there.</extracomment>
        <translation>Lapins de l’année %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The cleared table can no longer be brought back.</source>
        <translation>Le tableau effacé ne peut plus être récupéré.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>the folder does not answer</source>
        <translation>le dossier ne répond pas</translation>
    </message>
    <message>
        <source>cannot hand in the results to %1: %2</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 the reason.</extracomment>
        <translation>impossible de rendre les résultats dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your results could not be handed in. Tell your teacher.</source>
        <translation>Tes résultats n’ont pas pu être rendus. Préviens ton professeur.</translation>
    </message>
    <message>
        <source>HandInFolder %1 is not a full path (it starts with neither / nor ~); nothing is handed in</source>
        <extracomment>A line on standard error; %1 is the folder as the settings give it.</extracomment>
        <translation>HandInFolder %1 n’est pas un chemin complet (il ne commence ni par / ni par ~)&#xa0;; rien n’est rendu</translation>
    </message>
    <message>
        <source>Your results are handed in.</source>
        <translation>Tes résultats sont rendus.</translation>
    </message>
    <message>
        <source>Your results are still being handed in…</source>
        <translation>Tes résultats sont en cours d’envoi…</translation>
    </message>
    <message>
        <source>A file with your name was put there by someone else. Tell your teacher.</source>
        <translation>Quelqu’un d’autre a déposé un fichier à ton nom dans le dossier de la classe. Préviens ton professeur.</translation>
    </message>
    <message>
        <source>%1 in %2 belongs to someone else; the results are handed in as a file of their own</source>
        <extracomment>A line on standard error; %1 is the pupil&apos;s file name, %2 the class folder.</extracomment>
        <translation>%1 dans %2 appartient à quelqu’un d’autre&#xa0;; les résultats sont rendus dans un fichier à part</translation>
    </message>
    <message>
        <source>HandInFolder %1 names a variable that is not set; nothing is handed in</source>
        <extracomment>A line on standard error; %1 is the folder as the settings give it.</extracomment>
        <translation>HandInFolder %1 nomme une variable qui n’est pas définie&#xa0;; rien n’est rendu</translation>
    </message>
    <message>
        <source>There is no box for you in the class folder, so your results cannot be handed in. Tell your teacher.</source>
        <translation>Il n’y a pas de case pour toi dans le dossier de la classe, tes résultats ne peuvent donc pas être rendus. Préviens ton professeur.</translation>
    </message>
    <message>
        <source>The class folder is not set up right on this computer, so your results cannot be handed in. Tell your teacher.</source>
        <translation>Le dossier de la classe n’est pas bien configuré sur cet ordinateur, tes résultats ne peuvent donc pas être rendus. Préviens ton professeur.</translation>
    </message>
    <message>
        <source>it has no box for %1</source>
        <extracomment>A line on standard error, after &quot;cannot hand in the results to FOLDER: &quot;; %1 is the pupil&apos;s login.</extracomment>
        <translation>il n’a pas de case pour %1</translation>
    </message>
</context>
<context>
    <name>HoleBoard</name>
    <message>
        <source>burrow</source>
        <extracomment>What a screen reader calls a burrow with no animal showing (followed by the kind of place, e.g. &quot;image&quot;).</extracomment>
        <translation>terrier</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>lapin</translation>
    </message>
    <message>
        <source>counted rabbit</source>
        <extracomment>What a screen reader calls a rabbit the pupil has counted.</extracomment>
        <translation>lapin compté</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>renard</translation>
    </message>
    <message>
        <source>counted fox</source>
        <extracomment>What a screen reader calls a fox the pupil has marked.</extracomment>
        <translation>renard compté</translation>
    </message>
</context>
<context>
    <name>Intro1</name>
    <message>
        <source>A rabbit on grass</source>
        <translation>Un lapin dans l’herbe</translation>
    </message>
    <message>
        <source>You are a scientist in charge of an island.</source>
        <translation>Tu es scientifique, responsable d’une île.</translation>
    </message>
    <message>
        <source>Your job is to find out about rabbit populations.</source>
        <translation>Ta mission&#xa0;: étudier les populations de lapins.</translation>
    </message>
    <message>
        <source>You are going to do an experiment to find out how rabbit numbers change on the island.</source>
        <translation>Tu vas faire une expérience pour découvrir comment le nombre de lapins change sur l’île.</translation>
    </message>
</context>
<context>
    <name>Intro2</name>
    <message>
        <source>A cartoon rabbit</source>
        <translation>Un lapin dessiné</translation>
    </message>
    <message>
        <source>Your plan is to put ten rabbits on the island. You will leave them for a few years to see how their population changes.</source>
        <translation>Ton plan&#xa0;: lâcher dix lapins sur l’île et les y laisser quelques années pour voir comment leur population évolue.</translation>
    </message>
    <message>
        <source>Every year, you will go back to the island and count the number of rabbits alive.</source>
        <translation>Chaque année, tu retourneras sur l’île pour compter les lapins encore en vie.</translation>
    </message>
    <message>
        <source>First, you need to predict what you think will happen.</source>
        <translation>D’abord, tu dois prédire ce qui va se passer selon toi.</translation>
    </message>
    <message>
        <source>Prediction</source>
        <extracomment>Button to the prediction screen: 81 px wide at 640 x 480, room for about 69 px of text (about 10 letters).</extracomment>
        <translation>Prédiction</translation>
    </message>
    <message>
        <source>Your plan</source>
        <translation>Ton plan</translation>
    </message>
</context>
<context>
    <name>Intro3</name>
    <message>
        <source>A rabbit hopping towards its burrow</source>
        <translation>Un lapin qui bondit vers son terrier</translation>
    </message>
    <message>
        <source>The trouble with counting rabbits is that they move about and hide.</source>
        <translation>Les lapins sont difficiles à compter&#xa0;: ils bougent et se cachent.</translation>
    </message>
    <message>
        <source>If you see a rabbit, click on it as fast as you can. This will mark it and so you won&apos;t count it twice.</source>
        <translation>Si tu vois un lapin, clique vite dessus&#xa0;: il sera marqué et tu ne le compteras pas deux fois.</translation>
    </message>
    <message>
        <source>Have a practice and then it will be time to go and put the rabbits on the island.</source>
        <translation>Entraîne-toi, puis il sera temps d’aller lâcher les lapins sur l’île.</translation>
    </message>
    <message>
        <source>Start experiment</source>
        <extracomment>The tooltip and spoken name of the practice&apos;s &quot;&gt;&gt;&quot; button, which goes on to the island.</extracomment>
        <translation>Commencer l’expérience</translation>
    </message>
    <message>
        <source>You missed. Better luck next time.</source>
        <translation>Raté&#xa0;! Tu feras mieux la prochaine fois.</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>Keys: S slower, P pause.</source>
        <translation>Touches&#xa0;: S plus lent, P pause.</translation>
    </message>
    <message>
        <source>Counted.</source>
        <extracomment>Said to a screen reader and read aloud when the pupil counts a practice rabbit.</extracomment>
        <translation>Compté.</translation>
    </message>
    <message>
        <source>Already counted.</source>
        <extracomment>Said to a screen reader when the pupil counts a practice rabbit counted before.</extracomment>
        <translation>Déjà compté.</translation>
    </message>
</context>
<context>
    <name>Island</name>
    <message>
        <source>There are getting to be too many rabbits to count. There are around 4 rabbits living in each burrow. Use this fact to estimate them.</source>
        <translation>Il y a maintenant trop de lapins pour les compter. Environ 4 lapins vivent dans chaque terrier&#xa0;: sers-t’en pour estimer leur nombre.</translation>
    </message>
    <message>
        <source>Next year</source>
        <extracomment>The year button before the first year is shown: 81 px wide at 640 x 480, room for 69 px of text (about 11 letters). Translate it as the &quot;Next year&quot; of the year buttons.</extracomment>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>You have already counted this rabbit.</source>
        <translation>Tu as déjà compté ce lapin.</translation>
    </message>
    <message>
        <source>You missed. Better luck next time.</source>
        <translation>Raté&#xa0;! Tu feras mieux la prochaine fois.</translation>
    </message>
    <message>
        <source>Island, year %1</source>
        <extracomment>The island screen&apos;s spoken name; %1 is the year of the experiment (0 to 9).</extracomment>
        <translation>Île, année %1</translation>
    </message>
    <message>
        <source>Rabbits counted: %1</source>
        <extracomment>Spoken name of the calendar page that shows the count; %1 is the number of rabbits counted this year.</extracomment>
        <translation>Lapins comptés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Make sure that you write down the number of rabbits in the table on your worksheet.</source>
        <translation>N’oublie pas de noter le nombre de lapins dans le tableau de ta fiche.</translation>
    </message>
    <message numerus="yes">
        <source>There are %n burrows.</source>
        <extracomment>Read aloud after the reminder to estimate; %n is the number of burrows on the island this year.</extracomment>
        <translation>
            <numerusform>Il y a %n terrier.</numerusform>
            <numerusform>Il y a %n terriers.</numerusform>
        </translation>
    </message>
    <message>
        <source>All counted.</source>
        <extracomment>Said to a screen reader after the count, once every rabbit of the year is counted.</extracomment>
        <translation>Tous comptés.</translation>
    </message>
</context>
<context>
    <name>KeptLesson</name>
    <message>
        <source>Carry on where you stopped?</source>
        <translation>Reprendre là où tu en étais&#xa0;?</translation>
    </message>
    <message>
        <source>This lesson is already open in another window.</source>
        <translation>Cette leçon est déjà ouverte dans une autre fenêtre.</translation>
    </message>
</context>
<context>
    <name>LAPINAR1</name>
    <message>
        <source>1 - Populations</source>
        <translation>1 - Les populations</translation>
    </message>
    <message>
        <source>Write down two things that might change the number of rabbits living on the island.</source>
        <translation>Note deux choses qui pourraient changer le nombre de lapins qui vivent sur l’île.</translation>
    </message>
    <message>
        <source>2 - The experiment</source>
        <translation>2 - L’expérience</translation>
    </message>
    <message>
        <source>Write down one way that you could make the survey fair.</source>
        <translation>Note un moyen pour que tes comptages soient comparables d’une année à l’autre.</translation>
    </message>
    <message>
        <source>3 - Predicting the result</source>
        <translation>3 - Prédire le résultat</translation>
    </message>
    <message>
        <source>Write the prediction you chose down and explain why you think it will happen.</source>
        <translation>Note la prédiction que tu as choisie et explique pourquoi tu penses qu’elle va se réaliser.</translation>
    </message>
    <message>
        <source>6 - Conclusion</source>
        <translation>6 - Conclusion</translation>
    </message>
    <message>
        <source>Was your prediction correct? Why do you think that the rabbit numbers change?</source>
        <translation>Ta prédiction était‑elle juste&#xa0;? Pourquoi, d’après toi, le nombre de lapins change‑t‑il&#xa0;?</translation>
    </message>
    <message>
        <source>7 - Extension</source>
        <translation>7 - Pour aller plus loin</translation>
    </message>
    <message>
        <source>Write what you predict will happen to rabbit AND fox populations over ten years.</source>
        <translation>Écris ce qui, selon toi, va arriver aux populations de lapins ET de renards sur dix ans.</translation>
    </message>
    <message>
        <source>4 - Counting the rabbits</source>
        <translation>4 - Compter les lapins</translation>
    </message>
    <message>
        <source>How can you estimate the rabbit numbers instead of trying to count them all. It is something to do with the rabbit holes.</source>
        <translation>Comment peux-tu estimer le nombre de lapins sans essayer de tous les compter&#xa0;? Pense aux terriers.</translation>
    </message>
    <message>
        <source>5 - Presenting your results</source>
        <translation>5 - Présenter tes résultats</translation>
    </message>
    <message>
        <source>Put your data in the table and draw the graph. Plot the graph on your worksheet.</source>
        <translation>Entre tes données dans le tableau et trace le graphique. Trace-le aussi sur ta fiche.</translation>
    </message>
    <message>
        <source>8 - Making your conclusion</source>
        <translation>8 - Écrire ta conclusion</translation>
    </message>
    <message>
        <source>Put the data into your own table and draw a graph showing the rabbit and the fox numbers. Why did the populations change?</source>
        <translation>Fais ton propre tableau et un graphique du nombre de lapins et de renards. Pourquoi les populations ont‑elles changé&#xa0;?</translation>
    </message>
</context>
<context>
    <name>LessonScreen</name>
    <message>
        <source>Next screen</source>
        <extracomment>What a screen reader calls the &quot;&gt;&gt;&quot; button.</extracomment>
        <translation>Écran suivant</translation>
    </message>
    <message>
        <source>Previous screen</source>
        <extracomment>What a screen reader calls the &quot;&lt;&lt;&quot; button.</extracomment>
        <translation>Écran précédent</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Spoken name and tooltip of the stop-sign button, which ends the lesson; never shown as text.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Question %1</source>
        <extracomment>Spoken name and tooltip of a screen&apos;s question button; %1 is the question&apos;s number (1 to 8).</extracomment>
        <translation>Question %1</translation>
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
        <translation>Session partagée : tape ton nom pour que ton professeur sache à qui sont ces résultats :</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Start full screen, for a projector or a kiosk (F11 switches it on and off).</source>
        <translation>Démarrer en plein écran, pour un vidéoprojecteur ou une borne (F11 l’active ou le désactive).</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>Lapinar: a science lesson about animal populations on an island.</source>
        <translation>Lapinar&#xa0;: une leçon de sciences sur les populations animales d’une île.</translation>
    </message>
    <message>
        <source>Speak &lt;language&gt; (one of: %1) instead of the desktop&apos;s language.</source>
        <extracomment>Help for the --language option; %1 is the list of language codes the lesson speaks. &lt;language&gt; is the option&apos;s value as the help shows it.</extracomment>
        <translation>Parler &lt;langue&gt; (au choix&#xa0;: %1) au lieu de la langue du bureau.</translation>
    </message>
    <message>
        <source>Start with reading aloud on: the lesson speaks its texts (F9 turns it on and off).</source>
        <translation>Démarrer avec la lecture à voix haute&#xa0;: la leçon lit ses textes (F9 l’active et la désactive).</translation>
    </message>
    <message>
        <source>Write the printed worksheet, in the lesson&apos;s language, to &lt;file&gt; (PDF, A4) and exit without opening a window.</source>
        <translation>Écrire la fiche à imprimer, dans la langue de la leçon, dans &lt;fichier&gt; (PDF, A4) et quitter sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>A line on standard error; %1 is the worksheet file asked for, %2 the reason.</extracomment>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>Start a fresh lesson without offering the work kept from the last one, which is kept aside as the previous work.</source>
        <translation>Commencer une nouvelle leçon sans proposer le travail gardé de la dernière, qui est mis de côté comme travail précédent.</translation>
    </message>
    <message>
        <source>Show the results handed in to the class &lt;folder&gt; instead of the lesson.</source>
        <translation>Montrer les résultats rendus dans le &lt;dossier&gt; de la classe au lieu de la leçon.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>With --class: write every pupil&apos;s results to &lt;file&gt; as one CSV and exit without opening a window.</source>
        <translation>Avec --class&#xa0;: écrire les résultats de tous les élèves dans &lt;fichier&gt; en un seul CSV et quitter sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>With --class: write the class&apos;s report to &lt;file&gt; (PDF, A4) and exit without opening a window.</source>
        <translation>Avec --class&#xa0;: écrire le compte rendu de la classe dans &lt;fichier&gt; (PDF, A4) et quitter sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Start in a window, whatever a settings file says.</source>
        <translation>Démarrer dans une fenêtre, quoi que dise un fichier de réglages.</translation>
    </message>
    <message>
        <source>Start with reading aloud off, whatever a settings file says.</source>
        <translation>Démarrer avec la lecture à voix haute désactivée, quoi que dise un fichier de réglages.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>With --class: the class list, one login or name a line, instead of class.txt in the class folder.</source>
        <translation>Avec --class&#xa0;: la liste de classe, un identifiant ou un nom par ligne, au lieu de class.txt dans le dossier de la classe.</translation>
    </message>
    <message>
        <source>--worksheet cannot go with --class, --csv, --report or --roster: give one at a time.</source>
        <translation>--worksheet ne peut pas être combiné avec --class, --csv, --report ou --roster : une seule option à la fois.</translation>
    </message>
    <message>
        <source>--csv, --report and --roster need --class &lt;folder&gt;.</source>
        <translation>--csv, --report et --roster demandent --class &lt;dossier&gt;.</translation>
    </message>
    <message>
        <source>--%1 is for the lesson, not for --class.</source>
        <extracomment>A line on standard error; %1 is the option&apos;s name (e.g. &quot;read-aloud&quot;), which stays as it is.</extracomment>
        <translation>--%1 est pour la leçon, pas pour --class.</translation>
    </message>
    <message>
        <source>the class window needs a display; without one, write the class&apos;s results with --csv &lt;file&gt; or --report &lt;file&gt;.</source>
        <translation>la fenêtre de la classe a besoin d’un écran&#xa0;; sans écran, écrivez les résultats de la classe avec --csv &lt;fichier&gt; ou --report &lt;fichier&gt;.</translation>
    </message>
    <message>
        <source>the class view cannot be started: %1</source>
        <extracomment>A line on standard error when lapinar --class cannot run the class view&apos;s program; %1 is the reason the system gives.</extracomment>
        <translation>la vue de la classe ne peut pas démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>Let reading aloud speak even while a screen reader runs; without this it stays quiet then, so that one voice speaks.</source>
        <translation>Laisser la lecture à voix haute parler même quand un lecteur d’écran fonctionne&#xa0;; sans cette option, elle se tait alors, pour qu’une seule voix parle.</translation>
    </message>
    <message>
        <source>Keep each practice and island rabbit still to count up for &lt;seconds&gt;, or until it is counted (from 1.5, the lesson&apos;s own, to 15); the wait between rabbits stays 1.5 seconds. In the lesson S makes it slower and P pauses it.</source>
        <translation>Laisser chaque lapin de l’entraînement et de l’île encore à compter sorti pendant &lt;secondes&gt;, ou jusqu’à ce qu’il soit compté (de 1.5, la durée de la leçon, à 15)&#xa0;; l’attente entre deux lapins reste de 1.5 seconde. Dans la leçon, S ralentit et P met en pause.</translation>
    </message>
</context>
<context>
    <name>PopupScreen</name>
    <message>
        <source>Slower</source>
        <extracomment>Said, and shown as a small sign by the burrows, when S keeps the rabbits up twice as long; the sign has room for about 12 letters at 640 x 480.</extracomment>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <extracomment>Said when S is pressed again and the rabbits keep their usual time.</extracomment>
        <translation>Vitesse normale</translation>
    </message>
    <message>
        <source>Rabbit up</source>
        <extracomment>Said to a screen reader as a rabbit still to count comes up out of a burrow, where Space counts it.</extracomment>
        <translation>Un lapin sort</translation>
    </message>
    <message>
        <source>Gone</source>
        <extracomment>Said to a screen reader as the rabbit goes back down its burrow.</extracomment>
        <translation>Parti</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Said (and shown by the burrows) when P pauses the rabbits where they are.</extracomment>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Going on</source>
        <extracomment>Said when P is pressed again and the rabbits go on.</extracomment>
        <translation>On continue</translation>
    </message>
    <message>
        <source>Counted rabbit up</source>
        <extracomment>Said to a screen reader as a rabbit counted before comes up.</extracomment>
        <translation>Un lapin déjà compté sort</translation>
    </message>
    <message>
        <source>No more burrows that way.</source>
        <extracomment>Said to a screen reader when an arrow key would go past the last burrow.</extracomment>
        <translation>Plus de terrier de ce côté.</translation>
    </message>
</context>
<context>
    <name>Prediction</name>
    <message>
        <source>The number of rabbits will go up and then stay the same.</source>
        <translation>Le nombre de lapins va augmenter, puis rester stable.</translation>
    </message>
    <message>
        <source>All the rabbits will die.</source>
        <translation>Tous les lapins mourront.</translation>
    </message>
    <message>
        <source>The number of rabbits will keep on going up.</source>
        <translation>Le nombre de lapins va continuer d’augmenter.</translation>
    </message>
    <message>
        <source>The number of rabbits will go up and then go down.</source>
        <translation>Le nombre de lapins va augmenter, puis diminuer.</translation>
    </message>
    <message>
        <source>The number of rabbits will not change.</source>
        <translation>Le nombre de lapins ne va pas changer.</translation>
    </message>
    <message>
        <source>Here are some things that could happen.</source>
        <translation>Voici ce qui pourrait se passer.</translation>
    </message>
    <message>
        <source>Click on the best prediction.</source>
        <translation>Clique sur la meilleure.</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Prédiction</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Afficher l’aide, y compris les options propres à Qt.</translation>
    </message>
</context>
<context>
    <name>QuestionDialog</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Question %1</source>
        <extracomment>Title of the question panel; %1 is the question&apos;s number (1 to 8). One line, 281 px wide, 18-px text.</extracomment>
        <translation>Question %1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button that closes the question panel; &amp; marks the letter of its key. 97 px wide at 640 x 480, room for about 85 px of 18-px text (about 9 letters).</extracomment>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Reading aloud is on</source>
        <translation>La lecture à voix haute est activée</translation>
    </message>
    <message>
        <source>Reading aloud is not available on this computer.</source>
        <translation>La lecture à voix haute n’est pas disponible sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Reading aloud is off</source>
        <extracomment>Said to a screen reader when F9 turns reading aloud off.</extracomment>
        <translation>La lecture à voix haute est désactivée</translation>
    </message>
    <message>
        <source>Reading aloud is quiet while a screen reader speaks</source>
        <translation>La lecture à voix haute se tait tant qu’un lecteur d’écran parle</translation>
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
        <translation>Graphique des lapins comptés chaque année</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>No points</source>
        <translation>Aucun point</translation>
    </message>
    <message>
        <source>%1 %2 (above the graph)</source>
        <extracomment>Spoken: a point of the pupil&apos;s graph above its top; %1 is the year (&quot;Start&quot; or a number), %2 the number of rabbits.</extracomment>
        <translation>%1 %2 (au-dessus du graphique)</translation>
    </message>
    <message>
        <source>%1 %2 (below the graph)</source>
        <extracomment>Spoken: a point of the pupil&apos;s graph below its bottom; %1 is the year (&quot;Start&quot; or a number), %2 the number of rabbits.</extracomment>
        <translation>%1 %2 (sous le graphique)</translation>
    </message>
</context>
<context>
    <name>ScreenChain</name>
    <message>
        <source>Remember that each screen has a question on your worksheet. Have you answered the first one?</source>
        <translation>N’oublie pas&#xa0;: chaque écran a une question sur ta fiche. As-tu répondu à la première&#xa0;?</translation>
    </message>
    <message>
        <source>Make sure that you have written your prediction down.</source>
        <translation>Vérifie que tu as bien noté ta prédiction.</translation>
    </message>
    <message>
        <source>Do you really want to leave Lapinar?</source>
        <translation>Veux-tu vraiment quitter Lapinar&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>la langue du bureau</translation>
    </message>
    <message>
        <source>%1: cannot be read; skipped.</source>
        <extracomment>A line on standard error; %1 is a settings file.</extracomment>
        <translation>%1&#xa0;: illisible, ignoré.</translation>
    </message>
    <message>
        <source>%1: Language=%2 is not a language the lesson speaks (%3); using %4.</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 the value given, %3 the language codes the lesson speaks, %4 the language used instead.</extracomment>
        <translation>%1&#xa0;: Language=%2 n’est pas une langue de la leçon (%3)&#xa0;; %4 est utilisée.</translation>
    </message>
    <message>
        <source>%1: %2=%3 is neither true nor false; using %4.</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 a setting&apos;s name, %3 the value given, %4 the value used instead (true or false, as written in the file).</extracomment>
        <translation>%1&#xa0;: %2=%3 n’est ni true ni false&#xa0;; %4 est utilisé.</translation>
    </message>
    <message>
        <source>%1: unknown setting %2 ignored; did you mean %3?</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 the name given, %3 the setting it is nearest to.</extracomment>
        <translation>%1&#xa0;: réglage inconnu %2 ignoré&#xa0;; vouliez-vous dire %3&#xa0;?</translation>
    </message>
    <message>
        <source>%1: unknown setting %2 ignored; the settings are %3.</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 the name given, %3 the list of the settings&apos; names.</extracomment>
        <translation>%1&#xa0;: réglage inconnu %2 ignoré&#xa0;; les réglages sont %3.</translation>
    </message>
    <message>
        <source>--language %1 is not a language the lesson speaks (%2); using %3.</source>
        <extracomment>A line on standard error; %1 is the code given, %2 the language codes the lesson speaks, %3 the language used instead.</extracomment>
        <translation>--language %1 n’est pas une langue de la leçon (%2)&#xa0;; %3 est utilisée.</translation>
    </message>
    <message>
        <source>%1 is not a time from %2 to %3 seconds; using %4.</source>
        <extracomment>A line on standard error; %1 names the setting or option and the value given, %2 and %3 are the shortest and longest times in seconds, %4 the time used instead.</extracomment>
        <translation>%1 n’est pas une durée de %2 à %3&#xa0;secondes&#xa0;; %4 est utilisé.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>You have now counted none of the rabbits that were on the island.</source>
        <translation>Pour l’instant, tu n’as compté aucun des lapins qui étaient sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted only a few of the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté seulement quelques-uns des lapins qui étaient sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted some of the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté une partie des lapins qui étaient sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted nearly half of the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté presque la moitié des lapins qui étaient sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted half of the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté la moitié des lapins qui étaient sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted just over half of the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté un peu plus de la moitié des lapins qui étaient sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted most of the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté la plupart des lapins qui étaient sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted nearly all of the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté presque tous les lapins qui étaient sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted all of the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté tous les lapins qui étaient sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted a few more than the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté un peu plus de lapins qu’il n’y en avait sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted  the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté  les lapins qui étaient sur l’île.</translation>
    </message>
    <message>
        <source>You have now counted a lot more than the rabbits that were on the island.</source>
        <translation>Tu as maintenant compté beaucoup plus de lapins qu’il n’y en avait sur l’île.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Lapinar worksheet</source>
        <translation>Fiche Lapinar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Foxes</source>
        <translation>Renards</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <extracomment>Why the worksheet could not be written: the PDF file could not be created. It follows &quot;cannot write FILE:&quot; on standard error.</extracomment>
        <translation>le PDF n’a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>YearButtons</name>
    <message>
        <source>Next year</source>
        <extracomment>Button to the next year on the island and fox screens: 81 px wide at 640 x 480, room for 69 px of text (the English takes 56 px there: about 11 letters). Keep the noun &quot;year&quot; (or a shorter word for it); where no noun fits, the language&apos;s own word for next/previous.</extracomment>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Last year</source>
        <extracomment>Button back to the year before, on the island and fox screens: 81 px wide at 640 x 480, room for 69 px of text (the English takes 53 px there: about 11 letters). Keep the noun &quot;year&quot; (or a shorter word for it); where no noun fits, the language&apos;s own word for next/previous.</extracomment>
        <translation>Précédente</translation>
    </message>
</context>
<context>
    <name>YesNoPanel</name>
    <message>
        <source>Yes</source>
        <extracomment>Button that answers a question yes: 81 px wide at 640 x 480, room for about 69 px of 13-px text.</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Button that answers a question no: 81 px wide at 640 x 480, room for about 69 px of 13-px text.</extracomment>
        <translation>Non</translation>
    </message>
</context>
</TS>

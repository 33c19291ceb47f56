<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Calendar</name>
    <message>
        <source>Year%1%2</source>
        <translation>Jahr%1%2</translation>
    </message>
</context>
<context>
    <name>ClassFolder</name>
    <message>
        <source>more than %1 files in the class folder; not read</source>
        <translation>mehr als %1 Dateien im Klassenordner; nicht gelesen</translation>
    </message>
    <message>
        <source>a link, not a file; not followed</source>
        <translation>ein Verweis, keine Datei; nicht gefolgt</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>larger than a hand-in can be (%1 bytes)</source>
        <translation>größer als eine Abgabe sein kann (%1 Bytes)</translation>
    </message>
    <message>
        <source>larger than a hand-in can be</source>
        <translation>größer als eine Abgabe sein kann</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>kein UTF-8-Text</translation>
    </message>
    <message>
        <source>the first line is not pupil,year,rabbits</source>
        <translation>die erste Zeile ist nicht pupil,year,rabbits</translation>
    </message>
    <message>
        <source>rows of years: %1, not %2</source>
        <translation>Zeilen mit Jahren: %1, nicht %2</translation>
    </message>
    <message>
        <source>row %1 does not match the header</source>
        <translation>Zeile %1 passt nicht zur Kopfzeile</translation>
    </message>
    <message>
        <source>row %1 is not a year of the same pupil&apos;s counts</source>
        <translation>Zeile %1 ist kein Jahr derselben Schülerin oder desselben Schülers</translation>
    </message>
    <message>
        <source>an earlier hand-in of %1, who handed in again</source>
        <translation>eine frühere Abgabe von %1, erneut abgegeben</translation>
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
        <translation>Kaninchen, die wirklich da sind</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Pupils not shown here: %1 (the merged CSV has every pupil).</source>
        <translation>Hier nicht gezeigt: %1 Schülerinnen und Schüler (die zusammengeführte CSV-Datei enthält alle).</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>das PDF konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>Lapinar: the class&apos;s results</source>
        <translation>Lapinar: die Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>Jahr %1</translation>
    </message>
    <message>
        <source>Rabbits counted by each pupil, year by year</source>
        <translation>Gezählte Kaninchen jeder Schülerin und jedes Schülers, Jahr für Jahr</translation>
    </message>
    <message>
        <source>Graph of the class&apos;s counts against the rabbits really on the island</source>
        <translation>Diagramm der Zählungen der Klasse und der Kaninchen, die wirklich auf der Insel sind</translation>
    </message>
    <message>
        <source>The folder is read again whenever it changes, and on F5.</source>
        <translation>Der Ordner wird bei jeder Änderung und mit F5 neu gelesen.</translation>
    </message>
    <message>
        <source>The class folder cannot be read: %1</source>
        <translation>Der Klassenordner kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Pupils who handed in: %1</source>
        <translation>Abgaben: %1</translation>
    </message>
    <message>
        <source>files left out: %1</source>
        <translation>ausgelassene Dateien: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>cannot read the class folder %1: %2</source>
        <translation>der Klassenordner %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1/%2: %3; left out</source>
        <translation>%1/%2: %3; ausgelassen</translation>
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
        <translation>Entscheide, ob deine Ergebnisse gut genug sind, um eine Schlussfolgerung zu ziehen.</translation>
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
        <translation>Am Anfang ist die Population der Kaninchen groß. Dann setzt du ein paar Füchse aus.</translation>
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
        <translation>Gezählte Kaninchen: %1</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes</translation>
    </message>
    <message>
        <source>Fox island, year %1</source>
        <translation>Fuchsinsel, Jahr %1</translation>
    </message>
    <message>
        <source>You have already counted this one.</source>
        <translation>Dieses Tier hast du schon gezählt.</translation>
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
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Rabbits</source>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Rabbits in year %1</source>
        <translation>Kaninchen im Jahr %1</translation>
    </message>
    <message>
        <source>Draw graph</source>
        <translation>Diagramm zeichnen</translation>
    </message>
    <message>
        <source>Copy graph</source>
        <translation>Diagramm kopieren</translation>
    </message>
    <message>
        <source>Join points</source>
        <translation>Punkte verbinden</translation>
    </message>
    <message>
        <source>Clear table</source>
        <translation>Tabelle leeren</translation>
    </message>
    <message>
        <source>Title</source>
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
        <translation>Nur Punkte</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Leeren rückgängig</translation>
    </message>
    <message>
        <source>Table cleared.</source>
        <translation>Tabelle geleert.</translation>
    </message>
    <message>
        <source>Table back.</source>
        <translation>Tabelle wiederhergestellt.</translation>
    </message>
    <message>
        <source>Rabbits in year %1: %2</source>
        <translation>Kaninchen im Jahr %1: %2</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>%1 belongs to someone else</source>
        <translation>%1 gehört jemand anderem</translation>
    </message>
    <message>
        <source>the folder does not answer</source>
        <translation>der Ordner antwortet nicht</translation>
    </message>
    <message>
        <source>cannot hand in the results to %1: %2</source>
        <translation>die Ergebnisse können nicht in %1 abgegeben werden: %2</translation>
    </message>
    <message>
        <source>Your results could not be handed in. Tell your teacher.</source>
        <translation>Deine Ergebnisse konnten nicht abgegeben werden. Sag es deiner Lehrkraft.</translation>
    </message>
</context>
<context>
    <name>HoleBoard</name>
    <message>
        <source>burrow</source>
        <translation>Bau</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>Kaninchen</translation>
    </message>
    <message>
        <source>counted rabbit</source>
        <translation>gezähltes Kaninchen</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>Fuchs</translation>
    </message>
    <message>
        <source>counted fox</source>
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
        <translation>Gezählt.</translation>
    </message>
    <message>
        <source>Already counted.</source>
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
        <translation>Gezählte Kaninchen: %1</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Nächstes</translation>
    </message>
    <message>
        <source>Island, year %1</source>
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
        <translation>
            <numerusform>Es gibt %n Bau.</numerusform>
            <numerusform>Es gibt %n Baue.</numerusform>
        </translation>
    </message>
    <message>
        <source>All counted.</source>
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
        <translation>Schreib eine Möglichkeit auf, wie du deine Untersuchung fair machen kannst.</translation>
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
        <translation>Schreib auf, was deiner Vorhersage nach in zehn Jahren mit den Kaninchen- UND den Fuchspopulationen passiert.</translation>
    </message>
    <message>
        <source>8 - Making your conclusion</source>
        <translation>8 - Deine Schlussfolgerung</translation>
    </message>
    <message>
        <source>Put the data into your own table and draw a graph showing the rabbit and the fox numbers. Why did the populations change?</source>
        <translation>Stelle die Zahl der Kaninchen und Füchse in Tabelle und Diagramm dar. Warum haben sich die Populationen verändert?</translation>
    </message>
</context>
<context>
    <name>LessonScreen</name>
    <message>
        <source>Next screen</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Previous screen</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
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
        <source>--csv and --report need --class &lt;folder&gt;.</source>
        <translation>--csv und --report brauchen --class &lt;Ordner&gt;.</translation>
    </message>
    <message>
        <source>Start in a window, whatever a settings file says.</source>
        <translation>In einem Fenster starten, was auch immer eine Einstellungsdatei sagt.</translation>
    </message>
    <message>
        <source>Start with reading aloud off, whatever a settings file says.</source>
        <translation>Mit ausgeschaltetem Vorlesen starten, was auch immer eine Einstellungsdatei sagt.</translation>
    </message>
    <message>
        <source>Keep each practice and island rabbit up for &lt;seconds&gt;, and then away as long (from 1.5, the lesson&apos;s own, to 15). In the lesson S makes it slower and P pauses it.</source>
        <translation>Jedes Kaninchen der Übung und der Insel &lt;Sekunden&gt; lang zeigen und dann ebenso lange verstecken (von 1.5, dem Takt der Lektion, bis 15). In der Lektion macht S es langsamer und P hält es an.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
</context>
<context>
    <name>PopupScreen</name>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Normales Tempo</translation>
    </message>
    <message>
        <source>Rabbit up</source>
        <translation>Kaninchen da</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Weg</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Counted rabbit up</source>
        <translation>Gezähltes Kaninchen da</translation>
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
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
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
        <translation>Vorlesen ist aus</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>OK</source>
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
        <translation>%1 %2 (über dem Diagramm)</translation>
    </message>
    <message>
        <source>%1 %2 (below the graph)</source>
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
        <translation>%1: nicht lesbar; übersprungen.</translation>
    </message>
    <message>
        <source>%1: Language=%2 is not a language the lesson speaks (%3); using %4.</source>
        <translation>%1: Language=%2 ist keine Sprache der Lektion (%3); verwendet wird %4.</translation>
    </message>
    <message>
        <source>%1: %2=%3 is neither true nor false; using %4.</source>
        <translation>%1: %2=%3 ist weder true noch false; verwendet wird %4.</translation>
    </message>
    <message>
        <source>%1: unknown setting %2 ignored; did you mean %3?</source>
        <translation>%1: unbekannte Einstellung %2 ignoriert; meinten Sie %3?</translation>
    </message>
    <message>
        <source>%1: unknown setting %2 ignored; the settings are %3.</source>
        <translation>%1: unbekannte Einstellung %2 ignoriert; die Einstellungen sind %3.</translation>
    </message>
    <message>
        <source>--language %1 is not a language the lesson speaks (%2); using %3.</source>
        <translation>--language %1 ist keine Sprache der Lektion (%2); verwendet wird %3.</translation>
    </message>
    <message>
        <source>%1 is not a time from %2 to %3 seconds; using %4.</source>
        <translation>%1 ist keine Zeit von %2 bis %3 Sekunden; %4 wird verwendet.</translation>
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
        <translation>das PDF konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>YearButtons</name>
    <message>
        <source>Next year</source>
        <translation>Nächstes</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Voriges</translation>
    </message>
</context>
<context>
    <name>YesNoPanel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Calendar</name>
    <message>
        <source>Year%1%2</source>
        <translation>Année%1%2</translation>
    </message>
</context>
<context>
    <name>ClassFolder</name>
    <message>
        <source>more than %1 files in the class folder; not read</source>
        <translation>plus de %1 fichiers dans le dossier de la classe&#xa0;; non lu</translation>
    </message>
    <message>
        <source>a link, not a file; not followed</source>
        <translation>un lien, pas un fichier&#xa0;; non suivi</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than a hand-in can be (%1 bytes)</source>
        <translation>plus gros qu&apos;un rendu ne peut l&apos;être (%1 octets)</translation>
    </message>
    <message>
        <source>larger than a hand-in can be</source>
        <translation>plus gros qu&apos;un rendu ne peut l&apos;être</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>pas du texte UTF-8</translation>
    </message>
    <message>
        <source>the first line is not pupil,year,rabbits</source>
        <translation>la première ligne n&apos;est pas pupil,year,rabbits</translation>
    </message>
    <message>
        <source>row %1 does not match the header</source>
        <translation>la ligne %1 ne correspond pas à l&apos;en-tête</translation>
    </message>
    <message>
        <source>row %1 is not a year of the same pupil&apos;s counts</source>
        <translation>la ligne %1 n&apos;est pas une année des comptages du même élève</translation>
    </message>
    <message>
        <source>an earlier hand-in of %1, who handed in again</source>
        <translation>un rendu plus ancien de %1, qui a rendu à nouveau</translation>
    </message>
    <message>
        <source>rows of years: %1, not %2</source>
        <translation>lignes d&apos;années&#xa0;: %1, et non %2</translation>
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
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Pupils not shown here: %1 (the merged CSV has every pupil).</source>
        <translation>Élèves non montrés ici&#xa0;: %1 (le CSV fusionné a tous les élèves).</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <translation>le PDF n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>Lapinar: the class&apos;s results</source>
        <translation>Lapinar&#xa0;: les résultats de la classe</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>Année %1</translation>
    </message>
    <message>
        <source>Rabbits counted by each pupil, year by year</source>
        <translation>Lapins comptés par chaque élève, année par année</translation>
    </message>
    <message>
        <source>Graph of the class&apos;s counts against the rabbits really on the island</source>
        <translation>Graphique des comptages de la classe face aux lapins réellement sur l&apos;île</translation>
    </message>
    <message>
        <source>The folder is read again whenever it changes, and on F5.</source>
        <translation>Le dossier est relu dès qu&apos;il change, et avec F5.</translation>
    </message>
    <message>
        <source>The class folder cannot be read: %1</source>
        <translation>Le dossier de la classe ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pupils who handed in: %1</source>
        <translation>Élèves qui ont rendu leurs résultats&#xa0;: %1</translation>
    </message>
    <message>
        <source>files left out: %1</source>
        <translation>fichiers laissés de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 de plus</translation>
    </message>
    <message>
        <source>cannot read the class folder %1: %2</source>
        <translation>impossible de lire le dossier de la classe %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1/%2: %3; left out</source>
        <translation>%1/%2&#xa0;: %3&#xa0;; laissé de côté</translation>
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
        <translation>Lapins comptés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>You have already counted this one.</source>
        <translation>Tu as déjà compté cet animal.</translation>
    </message>
    <message>
        <source>Fox island, year %1</source>
        <translation>Île aux renards, année %1</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Rabbits in year %1</source>
        <translation>Lapins de l’année %1</translation>
    </message>
    <message>
        <source>Graph title</source>
        <translation>Titre du graphique</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Rabbits</source>
        <translation>Lapins</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Draw graph</source>
        <translation>Tracer le graphique</translation>
    </message>
    <message>
        <source>Copy graph</source>
        <translation>Copier le graphique</translation>
    </message>
    <message>
        <source>Join points</source>
        <translation>Relier les points</translation>
    </message>
    <message>
        <source>Clear table</source>
        <translation>Effacer le tableau</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Number of rabbits</source>
        <translation>Nombre de lapins</translation>
    </message>
    <message>
        <source>Plot points</source>
        <translation>Séparer les points</translation>
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
        <translation>Tableau effacé.</translation>
    </message>
    <message>
        <source>Table back.</source>
        <translation>Tableau rétabli.</translation>
    </message>
    <message>
        <source>Rabbits in year %1: %2</source>
        <translation>Lapins de l’année %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>%1 belongs to someone else</source>
        <translation>%1 appartient à quelqu&apos;un d&apos;autre</translation>
    </message>
    <message>
        <source>the folder does not answer</source>
        <translation>le dossier ne répond pas</translation>
    </message>
    <message>
        <source>cannot hand in the results to %1: %2</source>
        <translation>impossible de rendre les résultats dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Your results could not be handed in. Tell your teacher.</source>
        <translation>Tes résultats n&apos;ont pas pu être rendus. Préviens ton professeur.</translation>
    </message>
</context>
<context>
    <name>HoleBoard</name>
    <message>
        <source>burrow</source>
        <translation>terrier</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>lapin</translation>
    </message>
    <message>
        <source>counted rabbit</source>
        <translation>lapin compté</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>renard</translation>
    </message>
    <message>
        <source>counted fox</source>
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
        <translation>Compté.</translation>
    </message>
    <message>
        <source>Already counted.</source>
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
        <translation>Île, année %1</translation>
    </message>
    <message>
        <source>Rabbits counted: %1</source>
        <translation>Lapins comptés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Make sure that you write down the number of rabbits in the table on your worksheet.</source>
        <translation>N’oublie pas de noter le nombre de lapins dans le tableau de ta fiche.</translation>
    </message>
    <message numerus="yes">
        <source>There are %n burrows.</source>
        <translation>
            <numerusform>Il y a %n terrier.</numerusform>
            <numerusform>Il y a %n terriers.</numerusform>
        </translation>
    </message>
    <message>
        <source>All counted.</source>
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
        <translation>Note un moyen de rendre ton étude équitable.</translation>
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
        <translation>Écris ce qui, selon toi, va arriver aux populations de lapins ET de renards en dix ans.</translation>
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
        <translation>Mets en tableau et en graphique le nombre de lapins et de renards. Pourquoi les populations ont‑elles changé&#xa0;?</translation>
    </message>
</context>
<context>
    <name>LessonScreen</name>
    <message>
        <source>Next screen</source>
        <translation>Écran suivant</translation>
    </message>
    <message>
        <source>Previous screen</source>
        <translation>Écran précédent</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Question %1</translation>
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
        <translation>impossible d’écrire %1&#xa0;: %2</translation>
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
        <source>--csv and --report need --class &lt;folder&gt;.</source>
        <translation>--csv et --report demandent --class &lt;dossier&gt;.</translation>
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
        <source>Keep each practice and island rabbit up for &lt;seconds&gt;, and then away as long (from 1.5, the lesson&apos;s own, to 15). In the lesson S makes it slower and P pauses it.</source>
        <translation>Laisser chaque lapin de l’entraînement et de l’île sorti pendant &lt;secondes&gt;, puis caché aussi longtemps (de 1.5, la durée de la leçon, à 15). Dans la leçon, S ralentit et P met en pause.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
</context>
<context>
    <name>PopupScreen</name>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Vitesse normale</translation>
    </message>
    <message>
        <source>Rabbit up</source>
        <translation>Lapin sorti</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation>Parti</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>On continue</translation>
    </message>
    <message>
        <source>Counted rabbit up</source>
        <translation>Lapin compté sorti</translation>
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
        <translation>Question %1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
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
        <translation>La lecture à voix haute est désactivée</translation>
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
        <translation>%1 %2 (au-dessus du graphique)</translation>
    </message>
    <message>
        <source>%1 %2 (below the graph)</source>
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
        <translation>%1&#xa0;: illisible, ignoré.</translation>
    </message>
    <message>
        <source>%1: Language=%2 is not a language the lesson speaks (%3); using %4.</source>
        <translation>%1&#xa0;: Language=%2 n’est pas une langue de la leçon (%3)&#xa0;; %4 est utilisée.</translation>
    </message>
    <message>
        <source>%1: %2=%3 is neither true nor false; using %4.</source>
        <translation>%1&#xa0;: %2=%3 n’est ni true ni false&#xa0;; %4 est utilisé.</translation>
    </message>
    <message>
        <source>%1: unknown setting %2 ignored; did you mean %3?</source>
        <translation>%1&#xa0;: réglage inconnu %2 ignoré&#xa0;; vouliez-vous dire %3&#xa0;?</translation>
    </message>
    <message>
        <source>%1: unknown setting %2 ignored; the settings are %3.</source>
        <translation>%1&#xa0;: réglage inconnu %2 ignoré&#xa0;; les réglages sont %3.</translation>
    </message>
    <message>
        <source>--language %1 is not a language the lesson speaks (%2); using %3.</source>
        <translation>--language %1 n’est pas une langue de la leçon (%2)&#xa0;; %3 est utilisée.</translation>
    </message>
    <message>
        <source>%1 is not a time from %2 to %3 seconds; using %4.</source>
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
        <translation>le PDF n’a pas pu être commencé</translation>
    </message>
</context>
<context>
    <name>YearButtons</name>
    <message>
        <source>Next year</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Précédente</translation>
    </message>
</context>
<context>
    <name>YesNoPanel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
</TS>

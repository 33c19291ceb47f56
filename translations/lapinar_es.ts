<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Calendar</name>
    <message>
        <source>Year%1%2</source>
        <extracomment>The year page of a calendar: %1 is a line break, %2 the year&apos;s number. Each line is at most 37 px of 11-px text at 640 x 480 (about 6 letters); the word goes above the number.</extracomment>
        <translation>Año%1%2</translation>
    </message>
</context>
<context>
    <name>ClassFolder</name>
    <message>
        <source>not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>an earlier hand-in of %1, who handed in again</source>
        <extracomment>Why a file was left out; %1 is the pupil&apos;s name.</extracomment>
        <translation>una entrega anterior de %1, que ha vuelto a entregar</translation>
    </message>
    <message>
        <source>user number %1</source>
        <extracomment>Who owns a file, when the user has no name on this machine; %1 is the user number.</extracomment>
        <translation>usuario número %1</translation>
    </message>
    <message>
        <source>a link, not followed</source>
        <translation>un enlace, no se sigue</translation>
    </message>
    <message>
        <source>not a hand-in: its name is not a pupil&apos;s</source>
        <translation>no es una entrega: su nombre no es el de un alumno</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>Why a file or box was left out; %1 is the system&apos;s reason (e.g. &quot;Permission denied&quot;).</extracomment>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>not a hand-in: too large (%1 bytes)</source>
        <extracomment>Why a file was left out; %1 is its size in bytes.</extracomment>
        <translation>no es una entrega: demasiado grande (%1 bytes)</translation>
    </message>
    <message>
        <source>not a hand-in: too large</source>
        <translation>no es una entrega: demasiado grande</translation>
    </message>
    <message>
        <source>says it is %1&apos;s, but its name is %2&apos;s</source>
        <extracomment>A forged file, left out; %1 is the pupil its text names, %2 the login its file name gives.</extracomment>
        <translation>dice ser de %1, pero su nombre es el de %2</translation>
    </message>
    <message>
        <source>says it is %1&apos;s, but its name says %2</source>
        <extracomment>A forged file, left out; %1 is the name its text gives, %2 the name its file name gives.</extracomment>
        <translation>dice ser de %1, pero su nombre dice %2</translation>
    </message>
    <message>
        <source>named after %1, but written by %2</source>
        <extracomment>A file put there by another login, left out; %1 is the login of its name, %2 the login that owns it.</extracomment>
        <translation>con el nombre de %1, pero escrito por %2</translation>
    </message>
    <message>
        <source>not a hand-in: not text</source>
        <translation>no es una entrega: no es texto</translation>
    </message>
    <message>
        <source>not a hand-in: its first line is not pupil,year,rabbits</source>
        <translation>no es una entrega: su primera línea no es pupil,year,rabbits</translation>
    </message>
    <message>
        <source>only 1 year</source>
        <extracomment>Why a hand-in was left out: it has a row for one year only.</extracomment>
        <translation>solo 1 año</translation>
    </message>
    <message>
        <source>only %1 years</source>
        <extracomment>Why a hand-in was left out; %1 is the number of years it has (2 to 9).</extracomment>
        <translation>solo %1 años</translation>
    </message>
    <message>
        <source>%1 rows of years, more than the lesson&apos;s %2</source>
        <extracomment>Why a hand-in was left out; %1 is the number of year rows it has, %2 the lesson&apos;s 10.</extracomment>
        <translation>%1 filas de años, más que los %2 de la lección</translation>
    </message>
    <message>
        <source>row %1 does not match the first line</source>
        <extracomment>Why a hand-in was left out; %1 is the number of the faulty row.</extracomment>
        <translation>la fila %1 no coincide con la primera</translation>
    </message>
    <message>
        <source>row %1: a year that is not 0 to 9: %2</source>
        <extracomment>Why a hand-in was left out; %1 is the row&apos;s number, %2 what it has for a year.</extracomment>
        <translation>fila %1: un año que no está entre 0 y 9: %2</translation>
    </message>
    <message>
        <source>year %1 twice</source>
        <extracomment>Why a hand-in was left out; %1 is a year, 0 to 9.</extracomment>
        <translation>año %1 repetido</translation>
    </message>
    <message>
        <source>a count that is not a number: %1</source>
        <extracomment>Why a hand-in was left out; %1 is the text it has for a count.</extracomment>
        <translation>un recuento que no es un número: %1</translation>
    </message>
    <message>
        <source>row %1 names no pupil</source>
        <extracomment>Why a hand-in was left out; %1 is the number of the row.</extracomment>
        <translation>la fila %1 no nombra a ningún alumno</translation>
    </message>
    <message>
        <source>rows of two pupils: %1 and %2</source>
        <extracomment>Why a hand-in was left out; %1 and %2 are the two names its rows give.</extracomment>
        <translation>filas de dos alumnos: %1 y %2</translation>
    </message>
    <message>
        <source>a box others can write in, so nothing in it is counted</source>
        <extracomment>A pupil&apos;s box in the class folder whose hand-ins are not counted.</extracomment>
        <translation>una carpeta en la que otros pueden escribir; no se cuenta nada de lo que contiene</translation>
    </message>
    <message>
        <source>at the top of a folder of boxes, where no pupil&apos;s hand-in belongs; not counted</source>
        <translation>en la raíz de una carpeta de carpetas personales, donde no va ninguna entrega; no se cuenta</translation>
    </message>
    <message>
        <source>more than %1 entries; the rest were not looked at</source>
        <extracomment>Why part of a class folder was not read; %1 is the most entries looked at.</extracomment>
        <translation>más de %1 entradas; el resto no se ha examinado</translation>
    </message>
    <message>
        <source>more than %1 other entries in this box; the rest were not looked at</source>
        <extracomment>Why part of a pupil&apos;s box was not read; %1 is the most entries looked at in one box.</extracomment>
        <translation>más de %1 entradas más en esta carpeta; el resto no se ha examinado</translation>
    </message>
    <message>
        <source>%1 more files named as hand-ins than the %2 read; not read</source>
        <extracomment>Why files of a class folder were not read; %1 is how many, %2 the most that are read.</extracomment>
        <translation>%1 archivos con nombre de entrega más allá de los %2 leídos; no leídos</translation>
    </message>
    <message>
        <source>the name %1 typed on %2, a pupil&apos;s own login</source>
        <extracomment>A forged file, left out; %1 is the name typed, %2 the login, which is a pupil&apos;s own.</extracomment>
        <translation>el nombre %1 tecleado en %2, la cuenta propia de un alumno</translation>
    </message>
    <message>
        <source>this folder shows other logins&apos; files as written by %1 too, so a pupil may have written it; give the class list with --roster from a folder of your own</source>
        <extracomment>Why the class list in the class folder is not used; %1 is who the folder shows as its owner.</extracomment>
        <translation>esta carpeta muestra también archivos de otras cuentas como escritos por %1, así que puede haberla escrito un alumno; indique la lista de clase con --roster desde una carpeta propia</translation>
    </message>
    <message>
        <source>%1 (typed: %2@%3)</source>
        <extracomment>A name a pupil typed on a shared login, not proven by a login; %1 is the name (up to 32 letters), %2 the login it was typed on, %3 the machine.</extracomment>
        <translation>%1 (nombre tecleado: %2@%3)</translation>
    </message>
    <message>
        <source>%1 (its text says %2)</source>
        <extracomment>A hand-in in a pupil&apos;s box whose text names someone else; %1 is the box&apos;s pupil, %2 the name in the text.</extracomment>
        <translation>%1 (su texto dice %2)</translation>
    </message>
    <message>
        <source>%1 (unproven)</source>
        <extracomment>A hand-in whose writer the folder cannot prove; %1 is the pupil&apos;s name.</extracomment>
        <translation>%1 (sin comprobar)</translation>
    </message>
    <message>
        <source>%1 (not on the class list)</source>
        <extracomment>A login that handed in but is not on the class list; %1 is the login.</extracomment>
        <translation>%1 (no está en la lista de clase)</translation>
    </message>
</context>
<context>
    <name>ClassGraph</name>
    <message>
        <source>each pupil</source>
        <translation>cada alumno</translation>
    </message>
    <message>
        <source>class median</source>
        <translation>mediana de la clase</translation>
    </message>
    <message>
        <source>middle half</source>
        <translation>mitad central</translation>
    </message>
    <message>
        <source>whole range</source>
        <translation>rango completo</translation>
    </message>
    <message>
        <source>rabbits really there</source>
        <translation>conejos que hay de verdad</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Year %1: class median %2, middle half %3 to %4, whole range %5 to %6</source>
        <translation>Año %1: mediana de la clase %2, mitad central de %3 a %4, rango completo de %5 a %6</translation>
    </message>
    <message>
        <source>Year %1: no counts</source>
        <extracomment>A year of the class graph said in words when no pupil gave a count; %1 is the year.</extracomment>
        <translation>Año %1: ningún recuento</translation>
    </message>
    <message>
        <source>rabbits really there %1</source>
        <extracomment>Follows a year of the class graph said in words; %1 is the number of rabbits on the island.</extracomment>
        <translation>conejos que hay de verdad %1</translation>
    </message>
</context>
<context>
    <name>ClassList</name>
    <message>
        <source>cannot be read: %1</source>
        <extracomment>Why the class list is not used; %1 is the system&apos;s reason (e.g. &quot;Permission denied&quot;).</extracomment>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>too large for a class list</source>
        <translation>demasiado grande para una lista de clase</translation>
    </message>
    <message>
        <source>not written by you nor by the folder&apos;s owner: a pupil may have put it there</source>
        <translation>no la escribió usted ni el propietario de la carpeta: puede haberla puesto un alumno</translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>A line on standard error; %1 is the file asked for (CSV or PDF), %2 the reason.</extracomment>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Pupils not shown here: %1 (the merged CSV has every pupil).</source>
        <extracomment>Under the table of the class report: %1 is the number of pupils whose rows did not fit on the page (it may become their names, so put no noun after it). One line of 8-point text across an A4 page.</extracomment>
        <translation>Alumnos que no se muestran aquí: %1 (el CSV combinado tiene a todos).</translation>
    </message>
    <message>
        <source>Lapinar: the class&apos;s results</source>
        <translation>Lapinar: los resultados de la clase</translation>
    </message>
    <message>
        <source>Year %1</source>
        <extracomment>Heading of a column of the class&apos;s table; %1 is the year (0 to 9).</extracomment>
        <translation>Año %1</translation>
    </message>
    <message>
        <source>Rabbits counted by each pupil, year by year</source>
        <translation>Conejos contados por cada alumno, año por año</translation>
    </message>
    <message>
        <source>Graph of the class&apos;s counts against the rabbits really on the island</source>
        <translation>Gráfica de los recuentos de la clase frente a los conejos que hay de verdad en la isla</translation>
    </message>
    <message>
        <source>The class folder cannot be read: %1</source>
        <extracomment>Shown to the teacher above the class&apos;s table; %1 is the system&apos;s reason.</extracomment>
        <translation>No se puede leer la carpeta de la clase: %1</translation>
    </message>
    <message>
        <source>Pupils who handed in: %1</source>
        <extracomment>Shown to the teacher above the class&apos;s table; %1 is the number of pupils whose results are shown.</extracomment>
        <translation>Alumnos que han entregado: %1</translation>
    </message>
    <message>
        <source>files left out: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of files of the class folder that were left out.</extracomment>
        <translation>archivos descartados: %1</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <extracomment>Follows a list of pupils&apos; names; %1 is the number of pupils not named.</extracomment>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>cannot read the class folder %1: %2</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 the system&apos;s reason.</extracomment>
        <translation>no se puede leer la carpeta de la clase %1: %2</translation>
    </message>
    <message>
        <source>%1/%2: %3; left out</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 a file in it, %3 why it was left out.</extracomment>
        <translation>%1/%2: %3; descartado</translation>
    </message>
    <message>
        <source>counts missing</source>
        <translation>recuentos que faltan</translation>
    </message>
    <message>
        <source>Files left out</source>
        <translation>Archivos descartados</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>no se ha podido crear el PDF</translation>
    </message>
    <message>
        <source>Handed in %1 on %2, in %3</source>
        <extracomment>The tooltip of a pupil&apos;s &quot;Handed in&quot; cell; %1 is the time (today) or the date and time, %2 the name of the machine the pupil handed in from (e.g. pc-07), %3 the lesson&apos;s language code (en, fr, de, es).</extracomment>
        <translation>Entregado: %1, en el equipo %2, idioma %3</translation>
    </message>
    <message>
        <source>Handed in</source>
        <translation>Entregado</translation>
    </message>
    <message>
        <source>dated in the future</source>
        <translation>con fecha futura</translation>
    </message>
    <message>
        <source>a date that is not one</source>
        <translation>fecha no válida</translation>
    </message>
    <message>
        <source>from a machine the rest of the class does not use</source>
        <translation>desde un equipo que el resto de la clase no usa</translation>
    </message>
    <message>
        <source>The folder is read again when it changes, every few seconds, and on F5. T shows or hides the rabbits really there.</source>
        <translation>La carpeta se vuelve a leer cuando cambia, cada pocos segundos y con F5. T muestra u oculta los conejos que hay de verdad.</translation>
    </message>
    <message>
        <source>The class list %1 is not used: %2</source>
        <extracomment>Shown to the teacher; %1 is the class list&apos;s file, %2 why it is not used.</extracomment>
        <translation>No se usa la lista de clase %1: %2</translation>
    </message>
    <message>
        <source>No class list, so only who handed in is shown: put the class&apos;s logins in %1 in the class folder, one a line, to see who is missing.</source>
        <extracomment>Shown to the teacher in the class window; %1 is the class list&apos;s file name, class.txt.</extracomment>
        <translation>No hay lista de clase, así que solo se muestra quién ha entregado: escriba los nombres de usuario de la clase en el archivo %1 de la carpeta de la clase, uno por línea, para ver quién falta.</translation>
    </message>
    <message>
        <source>Everyone on the class list has handed in (%1).</source>
        <extracomment>Shown to the teacher; %1 is the number of pupils on the class list.</extracomment>
        <translation>Todos los de la lista de clase han entregado (%1).</translation>
    </message>
    <message>
        <source>Not handed in (%1 of %2 on the class list): %3</source>
        <extracomment>Shown to the teacher; %1 is how many on the class list have not handed in, %2 how many are on it, %3 their names (logins or typed names), joined by commas.</extracomment>
        <translation>Sin entregar (%1 de %2 de la lista de clase): %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A line of the list of files left out; %1 is the file, %2 why it was left out.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Reading the class folder…</source>
        <translation>Leyendo la carpeta de la clase…</translation>
    </message>
    <message>
        <source>Hide the rabbits really there</source>
        <extracomment>The class window&apos;s button once the rabbits really there are shown; the button is as wide as the longer of its two captions.</extracomment>
        <translation>Ocultar los conejos que hay de verdad</translation>
    </message>
    <message>
        <source>Show the rabbits really there</source>
        <extracomment>The class window&apos;s button that shows the rabbits really on the island in the table and graph.</extracomment>
        <translation>Mostrar los conejos que hay de verdad</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The class window&apos;s button that opens the print dialog; about 80 px wide.</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>%1: %2 more files left out</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 the number of files (2 or more).</extracomment>
        <translation>%1: %2 archivos más descartados</translation>
    </message>
    <message>
        <source>The report cannot be printed: %1</source>
        <extracomment>Shown to the teacher; %1 is why.</extracomment>
        <translation>No se puede imprimir el informe: %1</translation>
    </message>
    <message>
        <source>the pages could not be drawn for the printer</source>
        <translation>no se han podido preparar las páginas para la impresora</translation>
    </message>
    <message>
        <source>not on the class list: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of logins that handed in but are not on the class list (shown apart, left out of the class&apos;s figures).</extracomment>
        <translation>fuera de la lista de clase: %1</translation>
    </message>
    <message>
        <source>other entries passed over: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of other files and folders in the class folder that are no hand-ins (or were beyond what is read) and were passed over.</extracomment>
        <translation>otras entradas omitidas: %1</translation>
    </message>
    <message>
        <source>A folder of boxes: only its pupil can write in each box, as the file server enforces, so each hand-in shown is its box&apos;s pupil&apos;s.</source>
        <translation>Una carpeta con una carpeta por alumno: solo su alumno puede escribir en cada una, lo impone el servidor de archivos; cada entrega mostrada es del alumno de su carpeta.</translation>
    </message>
    <message>
        <source>This folder says it holds a box per pupil, but every pupil can write at its top: it is read as a folder every pupil writes in.</source>
        <translation>Esta carpeta dice tener una carpeta por alumno, pero cualquier alumno puede escribir en su raíz: se lee como una carpeta en la que escriben todos.</translation>
    </message>
    <message>
        <source>A folder every pupil writes in: each hand-in shown was written by the login it is named after, as the file system shows its owner.</source>
        <translation>Carpeta en la que escriben todos: según el sistema de archivos, cada entrega mostrada es de la cuenta cuyo nombre lleva.</translation>
    </message>
    <message>
        <source>A folder every pupil writes in: this folder cannot prove who wrote which file for %1 hand-ins, marked unproven. A box per pupil (lapinar-boxes) proves every hand-in.</source>
        <extracomment>%1 is the number of hand-ins marked unproven.</extracomment>
        <translation>Carpeta en la que escriben todos: en %1 entregas no se puede demostrar quién las escribió (marcadas sin comprobar). Una carpeta por alumno (lapinar-boxes) lo demuestra.</translation>
    </message>
    <message>
        <source>A name typed on a shared login is anyone&apos;s: each is shown with the login and machine it was typed on.</source>
        <translation>Cualquiera puede teclear un nombre en una cuenta compartida: cada uno se muestra con la cuenta y el equipo donde se tecleó.</translation>
    </message>
    <message>
        <source>The class folder has not answered since %1: the numbers shown were read at %2.</source>
        <extracomment>Shown to the teacher when a class folder (often a network share) does not answer; %1 is when it was last asked, %2 when the numbers shown were read (times of day).</extracomment>
        <translation>La carpeta de la clase no responde desde las %1: los números mostrados se leyeron a las %2.</translation>
    </message>
    <message>
        <source>The class folder has not answered since %1: nothing could be read from it yet.</source>
        <extracomment>Shown to the teacher when a class folder (often a network share) does not answer; %1 is when it was last asked (a time of day).</extracomment>
        <translation>La carpeta de la clase no responde desde las %1: todavía no se ha podido leer nada de ella.</translation>
    </message>
    <message>
        <source>F5: waiting for the folder to answer; it is read again as soon as it does.</source>
        <translation>F5: esperando a que la carpeta responda; se volverá a leer en cuanto lo haga.</translation>
    </message>
    <message>
        <source>The class folder answers again (since %1).</source>
        <extracomment>Shown to the teacher once a class folder that did not answer answers again; %1 is the time of day.</extracomment>
        <translation>La carpeta de la clase vuelve a responder (desde las %1).</translation>
    </message>
    <message>
        <source>Lapinar class results %1</source>
        <extracomment>The print dialog&apos;s title and the report&apos;s name, which the dialog offers as the PDF&apos;s file name: no colon, slash, quote or apostrophe. %1 is the date, as 2026-12-09.</extracomment>
        <translation>Lapinar resultados de la clase %1</translation>
    </message>
    <message>
        <source>%1: 1 more file left out</source>
        <extracomment>A line on standard error; %1 is the class folder.</extracomment>
        <translation>%1: 1 archivo más descartado</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>What a screen reader says of a cell of the class&apos;s table: %1 is the pupil (or &quot;class median&quot;), %2 the column (&quot;Year 5&quot; or &quot;Handed in&quot;), %3 what the cell holds.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>What a screen reader says of a year without a class median (no pupil gave a count).</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>%1, not a number</source>
        <extracomment>What a screen reader says of a count a pupil typed that is not a number; %1 is the text.</extracomment>
        <translation>%1, no es un número</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>not handed in: %1</source>
        <extracomment>Follows &quot;Pupils who handed in: N; &quot;; %1 is the number of pupils on the class list who have not.</extracomment>
        <translation>sin entregar: %1</translation>
    </message>
    <message>
        <source>The rabbits really there are shown in the table and the graph.</source>
        <extracomment>Said to a teacher with a screen reader when T shows the rabbits really on the island.</extracomment>
        <translation>Los conejos que hay de verdad se muestran en la tabla y en la gráfica.</translation>
    </message>
    <message>
        <source>The rabbits really there are hidden.</source>
        <extracomment>Said to a teacher with a screen reader when T hides them again.</extracomment>
        <translation>Los conejos que hay de verdad están ocultos.</translation>
    </message>
    <message>
        <source>%1 handed in</source>
        <extracomment>Said to a teacher with a screen reader as pupils hand in while the class window is open; %1 is one or more names joined by commas.</extracomment>
        <translation>%1 ha entregado</translation>
    </message>
</context>
<context>
    <name>Conclusion</name>
    <message>
        <source>Conclusion</source>
        <translation>Conclusión</translation>
    </message>
    <message>
        <source>Decide if your results are good enough for you to make a conclusion.</source>
        <translation>Decide si tus resultados bastan para sacar una conclusión.</translation>
    </message>
    <message>
        <source>Go back to check your results or click on the question button for help on writing your conclusion.</source>
        <translation>Vuelve atrás para revisar tus resultados o haz clic en el botón de la pregunta si necesitas ayuda para escribir tu conclusión.</translation>
    </message>
    <message>
        <source>A rabbit&apos;s head</source>
        <translation>Una cabeza de conejo</translation>
    </message>
    <message>
        <source>Extension</source>
        <extracomment>Button to the extension with foxes: 81 px wide at 640 x 480, room for about 69 px of text (about 10 letters).</extracomment>
        <translation>Ampliación</translation>
    </message>
</context>
<context>
    <name>Extend</name>
    <message>
        <source>Foxes and Lapinar</source>
        <translation>Zorros y Lapinar</translation>
    </message>
    <message>
        <source>You now decide to put a predator on the island.</source>
        <translation>Ahora decides soltar un depredador en la isla.</translation>
    </message>
    <message>
        <source>You want to find out how some foxes will affect the rabbit numbers.</source>
        <translation>Quieres averiguar cómo afectarán unos cuantos zorros al número de conejos.</translation>
    </message>
    <message>
        <source>You will start with a large population of rabbits. You will then put a few foxes on the island.</source>
        <translation>Empezarás con una gran población de conejos. Luego soltarás unos zorros en la isla.</translation>
    </message>
    <message>
        <source>A fox</source>
        <translation>Un zorro</translation>
    </message>
</context>
<context>
    <name>Finish</name>
    <message>
        <source>The end</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>You now need to process the data you have collected and make a final conclusion.</source>
        <translation>Ahora tienes que analizar los datos que has reunido y sacar una conclusión final.</translation>
    </message>
    <message>
        <source>Click on the question button to find out what you need to do.</source>
        <translation>Haz clic en el botón de la pregunta para saber qué tienes que hacer.</translation>
    </message>
    <message>
        <source>A rabbit&apos;s head</source>
        <translation>Una cabeza de conejo</translation>
    </message>
</context>
<context>
    <name>Foxes</name>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Rabbits counted</source>
        <translation>Conejos contados</translation>
    </message>
    <message>
        <source>Rabbits counted: %1</source>
        <extracomment>Spoken name of the calendar page that shows the count; %1 is the number of animals counted this year.</extracomment>
        <translation>Conejos contados: %1</translation>
    </message>
    <message>
        <source>Next year</source>
        <extracomment>The year button before the first year is shown: 81 px wide at 640 x 480, room for 69 px of 11-px text (about 11 letters). Translate it as the &quot;Next year&quot; of the year buttons.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Fox island, year %1</source>
        <extracomment>The fox screen&apos;s spoken name; %1 is the year of the experiment (0 to 10).</extracomment>
        <translation>Isla de los zorros, año %1</translation>
    </message>
    <message>
        <source>You have already counted this one.</source>
        <translation>Ya has contado este animal.</translation>
    </message>
    <message>
        <source>No more animals that way.</source>
        <extracomment>Said to a screen reader when an arrow key would go past the last animal.</extracomment>
        <translation>No hay más animales por ahí.</translation>
    </message>
    <message>
        <source>All counted.</source>
        <extracomment>Said to a screen reader after the count, once every rabbit of the fox year is counted.</extracomment>
        <translation>Todos contados.</translation>
    </message>
    <message numerus="yes">
        <source>There are %n animals.</source>
        <extracomment>Said after the count as a fox year opens; %n is the number of animals, rabbits and foxes, on the island.</extracomment>
        <translation>
            <numerusform>Hay %n animal.</numerusform>
            <numerusform>Hay %n animales.</numerusform>
        </translation>
    </message>
    <message>
        <source>Fox, not counted.</source>
        <extracomment>Said to a screen reader when the pupil presses Space on a fox: foxes are not counted.</extracomment>
        <translation>Zorro, no contado.</translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Year</source>
        <extracomment>Heading of the results table&apos;s year column (and the graph&apos;s axis title): at most 65 px of 13-px text at 640 x 480 (about 9 letters).</extracomment>
        <translation>Año</translation>
    </message>
    <message>
        <source>Rabbits</source>
        <extracomment>Heading of the results table&apos;s count column: at most 65 px of 13-px text at 640 x 480 (about 9 letters).</extracomment>
        <translation>Conejos</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The first row of the year column, the year the rabbits were put on the island: at most 52 px of 13-px text at 640 x 480 (about 7 letters).</extracomment>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Rabbits in year %1</source>
        <extracomment>Spoken name of a cell of the results table; %1 is the year (0 to 9).</extracomment>
        <translation>Conejos en el año %1</translation>
    </message>
    <message>
        <source>Draw graph</source>
        <extracomment>Button: 129 px wide at 640 x 480, room for about 117 px of 13-px text (about 17 letters).</extracomment>
        <translation>Dibujar gráfica</translation>
    </message>
    <message>
        <source>Copy graph</source>
        <extracomment>Button: 128 px wide at 640 x 480, room for about 116 px of 13-px text (about 17 letters).</extracomment>
        <translation>Copiar gráfica</translation>
    </message>
    <message>
        <source>Join points</source>
        <extracomment>Button that joins the points of the graph with lines; it then reads &quot;Plot points&quot;. 121 px wide at 640 x 480, room for about 109 px of 13-px text (about 16 letters).</extracomment>
        <translation>Unir puntos</translation>
    </message>
    <message>
        <source>Clear table</source>
        <extracomment>Button: 172 px wide at 640 x 480, room for about 160 px of 13-px text.</extracomment>
        <translation>Borrar tabla</translation>
    </message>
    <message>
        <source>Title</source>
        <extracomment>Button that lets the pupil type the graph&apos;s title: 65 px wide at 640 x 480, room for about 53 px of 13-px text (about 8 letters).</extracomment>
        <translation>Título</translation>
    </message>
    <message>
        <source>Graph drawn.</source>
        <translation>Gráfica dibujada.</translation>
    </message>
    <message>
        <source>Graph copied.</source>
        <translation>Gráfica copiada.</translation>
    </message>
    <message>
        <source>Graph title</source>
        <translation>Título de la gráfica</translation>
    </message>
    <message>
        <source>Number of rabbits</source>
        <translation>Número de conejos</translation>
    </message>
    <message>
        <source>Type the number of rabbits of each year into the table, then draw the graph.</source>
        <translation>Escribe en la tabla el número de conejos de cada año y luego dibuja la gráfica.</translation>
    </message>
    <message>
        <source>Plot points</source>
        <extracomment>The same button once the points are joined: it shows the points alone again. 121 px wide at 640 x 480, room for about 109 px of 13-px text (about 16 letters).</extracomment>
        <translation>Solo puntos</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Deshacer borrado</translation>
    </message>
    <message>
        <source>Table cleared.</source>
        <extracomment>Said to a screen reader and read aloud when Clear table has emptied the table.</extracomment>
        <translation>Tabla borrada.</translation>
    </message>
    <message>
        <source>Table back.</source>
        <extracomment>Said to a screen reader and read aloud when Undo clear (or Ctrl+Z) has brought the table back.</extracomment>
        <translation>Tabla recuperada.</translation>
    </message>
    <message>
        <source>Rabbits in year %1: %2</source>
        <extracomment>Said to a screen reader as the pupil leaves a cell of the results table; %1 is the year (0 to 9), %2 the number or text the pupil typed there.</extracomment>
        <translation>Conejos en el año %1: %2</translation>
    </message>
    <message>
        <source>The cleared table can no longer be brought back.</source>
        <translation>La tabla borrada ya no se puede recuperar.</translation>
    </message>
</context>
<context>
    <name>HandIn</name>
    <message>
        <source>the folder does not answer</source>
        <translation>la carpeta no responde</translation>
    </message>
    <message>
        <source>cannot hand in the results to %1: %2</source>
        <extracomment>A line on standard error; %1 is the class folder, %2 the reason.</extracomment>
        <translation>no se pueden entregar los resultados en %1: %2</translation>
    </message>
    <message>
        <source>Your results could not be handed in. Tell your teacher.</source>
        <translation>No se han podido entregar tus resultados. Díselo a tu profesor o profesora.</translation>
    </message>
    <message>
        <source>HandInFolder %1 is not a full path (it starts with neither / nor ~); nothing is handed in</source>
        <extracomment>A line on standard error; %1 is the folder as the settings give it.</extracomment>
        <translation>HandInFolder %1 no es una ruta completa (no empieza por / ni por ~); no se entrega nada</translation>
    </message>
    <message>
        <source>Your results are handed in.</source>
        <translation>Tus resultados ya se han entregado.</translation>
    </message>
    <message>
        <source>Your results are still being handed in…</source>
        <translation>Tus resultados todavía se están entregando…</translation>
    </message>
    <message>
        <source>A file with your name was put there by someone else. Tell your teacher.</source>
        <translation>Otra persona ha puesto allí un archivo con tu nombre. Díselo a tu profesor o profesora.</translation>
    </message>
    <message>
        <source>%1 in %2 belongs to someone else; the results are handed in as a file of their own</source>
        <extracomment>A line on standard error; %1 is the pupil&apos;s file name, %2 the class folder.</extracomment>
        <translation>%1 en %2 pertenece a otra persona; los resultados se entregan en un archivo aparte</translation>
    </message>
    <message>
        <source>HandInFolder %1 names a variable that is not set; nothing is handed in</source>
        <extracomment>A line on standard error; %1 is the folder as the settings give it.</extracomment>
        <translation>HandInFolder %1 nombra una variable que no está definida; no se entrega nada</translation>
    </message>
    <message>
        <source>There is no box for you in the class folder, so your results cannot be handed in. Tell your teacher.</source>
        <translation>No hay ninguna carpeta para ti en la carpeta de la clase, así que tus resultados no se pueden entregar. Díselo a tu profesor o profesora.</translation>
    </message>
    <message>
        <source>The class folder is not set up right on this computer, so your results cannot be handed in. Tell your teacher.</source>
        <translation>La carpeta de la clase no está bien configurada en este ordenador, así que tus resultados no se pueden entregar. Díselo a tu profesor o profesora.</translation>
    </message>
    <message>
        <source>it has no box for %1</source>
        <extracomment>A line on standard error, after &quot;cannot hand in the results to FOLDER: &quot;; %1 is the pupil&apos;s login.</extracomment>
        <translation>no tiene carpeta para %1</translation>
    </message>
</context>
<context>
    <name>HoleBoard</name>
    <message>
        <source>burrow</source>
        <extracomment>What a screen reader calls a burrow with no animal showing (followed by the kind of place, e.g. &quot;image&quot;).</extracomment>
        <translation>madriguera</translation>
    </message>
    <message>
        <source>rabbit</source>
        <translation>conejo</translation>
    </message>
    <message>
        <source>counted rabbit</source>
        <extracomment>What a screen reader calls a rabbit the pupil has counted.</extracomment>
        <translation>conejo contado</translation>
    </message>
    <message>
        <source>fox</source>
        <translation>zorro</translation>
    </message>
    <message>
        <source>counted fox</source>
        <extracomment>What a screen reader calls a fox the pupil has marked.</extracomment>
        <translation>zorro contado</translation>
    </message>
</context>
<context>
    <name>Intro1</name>
    <message>
        <source>You are a scientist in charge of an island.</source>
        <translation>Investigas y tienes una isla a tu cargo.</translation>
    </message>
    <message>
        <source>Your job is to find out about rabbit populations.</source>
        <translation>Tu misión: estudiar las poblaciones de conejos.</translation>
    </message>
    <message>
        <source>You are going to do an experiment to find out how rabbit numbers change on the island.</source>
        <translation>Vas a hacer un experimento para descubrir cómo cambia el número de conejos en la isla.</translation>
    </message>
    <message>
        <source>A rabbit on grass</source>
        <translation>Un conejo en la hierba</translation>
    </message>
</context>
<context>
    <name>Intro2</name>
    <message>
        <source>Your plan</source>
        <translation>Tu plan</translation>
    </message>
    <message>
        <source>Your plan is to put ten rabbits on the island. You will leave them for a few years to see how their population changes.</source>
        <translation>Tu plan: soltar diez conejos en la isla y dejarlos allí unos años para ver cómo cambia su población.</translation>
    </message>
    <message>
        <source>Every year, you will go back to the island and count the number of rabbits alive.</source>
        <translation>Cada año volverás a la isla y contarás cuántos conejos siguen vivos.</translation>
    </message>
    <message>
        <source>First, you need to predict what you think will happen.</source>
        <translation>Primero tienes que predecir lo que crees que va a pasar.</translation>
    </message>
    <message>
        <source>A cartoon rabbit</source>
        <translation>Un conejo de dibujos animados</translation>
    </message>
    <message>
        <source>Prediction</source>
        <extracomment>Button to the prediction screen: 81 px wide at 640 x 480, room for about 69 px of text (about 10 letters).</extracomment>
        <translation>Predicción</translation>
    </message>
</context>
<context>
    <name>Intro3</name>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>The trouble with counting rabbits is that they move about and hide.</source>
        <translation>Contar conejos es difícil: se mueven y se esconden.</translation>
    </message>
    <message>
        <source>If you see a rabbit, click on it as fast as you can. This will mark it and so you won&apos;t count it twice.</source>
        <translation>Si ves un conejo, haz clic rápido en él. Así quedará marcado y no lo contarás dos veces.</translation>
    </message>
    <message>
        <source>Have a practice and then it will be time to go and put the rabbits on the island.</source>
        <translation>Practica un poco y luego llegará el momento de soltar los conejos en la isla.</translation>
    </message>
    <message>
        <source>A rabbit hopping towards its burrow</source>
        <translation>Un conejo que salta hacia su madriguera</translation>
    </message>
    <message>
        <source>Start experiment</source>
        <extracomment>The tooltip and spoken name of the practice&apos;s &quot;&gt;&gt;&quot; button, which goes on to the island.</extracomment>
        <translation>Empezar el experimento</translation>
    </message>
    <message>
        <source>You missed. Better luck next time.</source>
        <translation>¡Has fallado! La próxima vez te saldrá mejor.</translation>
    </message>
    <message>
        <source>Keys: S slower, P pause.</source>
        <translation>Teclas: S más lento, P pausa.</translation>
    </message>
    <message>
        <source>Counted.</source>
        <extracomment>Said to a screen reader and read aloud when the pupil counts a practice rabbit.</extracomment>
        <translation>Contado.</translation>
    </message>
    <message>
        <source>Already counted.</source>
        <extracomment>Said to a screen reader when the pupil counts a practice rabbit counted before.</extracomment>
        <translation>Ya contado.</translation>
    </message>
</context>
<context>
    <name>Island</name>
    <message>
        <source>Make sure that you write down the number of rabbits in the table on your worksheet.</source>
        <translation>No olvides apuntar el número de conejos en la tabla de tu ficha.</translation>
    </message>
    <message>
        <source>There are getting to be too many rabbits to count. There are around 4 rabbits living in each burrow. Use this fact to estimate them.</source>
        <translation>Ya hay demasiados conejos para contarlos. En cada madriguera viven unos 4 conejos. Usa este dato para estimar cuántos hay.</translation>
    </message>
    <message>
        <source>Rabbits counted: %1</source>
        <extracomment>Spoken name of the calendar page that shows the count; %1 is the number of rabbits counted this year.</extracomment>
        <translation>Conejos contados: %1</translation>
    </message>
    <message>
        <source>Next year</source>
        <extracomment>The year button before the first year is shown: 81 px wide at 640 x 480, room for 69 px of text (about 11 letters). Translate it as the &quot;Next year&quot; of the year buttons.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Island, year %1</source>
        <extracomment>The island screen&apos;s spoken name; %1 is the year of the experiment (0 to 9).</extracomment>
        <translation>Isla, año %1</translation>
    </message>
    <message>
        <source>You have already counted this rabbit.</source>
        <translation>Ya has contado este conejo.</translation>
    </message>
    <message>
        <source>You missed. Better luck next time.</source>
        <translation>¡Has fallado! La próxima vez te saldrá mejor.</translation>
    </message>
    <message numerus="yes">
        <source>There are %n burrows.</source>
        <extracomment>Read aloud after the reminder to estimate; %n is the number of burrows on the island this year.</extracomment>
        <translation>
            <numerusform>Hay %n madriguera.</numerusform>
            <numerusform>Hay %n madrigueras.</numerusform>
        </translation>
    </message>
    <message>
        <source>All counted.</source>
        <extracomment>Said to a screen reader after the count, once every rabbit of the year is counted.</extracomment>
        <translation>Todos contados.</translation>
    </message>
</context>
<context>
    <name>KeptLesson</name>
    <message>
        <source>Carry on where you stopped?</source>
        <translation>¿Seguir donde lo has dejado?</translation>
    </message>
    <message>
        <source>This lesson is already open in another window.</source>
        <translation>Esta lección ya está abierta en otra ventana.</translation>
    </message>
</context>
<context>
    <name>LAPINAR1</name>
    <message>
        <source>1 - Populations</source>
        <translation>1 - Las poblaciones</translation>
    </message>
    <message>
        <source>Write down two things that might change the number of rabbits living on the island.</source>
        <translation>Apunta dos cosas que podrían cambiar el número de conejos que viven en la isla.</translation>
    </message>
    <message>
        <source>2 - The experiment</source>
        <translation>2 - El experimento</translation>
    </message>
    <message>
        <source>Write down one way that you could make the survey fair.</source>
        <translation>Apunta una forma de conseguir que tus recuentos sean comparables de un año a otro.</translation>
    </message>
    <message>
        <source>3 - Predicting the result</source>
        <translation>3 - Predecir el resultado</translation>
    </message>
    <message>
        <source>Write the prediction you chose down and explain why you think it will happen.</source>
        <translation>Apunta la predicción que has elegido y explica por qué crees que va a ocurrir.</translation>
    </message>
    <message>
        <source>4 - Counting the rabbits</source>
        <translation>4 - Contar los conejos</translation>
    </message>
    <message>
        <source>How can you estimate the rabbit numbers instead of trying to count them all. It is something to do with the rabbit holes.</source>
        <translation>¿Cómo puedes estimar el número de conejos sin intentar contarlos todos? Piensa en las madrigueras.</translation>
    </message>
    <message>
        <source>5 - Presenting your results</source>
        <translation>5 - Presentar tus resultados</translation>
    </message>
    <message>
        <source>Put your data in the table and draw the graph. Plot the graph on your worksheet.</source>
        <translation>Escribe tus datos en la tabla y dibuja la gráfica. Dibújala también en tu ficha.</translation>
    </message>
    <message>
        <source>6 - Conclusion</source>
        <translation>6 - Conclusión</translation>
    </message>
    <message>
        <source>Was your prediction correct? Why do you think that the rabbit numbers change?</source>
        <translation>¿Acertaste con tu predicción? ¿Por qué crees que cambia el número de conejos?</translation>
    </message>
    <message>
        <source>7 - Extension</source>
        <translation>7 - Ampliación</translation>
    </message>
    <message>
        <source>Write what you predict will happen to rabbit AND fox populations over ten years.</source>
        <translation>Escribe lo que predices que pasará con las poblaciones de conejos Y de zorros a lo largo de diez años.</translation>
    </message>
    <message>
        <source>8 - Making your conclusion</source>
        <translation>8 - Sacar tu conclusión</translation>
    </message>
    <message>
        <source>Put the data into your own table and draw a graph showing the rabbit and the fox numbers. Why did the populations change?</source>
        <translation>Pon los datos en tu propia tabla y dibuja una gráfica con el número de conejos y de zorros. ¿Por qué han cambiado las poblaciones?</translation>
    </message>
</context>
<context>
    <name>LessonScreen</name>
    <message>
        <source>Next screen</source>
        <extracomment>What a screen reader calls the &quot;&gt;&gt;&quot; button.</extracomment>
        <translation>Pantalla siguiente</translation>
    </message>
    <message>
        <source>Previous screen</source>
        <extracomment>What a screen reader calls the &quot;&lt;&lt;&quot; button.</extracomment>
        <translation>Pantalla anterior</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>Spoken name and tooltip of the stop-sign button, which ends the lesson; never shown as text.</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Question %1</source>
        <extracomment>Spoken name and tooltip of a screen&apos;s question button; %1 is the question&apos;s number (1 to 8).</extracomment>
        <translation>Pregunta %1</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This computer&apos;s login is shared. Type your name, so that your teacher knows whose results these are:</source>
        <translation>Sesión compartida: escribe tu nombre para que tu profe sepa de quién son los resultados:</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Start full screen, for a projector or a kiosk (F11 switches it on and off).</source>
        <translation>Empezar a pantalla completa, para un proyector o un quiosco (F11 la activa y la desactiva).</translation>
    </message>
    <message>
        <source>Speak &lt;language&gt; (one of: %1) instead of the desktop&apos;s language.</source>
        <extracomment>Help for the --language option; %1 is the list of language codes the lesson speaks. &lt;language&gt; is the option&apos;s value as the help shows it.</extracomment>
        <translation>Hablar &lt;idioma&gt; (uno de: %1) en lugar del idioma del escritorio.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>Start with reading aloud on: the lesson speaks its texts (F9 turns it on and off).</source>
        <translation>Empezar con la lectura en voz alta: la lección lee sus textos (F9 la activa y la desactiva).</translation>
    </message>
    <message>
        <source>Write the printed worksheet, in the lesson&apos;s language, to &lt;file&gt; (PDF, A4) and exit without opening a window.</source>
        <translation>Escribir la ficha para imprimir, en el idioma de la lección, en &lt;archivo&gt; (PDF, A4) y salir sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Start a fresh lesson without offering the work kept from the last one, which is kept aside as the previous work.</source>
        <translation>Empezar una lección nueva sin ofrecer el trabajo guardado de la última, que se aparta como trabajo anterior.</translation>
    </message>
    <message>
        <source>Lapinar: a science lesson about animal populations on an island.</source>
        <translation>Lapinar: una lección de ciencias sobre las poblaciones de animales de una isla.</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>A line on standard error; %1 is the worksheet file asked for, %2 the reason.</extracomment>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Show the results handed in to the class &lt;folder&gt; instead of the lesson.</source>
        <translation>Mostrar los resultados entregados en la &lt;carpeta&gt; de la clase en lugar de la lección.</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>With --class: write every pupil&apos;s results to &lt;file&gt; as one CSV and exit without opening a window.</source>
        <translation>Con --class: escribir los resultados de todos los alumnos en &lt;archivo&gt; como un solo CSV y salir sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>With --class: write the class&apos;s report to &lt;file&gt; (PDF, A4) and exit without opening a window.</source>
        <translation>Con --class: escribir el informe de la clase en &lt;archivo&gt; (PDF, A4) y salir sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>Start in a window, whatever a settings file says.</source>
        <translation>Empezar en una ventana, diga lo que diga un archivo de ajustes.</translation>
    </message>
    <message>
        <source>Start with reading aloud off, whatever a settings file says.</source>
        <translation>Empezar con la lectura en voz alta desactivada, diga lo que diga un archivo de ajustes.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>With --class: the class list, one login or name a line, instead of class.txt in the class folder.</source>
        <translation>Con --class: la lista de clase, un usuario o nombre por línea, en lugar de class.txt en la carpeta de la clase.</translation>
    </message>
    <message>
        <source>--worksheet cannot go with --class, --csv, --report or --roster: give one at a time.</source>
        <translation>--worksheet no puede ir con --class, --csv, --report ni --roster: indique uno cada vez.</translation>
    </message>
    <message>
        <source>--csv, --report and --roster need --class &lt;folder&gt;.</source>
        <translation>--csv, --report y --roster necesitan --class &lt;carpeta&gt;.</translation>
    </message>
    <message>
        <source>--%1 is for the lesson, not for --class.</source>
        <extracomment>A line on standard error; %1 is the option&apos;s name (e.g. &quot;read-aloud&quot;), which stays as it is.</extracomment>
        <translation>--%1 es para la lección, no para --class.</translation>
    </message>
    <message>
        <source>the class window needs a display; without one, write the class&apos;s results with --csv &lt;file&gt; or --report &lt;file&gt;.</source>
        <translation>la ventana de la clase necesita una pantalla; sin ella, escriba los resultados de la clase con --csv &lt;archivo&gt; o --report &lt;archivo&gt;.</translation>
    </message>
    <message>
        <source>the class view cannot be started: %1</source>
        <extracomment>A line on standard error when lapinar --class cannot run the class view&apos;s program; %1 is the reason the system gives.</extracomment>
        <translation>la vista de la clase no puede iniciarse: %1</translation>
    </message>
    <message>
        <source>Let reading aloud speak even while a screen reader runs; without this it stays quiet then, so that one voice speaks.</source>
        <translation>Dejar que la lectura en voz alta hable incluso mientras funciona un lector de pantalla; sin esta opción calla entonces, para que hable una sola voz.</translation>
    </message>
    <message>
        <source>Keep each practice and island rabbit still to count up for &lt;seconds&gt;, or until it is counted (from 1.5, the lesson&apos;s own, to 15); the wait between rabbits stays 1.5 seconds. In the lesson S makes it slower and P pauses it.</source>
        <translation>Dejar cada conejo de la práctica y de la isla aún por contar fuera durante &lt;segundos&gt;, o hasta que se cuente (de 1.5, el ritmo de la lección, a 15); la espera entre conejos sigue siendo de 1.5 segundos. En la lección, S lo hace más lento y P lo pausa.</translation>
    </message>
</context>
<context>
    <name>PopupScreen</name>
    <message>
        <source>Slower</source>
        <extracomment>Said, and shown as a small sign by the burrows, when S keeps the rabbits up twice as long; the sign has room for about 12 letters at 640 x 480.</extracomment>
        <translation>Más lento</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <extracomment>Said when S is pressed again and the rabbits keep their usual time.</extracomment>
        <translation>Velocidad normal</translation>
    </message>
    <message>
        <source>Rabbit up</source>
        <extracomment>Said to a screen reader as a rabbit still to count comes up out of a burrow, where Space counts it.</extracomment>
        <translation>Sale un conejo</translation>
    </message>
    <message>
        <source>Gone</source>
        <extracomment>Said to a screen reader as the rabbit goes back down its burrow.</extracomment>
        <translation>Se ha ido</translation>
    </message>
    <message>
        <source>Paused</source>
        <extracomment>Said (and shown by the burrows) when P pauses the rabbits where they are.</extracomment>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Going on</source>
        <extracomment>Said when P is pressed again and the rabbits go on.</extracomment>
        <translation>Seguimos</translation>
    </message>
    <message>
        <source>Counted rabbit up</source>
        <extracomment>Said to a screen reader as a rabbit counted before comes up.</extracomment>
        <translation>Sale un conejo ya contado</translation>
    </message>
    <message>
        <source>No more burrows that way.</source>
        <extracomment>Said to a screen reader when an arrow key would go past the last burrow.</extracomment>
        <translation>No hay más madrigueras por ahí.</translation>
    </message>
</context>
<context>
    <name>Prediction</name>
    <message>
        <source>The number of rabbits will go up and then stay the same.</source>
        <translation>El número de conejos subirá y luego se quedará igual.</translation>
    </message>
    <message>
        <source>All the rabbits will die.</source>
        <translation>Ningún conejo vivirá.</translation>
    </message>
    <message>
        <source>The number of rabbits will keep on going up.</source>
        <translation>El número de conejos seguirá subiendo.</translation>
    </message>
    <message>
        <source>The number of rabbits will go up and then go down.</source>
        <translation>El número de conejos subirá y luego bajará.</translation>
    </message>
    <message>
        <source>The number of rabbits will not change.</source>
        <translation>El número de conejos no cambiará.</translation>
    </message>
    <message>
        <source>Prediction</source>
        <translation>Predicción</translation>
    </message>
    <message>
        <source>Here are some things that could happen.</source>
        <translation>Esto es lo que podría pasar.</translation>
    </message>
    <message>
        <source>Click on the best prediction.</source>
        <translation>Haz clic en la mejor predicción.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>QuestionDialog</name>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Question %1</source>
        <extracomment>Title of the question panel; %1 is the question&apos;s number (1 to 8). One line, 281 px wide, 18-px text.</extracomment>
        <translation>Pregunta %1</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <extracomment>Button that closes the question panel; &amp; marks the letter of its key. 97 px wide at 640 x 480, room for about 85 px of 18-px text (about 9 letters).</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
</context>
<context>
    <name>ReadAloud</name>
    <message>
        <source>Reading aloud is not available on this computer.</source>
        <translation>La lectura en voz alta no está disponible en este equipo.</translation>
    </message>
    <message>
        <source>Reading aloud is on</source>
        <translation>La lectura en voz alta está activada</translation>
    </message>
    <message>
        <source>Reading aloud is off</source>
        <extracomment>Said to a screen reader when F9 turns reading aloud off.</extracomment>
        <translation>La lectura en voz alta está desactivada</translation>
    </message>
    <message>
        <source>Reading aloud is quiet while a screen reader speaks</source>
        <translation>La lectura en voz alta calla mientras habla un lector de pantalla</translation>
    </message>
</context>
<context>
    <name>ReminderDialog</name>
    <message>
        <source>OK</source>
        <extracomment>Button that closes a reminder: 81 px wide at 640 x 480, room for about 69 px of 13-px text (about 10 letters).</extracomment>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ResultsGraph</name>
    <message>
        <source>Graph of rabbits counted each year</source>
        <translation>Gráfica de los conejos contados cada año</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>%1 %2 (above the graph)</source>
        <extracomment>Spoken: a point of the pupil&apos;s graph above its top; %1 is the year (&quot;Start&quot; or a number), %2 the number of rabbits.</extracomment>
        <translation>%1 %2 (por encima de la gráfica)</translation>
    </message>
    <message>
        <source>%1 %2 (below the graph)</source>
        <extracomment>Spoken: a point of the pupil&apos;s graph below its bottom; %1 is the year (&quot;Start&quot; or a number), %2 the number of rabbits.</extracomment>
        <translation>%1 %2 (por debajo de la gráfica)</translation>
    </message>
    <message>
        <source>No points</source>
        <translation>Sin puntos</translation>
    </message>
</context>
<context>
    <name>ScreenChain</name>
    <message>
        <source>Remember that each screen has a question on your worksheet. Have you answered the first one?</source>
        <translation>Recuerda: cada pantalla tiene una pregunta en tu ficha. ¿Has contestado la primera?</translation>
    </message>
    <message>
        <source>Make sure that you have written your prediction down.</source>
        <translation>Comprueba que has apuntado tu predicción.</translation>
    </message>
    <message>
        <source>Do you really want to leave Lapinar?</source>
        <translation>¿Seguro que quieres salir de Lapinar?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>the desktop&apos;s language</source>
        <translation>el idioma del escritorio</translation>
    </message>
    <message>
        <source>%1: cannot be read; skipped.</source>
        <extracomment>A line on standard error; %1 is a settings file.</extracomment>
        <translation>%1: no se puede leer; se omite.</translation>
    </message>
    <message>
        <source>%1: Language=%2 is not a language the lesson speaks (%3); using %4.</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 the value given, %3 the language codes the lesson speaks, %4 the language used instead.</extracomment>
        <translation>%1: Language=%2 no es un idioma de la lección (%3); se usa %4.</translation>
    </message>
    <message>
        <source>%1: %2=%3 is neither true nor false; using %4.</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 a setting&apos;s name, %3 the value given, %4 the value used instead (true or false, as written in the file).</extracomment>
        <translation>%1: %2=%3 no es ni true ni false; se usa %4.</translation>
    </message>
    <message>
        <source>%1: unknown setting %2 ignored; did you mean %3?</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 the name given, %3 the setting it is nearest to.</extracomment>
        <translation>%1: ajuste desconocido %2 ignorado; ¿quería decir %3?</translation>
    </message>
    <message>
        <source>%1: unknown setting %2 ignored; the settings are %3.</source>
        <extracomment>A line on standard error; %1 is a settings file, %2 the name given, %3 the list of the settings&apos; names.</extracomment>
        <translation>%1: ajuste desconocido %2 ignorado; los ajustes son %3.</translation>
    </message>
    <message>
        <source>--language %1 is not a language the lesson speaks (%2); using %3.</source>
        <extracomment>A line on standard error; %1 is the code given, %2 the language codes the lesson speaks, %3 the language used instead.</extracomment>
        <translation>--language %1 no es un idioma de la lección (%2); se usa %3.</translation>
    </message>
    <message>
        <source>%1 is not a time from %2 to %3 seconds; using %4.</source>
        <extracomment>A line on standard error; %1 names the setting or option and the value given, %2 and %3 are the shortest and longest times in seconds, %4 the time used instead.</extracomment>
        <translation>%1 no es un tiempo de %2 a %3 segundos; se usa %4.</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>You have now counted none of the rabbits that were on the island.</source>
        <translation>Por ahora no has contado ninguno de los conejos que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted only a few of the rabbits that were on the island.</source>
        <translation>Has contado solo unos pocos de los conejos que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted some of the rabbits that were on the island.</source>
        <translation>Has contado una parte de los conejos que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted nearly half of the rabbits that were on the island.</source>
        <translation>Has contado casi la mitad de los conejos que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted half of the rabbits that were on the island.</source>
        <translation>Has contado la mitad de los conejos que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted just over half of the rabbits that were on the island.</source>
        <translation>Has contado algo más de la mitad de los conejos que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted most of the rabbits that were on the island.</source>
        <translation>Has contado la mayoría de los conejos que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted nearly all of the rabbits that were on the island.</source>
        <translation>Has contado casi todos los conejos que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted all of the rabbits that were on the island.</source>
        <translation>Has contado todos los conejos que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted a few more than the rabbits that were on the island.</source>
        <translation>Has contado unos cuantos conejos más de los que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted  the rabbits that were on the island.</source>
        <translation>Has contado  los conejos que había en la isla.</translation>
    </message>
    <message>
        <source>You have now counted a lot more than the rabbits that were on the island.</source>
        <translation>Has contado muchos más conejos de los que había en la isla.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Lapinar worksheet</source>
        <translation>Ficha de Lapinar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Foxes</source>
        <translation>Zorros</translation>
    </message>
    <message>
        <source>the PDF could not be started</source>
        <extracomment>Why the worksheet could not be written: the PDF file could not be created. It follows &quot;cannot write FILE:&quot; on standard error.</extracomment>
        <translation>no se ha podido crear el PDF</translation>
    </message>
</context>
<context>
    <name>YearButtons</name>
    <message>
        <source>Next year</source>
        <extracomment>Button to the next year on the island and fox screens: 81 px wide at 640 x 480, room for 69 px of text (the English takes 56 px there: about 11 letters). Keep the noun &quot;year&quot; (or a shorter word for it); where no noun fits, the language&apos;s own word for next/previous.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Last year</source>
        <extracomment>Button back to the year before, on the island and fox screens: 81 px wide at 640 x 480, room for 69 px of text (the English takes 53 px there: about 11 letters). Keep the noun &quot;year&quot; (or a shorter word for it); where no noun fits, the language&apos;s own word for next/previous.</extracomment>
        <translation>Anterior</translation>
    </message>
</context>
<context>
    <name>YesNoPanel</name>
    <message>
        <source>Yes</source>
        <extracomment>Button that answers a question yes: 81 px wide at 640 x 480, room for about 69 px of 13-px text.</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <extracomment>Button that answers a question no: 81 px wide at 640 x 480, room for about 69 px of 13-px text.</extracomment>
        <translation>No</translation>
    </message>
</context>
</TS>

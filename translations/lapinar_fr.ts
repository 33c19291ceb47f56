<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Conclusion</name>
    <message>
        <source>A rabbit&apos;s head</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Extend</name>
    <message>
        <source>A fox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Finish</name>
    <message>
        <source>A rabbit&apos;s head</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Foxes</name>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rabbits counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rabbits counted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counted rabbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>counted fox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphForm</name>
    <message>
        <source>Rabbits in year %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph title</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Intro1</name>
    <message>
        <source>A rabbit on grass</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Intro2</name>
    <message>
        <source>A cartoon rabbit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Intro3</name>
    <message>
        <source>A rabbit hopping towards its burrow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LessonScreen</name>
    <message>
        <source>Next screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Start full screen, for a projector or a kiosk (F11 switches it on and off).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak &lt;language&gt; (en or fr) instead of the desktop&apos;s language.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lapinar: a science lesson about animal populations on an island.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prediction</name>
    <message>
        <source>chosen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>rabbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsGraph</name>
    <message>
        <source>Graph of the number of rabbits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rabbits in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The points are joined by a line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The points are not joined.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

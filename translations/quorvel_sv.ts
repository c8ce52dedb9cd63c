<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>blå</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grön</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>karmosinröd</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>guld</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turkos</translation>
    </message>
    <message>
        <source>black</source>
        <translation>svart</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>plommon</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rad %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>rader %1, %2 och %3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Spelet är slut: %n poäng.</numerusform>
            <numerusform>Spelet är slut: %n poäng.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Nästa: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Bit i kolumnerna %1 till %2 av %3, %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>Lätt</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Svår</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Extrem</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nej</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>WriteError</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Kan inte skriva till %1</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::PictureButton</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The tooltip of a picture button: what it does, then its keys.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TAboutBox</name>
    <message>
        <source>Controls:</source>
        <translation>Styrning:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Vänster  -  Vänsterpil   eller   num. tangentbord 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Höger    -  Högerpil      eller   num. tangentbord 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Rotera   -  Nedåtpil      eller   num. tangentbord 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Upp        -  Uppåtpil     eller   blanksteg</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Dec. 2026, Quorvels skapare</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Är du säker?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Detta startar ett nytt spel. Vill du fortsätta?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spelet är slut</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Resultatet är inte längre bland de tio bästa.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nytt spel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Alternativ</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topplista</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Hjälp/Om</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Flytta åt vänster</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Vänsterpil eller 4 på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Flytta åt höger</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Högerpil eller 6 på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Rotera färgerna</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Nedåtpil eller 5 på numeriska tangentbordet</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Avfyra</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Uppåtpil eller blanksteg</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivå:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Poäng:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivå</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Bakgrund</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Grattis!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Ange ditt namn</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Schakt</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>%n block försvann, %1 poäng</numerusform>
            <numerusform>%n block försvann, %1 poäng</numerusform>
        </translation>
    </message>
</context>
</TS>

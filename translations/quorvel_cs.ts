<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>modrá</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zelená</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>karmínová</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>fialová</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>zlatá</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>tyrkysová</translation>
    </message>
    <message>
        <source>black</source>
        <translation>černá</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>růžová</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>švestková</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>řádek %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>řádky %1, %2 a %3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Konec hry: %n bod.</numerusform>
            <numerusform>Konec hry: %n body.</numerusform>
            <numerusform>Konec hry: %n bodů.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Další: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Dílek ve sloupcích %1 až %2 z %3, %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>Snadná</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Těžká</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Šílená</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;Ano</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
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
        <translation>Nelze zapisovat do souboru %1</translation>
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
        <translation>Ovládání:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Vlevo     -  Šipka vlevo      nebo    num. klávesnice 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Vpravo   -  Šipka vpravo   nebo    num. klávesnice 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Otočit    -  Šipka dolů        nebo    num. klávesnice 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Nahoru  -  Šipka nahoru    nebo   mezerník</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Prosinec 2026, autoři Quorvelu</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Jste si jisti?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Tím začne nová hra. Pokračovat?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Úroveň</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Konec hry</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Hra</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Tento výsledek už nepatří mezi deset nejlepších.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Nejlepší skóre</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Nápověda/O hře</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Posunout vlevo</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Šipka vlevo nebo 4 na numerické klávesnici</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Posunout vpravo</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Šipka vpravo nebo 6 na numerické klávesnici</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Otočit barvy</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Šipka dolů nebo 5 na numerické klávesnici</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Vystřelit</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Šipka nahoru nebo mezerník</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Úroveň:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Skóre:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Úroveň</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Pozadí</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulujeme!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Zadejte své jméno</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Šachta</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>Zmizela %n kostka, body: %1</numerusform>
            <numerusform>Zmizely %n kostky, body: %1</numerusform>
            <numerusform>Zmizelo %n kostek, body: %1</numerusform>
        </translation>
    </message>
</context>
</TS>

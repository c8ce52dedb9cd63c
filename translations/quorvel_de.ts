<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>karminrot</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>gold</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>pflaumenfarben</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>Zeilen %1, %2 und %3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Spiel vorbei: %n Punkt.</numerusform>
            <numerusform>Spiel vorbei: %n Punkte.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Als Nächstes: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Stein in Spalten %1 bis %2 von %3, %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
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
        <translation>&amp;Nein</translation>
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
        <translation>Schreiben in %1 nicht möglich</translation>
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
        <translation>Steuerung:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Links     -  Pfeiltaste nach links     oder  Ziffernblock 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Rechts   -  Pfeiltaste nach rechts  oder  Ziffernblock 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Drehen  -  Pfeiltaste nach unten   oder  Ziffernblock 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Hoch     -  Pfeiltaste nach oben     oder  Leertaste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Dez. 2026, die Quorvel-Autoren</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Bist du sicher?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Dadurch beginnt ein neues Spiel. Fortfahren?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Hilfe/Info</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Pfeiltaste nach links oder Ziffernblock 4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Pfeiltaste nach rechts oder Ziffernblock 6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Farben drehen</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Pfeiltaste nach unten oder Ziffernblock 5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Hochschießen</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Pfeiltaste nach oben oder Leertaste</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Name eingeben</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Dieses Ergebnis gehört nicht mehr zu den zehn besten.</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Schacht</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>%n Block verschwunden, %1 Punkte</numerusform>
            <numerusform>%n Blöcke verschwunden, %1 Punkte</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>blauw</translation>
    </message>
    <message>
        <source>green</source>
        <translation>groen</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>karmijnrood</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>goudkleurig</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>black</source>
        <translation>zwart</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>roze</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>pruimkleurig</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>rijen %1, %2 en %3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Spel voorbij: %n punt.</numerusform>
            <numerusform>Spel voorbij: %n punten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Volgende: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Stuk in kolom %1 tot en met %2 van %3, %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Normaal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zwaar</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Extreem</translation>
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
        <translation>&amp;Nee</translation>
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
        <translation>Kan niet schrijven naar %1</translation>
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
        <translation>Besturing:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Links       -  Pijltoets links         of   numpad 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Rechts     -  Pijltoets rechts      of   numpad 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Draaien   -  Pijltoets omlaag    of    numpad 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Omhoog  -  Pijltoets omhoog   of   spatiebalk</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Dec. 2026, makers van Quorvel</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Weet je het zeker?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Er begint dan een nieuw spel. Doorgaan?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Help/Info</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Naar links</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Pijltoets links of numpad 4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Naar rechts</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Pijltoets rechts of numpad 6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Kleuren draaien</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Pijltoets omlaag of numpad 5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Afvuren</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Pijltoets omhoog of spatiebalk</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gefeliciteerd!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Voer je naam in</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Die score staat niet meer in de top tien.</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Put</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>%n blok verdwenen, %1 punten</numerusform>
            <numerusform>%n blokken verdwenen, %1 punten</numerusform>
        </translation>
    </message>
</context>
</TS>

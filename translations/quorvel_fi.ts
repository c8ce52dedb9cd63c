<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>sininen</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vihreä</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>karmiininpunainen</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violetti</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>kultainen</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turkoosi</translation>
    </message>
    <message>
        <source>black</source>
        <translation>musta</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>vaaleanpunainen</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>luumunvärinen</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rivi %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>rivit %1, %2 ja %3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Peli päättyi: %n piste.</numerusform>
            <numerusform>Peli päättyi: %n pistettä.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Seuraava: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Pala sarakkeissa %1–%2 (yhteensä %3), %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>Helppo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Keski</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Vaikea</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Hurja</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;Kyllä</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ei</translation>
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
        <translation>Tiedostoon %1 ei voi kirjoittaa</translation>
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
        <translation>Ohjaus:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Vasen  -  Vasen nuoli   tai    numeronäppäimistö 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Oikea  -  Oikea nuoli    tai    numeronäppäimistö 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Kierrä  -  Alanuoli         tai    numeronäppäimistö 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Ylös     -  Ylänuoli         tai    välilyönti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Jouluk. 2026, Quorvelin tekijät</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Oletko varma?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Uusi peli</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Tämä aloittaa uuden pelin. Jatketaanko?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Taso</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Peli päättyi</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Peli</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Tulos ei enää yllä kymmenen parhaan joukkoon.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Uusi peli</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Asetukset</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Parhaat tulokset</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Ohje/Tietoja</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Siirrä vasemmalle</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Vasen nuoli tai numeronäppäimistön 4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Siirrä oikealle</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Oikea nuoli tai numeronäppäimistön 6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Kierrä värejä</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Alanuoli tai numeronäppäimistön 5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Laukaise</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Ylänuoli tai välilyönti</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Taso:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pisteet:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Taso</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tausta</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Onneksi olkoon!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Kirjoita nimesi</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Kuilu</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>%n palikka katosi, pisteet: %1</numerusform>
            <numerusform>%n palikkaa katosi, pisteet: %1</numerusform>
        </translation>
    </message>
</context>
</TS>

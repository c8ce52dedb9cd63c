<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>kék</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zöld</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>bíborvörös</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>lila</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>arany</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>türkiz</translation>
    </message>
    <message>
        <source>black</source>
        <translation>fekete</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rózsaszín</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>szilvaszín</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1. sor</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>%1., %2. és %3. sor</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Vége a játéknak: %n pont.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Következő: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Elem: %1–%2. oszlop (összesen %3), %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>Könnyű</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Nehéz</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Pokoli</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;Igen</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nem</translation>
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
        <translation>Nem lehet írni a fájlba: %1</translation>
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
        <translation>Irányítás:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Balra       -  Balra nyíl      vagy    num. billentyűzet 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Jobbra     -  Jobbra nyíl    vagy    num. billentyűzet 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Forgatás  -  Lefelé nyíl    vagy    num. billentyűzet 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Fel           -  Felfelé nyíl   vagy    szóköz</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>2026. dec., a Quorvel szerzői</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Biztos benne?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Új játék</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Ez új játékot indít. Folytatja?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Szint</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Vége a játéknak</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Játék</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Ez az eredmény már nem fér be a legjobb tíz közé.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Új játék</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Beállítások</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Legjobb eredmények</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Súgó/Névjegy</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Mozgatás balra</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Balra nyíl vagy a numerikus billentyűzet 4-es gombja</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mozgatás jobbra</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Jobbra nyíl vagy a numerikus billentyűzet 6-os gombja</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Színek forgatása</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Lefelé nyíl vagy a numerikus billentyűzet 5-ös gombja</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Kilövés</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Felfelé nyíl vagy szóköz</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Szint:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontok:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Szint</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Háttér</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulálunk!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Adja meg a nevét</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Akna</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>%n blokk eltűnt, %1 pont</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>niebieski</translation>
    </message>
    <message>
        <source>green</source>
        <translation>zielony</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>karmazynowy</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>fioletowy</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>złoty</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turkusowy</translation>
    </message>
    <message>
        <source>black</source>
        <translation>czarny</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>różowy</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>śliwkowy</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rząd %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>rzędy %1, %2 i %3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Koniec gry: %n punkt.</numerusform>
            <numerusform>Koniec gry: %n punkty.</numerusform>
            <numerusform>Koniec gry: %n punktów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Następny: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Element w kolumnach od %1 do %2 z %3, %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Szalony</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
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
        <translation>Nie można zapisać pliku %1</translation>
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
        <translation>Sterowanie:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>W lewo    -  Strzałka w lewo      lub   klaw. num. 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>W prawo  -  Strzałka w prawo   lub   klaw. num. 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Obrót       -  Strzałka w dół        lub   klaw. num. 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>W górę     -  Strzałka w górę     lub   spacja</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Gru 2026, autorzy gry Quorvel</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Spowoduje to rozpoczęcie nowej gry. Kontynuować?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Poziom trudności</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Pomoc/O grze</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Strzałka w lewo lub 4 na klawiaturze numerycznej</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Strzałka w prawo lub 6 na klawiaturze numerycznej</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Obróć kolory</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Strzałka w dół lub 5 na klawiaturze numerycznej</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Wystrzel</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Strzałka w górę lub spacja</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Poziom:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Wynik:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Wpisz swoje imię</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Ten wynik nie mieści się już w pierwszej dziesiątce.</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Studnia</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>Zniknął %n klocek, punkty: %1</numerusform>
            <numerusform>Zniknęły %n klocki, punkty: %1</numerusform>
            <numerusform>Zniknęło %n klocków, punkty: %1</numerusform>
        </translation>
    </message>
</context>
</TS>

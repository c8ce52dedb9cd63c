<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>blu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>cremisi</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>viola</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>oro</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turchese</translation>
    </message>
    <message>
        <source>black</source>
        <translation>nero</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>prugna</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>riga %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>righe %1, %2 e %3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Partita terminata con %n punto.</numerusform>
            <numerusform>Partita terminata con %n punti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Prossimo: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Pezzo nelle colonne da %1 a %2 di %3, %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Estremo</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
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
        <translation>Impossibile scrivere su %1</translation>
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
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Sinistra  -  Freccia sinistra   o   tastierino num. 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Destra   -  Freccia destra     o   tastierino num. 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Ruota     -  Freccia giù         o    tastierino num. 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Su          -  Freccia su           o   barra spaziatrice</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Dic. 2026, gli autori di Quorvel</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Sei sicuro?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Verrà avviata una nuova partita. Continuare?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partita terminata</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Aiuto/Info</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Sposta a sinistra</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Freccia sinistra o tastierino numerico 4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Sposta a destra</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Freccia destra o tastierino numerico 6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Ruota i colori</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Freccia giù o tastierino numerico 5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Lancia</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Freccia su o Spazio</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Livello:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punti:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Complimenti!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Quel risultato non rientra più tra i dieci migliori.</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Pozzo</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>%n blocco sparito, %1 punti</numerusform>
            <numerusform>%n blocchi spariti, %1 punti</numerusform>
        </translation>
    </message>
</context>
</TS>

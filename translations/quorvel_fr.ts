<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>cramoisi</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>doré</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turquoise</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>prune</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>lignes %1, %2 et %3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Partie terminée avec %n point.</numerusform>
            <numerusform>Partie terminée avec %n points.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Suivante&#x202f;: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Pièce dans les colonnes %1 à %2 sur %3, %4&#x202f;: %5. %6</translation>
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
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Infernal</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
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
        <translation>Impossible d&apos;écrire dans %1</translation>
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
        <translation>Commandes&#x202f;:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Gauche  -  Flèche gauche   ou    pavé num. 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Droite    -  Flèche droite      ou    pavé num. 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Tourner  -  Flèche bas          ou   pavé num. 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Haut       -  Flèche haut       ou    barre d&apos;espacement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Déc. 2026, auteurs de Quorvel</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Êtes-vous sûr&#x202f;?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Une nouvelle partie va commencer. Continuer&#x202f;?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Aide/À propos</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Déplacer vers la gauche</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Flèche gauche ou pavé numérique 4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Déplacer vers la droite</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Flèche droite ou pavé numérique 6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Faire tourner les couleurs</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Flèche bas ou pavé numérique 5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Flèche haut ou Espace</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau&#x202f;:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score&#x202f;:</translation>
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
        <translation>Décor</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#x202f;!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Entrez votre nom</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Ce résultat ne figure plus parmi les dix meilleurs.</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Puits</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>%n bloc disparu, %1 points</numerusform>
            <numerusform>%n blocs disparus, %1 points</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>ארגמני</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>סגול</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>זהוב</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>טורקיז</translation>
    </message>
    <message>
        <source>black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>ורוד</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>שזיף</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>שורה %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>שורות %1, %2 ו־%3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>המשחק נגמר עם נקודה אחת.</numerusform>
            <numerusform>המשחק נגמר עם %n נקודות.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>הבא: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>חלק בעמודות %1 עד %2 מתוך %3, %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>קל</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>בינוני</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>קשה</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>אכזרי</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;כן</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;לא</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>WriteError</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>לא ניתן לכתוב אל %1</translation>
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
        <translation>שליטה:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>שמאלה  -  חץ שמאלי   או      4 במקלדת הנומרית</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>ימינה     -  חץ ימני        או      6 במקלדת הנומרית</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>סיבוב     -  חץ למטה    או      5 במקלדת הנומרית</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>למעלה   -  חץ למעלה  או      מקש רווח</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>דצמבר 2026, יוצרי Quorvel</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>להתחיל משחק חדש?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>פעולה זו תתחיל משחק חדש. להמשיך?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>רמות</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>המשחק נגמר</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>משחק</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>תוצאה זו כבר אינה בין עשר הטובות ביותר.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>עזרה/אודות</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>הזזה שמאלה</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>חץ שמאלי או 4 במקלדת הנומרית</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>הזזה ימינה</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>חץ ימני או 6 במקלדת הנומרית</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>סיבוב הצבעים</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>חץ למטה או 5 במקלדת הנומרית</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>שיגור</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>חץ למעלה או מקש רווח</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>רמה:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>ניקוד:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>רמה</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>רקע</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>כל הכבוד!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>נא להזין את שמך</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>באר</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>קובייה אחת נעלמה, נקודות: %1</numerusform>
            <numerusform>%n קוביות נעלמו, נקודות: %1</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>قرمزي</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>بنفسجي</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>ذهبي</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>فيروزي</translation>
    </message>
    <message>
        <source>black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>وردي</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>برقوقي</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>الصف %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>الصفوف %1 و%2 و%3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>انتهت اللعبة دون أي نقطة.</numerusform>
            <numerusform>انتهت اللعبة بنقطة واحدة.</numerusform>
            <numerusform>انتهت اللعبة بنقطتين.</numerusform>
            <numerusform>انتهت اللعبة بـ%n نقاط.</numerusform>
            <numerusform>انتهت اللعبة بـ%n نقطة.</numerusform>
            <numerusform>انتهت اللعبة بـ%n نقطة.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>التالية: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>القطعة في الأعمدة من %1 إلى %2 من أصل %3، %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>سهل</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>جهنمي</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;نعم</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;لا</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
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
        <translation>تعذّرت الكتابة في %1</translation>
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
        <translation>التحكم:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>يسار  -  السهم الأيسر    أو      4 بلوحة الأرقام</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>يمين  -  السهم الأيمن     أو      6 بلوحة الأرقام</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>تدوير  -  السهم السفلي  أو      5 بلوحة الأرقام</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>أعلى  -  السهم العلوي    أو      مفتاح المسافة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>ديسمبر 2026، مؤلفو Quorvel</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>هل أنت متأكد؟</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>ستبدأ لعبة جديدة. أتريد المتابعة؟</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>المستويات</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>انتهت اللعبة</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>اللعبة</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>لم تعد هذه النتيجة بين أفضل عشر نتائج.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>أفضل النتائج</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>مساعدة/حول</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>تحريك لليسار</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>السهم الأيسر أو 4 بلوحة الأرقام</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>تحريك لليمين</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>السهم الأيمن أو 6 بلوحة الأرقام</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>تدوير الألوان</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>السهم السفلي أو 5 بلوحة الأرقام</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>إطلاق</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>السهم العلوي أو مفتاح المسافة</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>المستوى:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>النتيجة:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>الخلفية</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>تهانينا!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>أدخل اسمك</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>البئر</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>لم تختفِ أي كتلة، النقاط: %1</numerusform>
            <numerusform>اختفت كتلة واحدة، النقاط: %1</numerusform>
            <numerusform>اختفت كتلتان، النقاط: %1</numerusform>
            <numerusform>اختفت %n كتل، النقاط: %1</numerusform>
            <numerusform>اختفت %n كتلة، النقاط: %1</numerusform>
            <numerusform>اختفت %n كتلة، النقاط: %1</numerusform>
        </translation>
    </message>
</context>
</TS>

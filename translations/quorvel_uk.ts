<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>синій</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелений</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>малиновий</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>фіолетовий</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>золотий</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>бірюзовий</translation>
    </message>
    <message>
        <source>black</source>
        <translation>чорний</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>рожевий</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>сливовий</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ряд %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>ряди %1, %2 і %3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Гру закінчено: %n бал.</numerusform>
            <numerusform>Гру закінчено: %n бали.</numerusform>
            <numerusform>Гру закінчено: %n балів.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Наступна: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Фігура у стовпцях з %1 по %2 із %3, %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Помірно</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Важко</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Люто</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;Так</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ні</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
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
        <translation>Не вдалося записати файл %1</translation>
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
        <translation>Керування:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Ліворуч     -  Стрілка ліворуч     або      Num 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Праворуч  -  Стрілка праворуч  або      Num 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Поворот    -  Стрілка вниз          або      Num 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Вгору        -  Стрілка вгору        або      Пробіл</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Грудень 2026, автори Quorvel</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Ви впевнені?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Почнеться нова гра. Продовжити?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Рівні</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Гру закінчено</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Цей результат уже не входить до десятки найкращих.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорди</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Довідка/Про гру</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Посунути ліворуч</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Стрілка ліворуч або Num 4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Посунути праворуч</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Стрілка праворуч або Num 6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Змінити порядок кольорів</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Стрілка вниз або Num 5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Запустити</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Стрілка вгору або Пробіл</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Рівень:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Бали:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Рівень</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Вітаємо!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Введіть ім’я</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Колодязь</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>Зник %n блок, балів: %1</numerusform>
            <numerusform>Зникли %n блоки, балів: %1</numerusform>
            <numerusform>Зникло %n блоків, балів: %1</numerusform>
        </translation>
    </message>
</context>
</TS>

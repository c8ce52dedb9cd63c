<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>синий</translation>
    </message>
    <message>
        <source>green</source>
        <translation>зелёный</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>малиновый</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>фиолетовый</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>золотой</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>бирюзовый</translation>
    </message>
    <message>
        <source>black</source>
        <translation>чёрный</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>розовый</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>сливовый</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ряд %1</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>ряды %1, %2 и %3</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Игра окончена: %n очко.</numerusform>
            <numerusform>Игра окончена: %n очка.</numerusform>
            <numerusform>Игра окончена: %n очков.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Следующая: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Фигура в столбцах с %1 по %2 из %3, %4: %5. %6</translation>
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
        <translation>Средне</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложно</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Адски</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
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
        <translation>Не удалось записать файл %1</translation>
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
        <translation>Управление:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Влево      -  Стрелка влево     или    Num 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Вправо    -  Стрелка вправо   или    Num 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Поворот  -  Стрелка вниз       или    Num 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Вверх      -  Стрелка вверх      или   Пробел</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Декабрь 2026, авторы Quorvel</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Вы уверены?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Начнётся новая игра. Продолжить?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Справка/Об игре</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Сдвинуть влево</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Стрелка влево или Num 4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Сдвинуть вправо</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Стрелка вправо или Num 6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Сменить порядок цветов</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Стрелка вниз или Num 5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Стрелка вверх или Пробел</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Режим:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Счёт:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Введите имя</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Этот результат больше не входит в десятку лучших.</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Колодец</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>Исчез %n блок, очков: %1</numerusform>
            <numerusform>Исчезли %n блока, очков: %1</numerusform>
            <numerusform>Исчезло %n блоков, очков: %1</numerusform>
        </translation>
    </message>
</context>
</TS>

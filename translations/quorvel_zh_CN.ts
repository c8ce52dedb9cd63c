<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>深红色</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>紫罗兰色</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>金色</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>青绿色</translation>
    </message>
    <message>
        <source>black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>粉红色</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>梅紫色</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>第%1行</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>第%1、%2、%3行</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>游戏结束，共得%n分。</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>下一组：%1。</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>方块组位于第%1至%2列（共%3列），%4：%5。%6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>地狱</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::PictureButton</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The tooltip of a picture button: what it does, then its keys.</extracomment>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TAboutBox</name>
    <message>
        <source>Controls:</source>
        <translation>操作：</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>向左  -  左方向键    或    小键盘 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>向右  -  右方向键    或    小键盘 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>旋转  -  下方向键    或    小键盘 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>向上  -  上方向键    或    空格键</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>2026年12月，Quorvel 作者</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>您确定吗？</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>这将开始一局新游戏。要继续吗？</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>该成绩已无法进入前十名。</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>高分榜</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>帮助/关于</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>向左移动</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>左方向键或小键盘 4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>向右移动</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>右方向键或小键盘 6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>轮换颜色</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>下方向键或小键盘 5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>发射</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>上方向键或空格键</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>难度：</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>请输入您的名字</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>竖井</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>消除了%n个方块，得%1分</numerusform>
        </translation>
    </message>
</context>
</TS>

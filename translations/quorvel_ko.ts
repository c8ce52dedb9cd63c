<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>파란색</translation>
    </message>
    <message>
        <source>green</source>
        <translation>초록색</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>진홍색</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>보라색</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>금색</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>청록색</translation>
    </message>
    <message>
        <source>black</source>
        <translation>검은색</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>분홍색</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>자주색</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1행</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>%1, %2, %3행</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>게임 오버: %n점.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>다음: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>조각: %3열 중 %1~%2열, %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>쉬움</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>어려움</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>지옥</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
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
        <translation>%1에 쓸 수 없습니다</translation>
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
        <translation>조작 방법:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>왼쪽     -  왼쪽 방향키       또는    키패드 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>오른쪽  -  오른쪽 방향키    또는    키패드 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>회전     -  아래쪽 방향키    또는    키패드 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>위로     -  위쪽 방향키       또는    스페이스바</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>2026년 12월, Quorvel 제작진</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>확실합니까?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>새 게임이 시작됩니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>난이도</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>게임 오버</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>게임</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>이 기록은 더 이상 10위 안에 들지 못합니다.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>새 게임</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>옵션</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>최고 점수</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>도움말/정보</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>왼쪽으로 이동</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>왼쪽 방향키 또는 키패드 4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>오른쪽으로 이동</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>오른쪽 방향키 또는 키패드 6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>색 회전</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>아래쪽 방향키 또는 키패드 5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>발사</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>위쪽 방향키 또는 스페이스바</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>난이도:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>점수:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>난이도</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>배경</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>축하합니다!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>이름을 입력하세요</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>게임판</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>블록 %n개 사라짐, %1점</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>青</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>深紅</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>すみれ色</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>金色</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>ターコイズ</translation>
    </message>
    <message>
        <source>black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>ピンク</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>赤紫</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1行目</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>%1・%2・%3行目</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>ゲームオーバー、%n点でした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>次のピース：%1。</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>ピースは%1～%2列目（全%3列）の%4：%5。%6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>上級</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>超上級</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
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
        <translation>%1 に書き込めません</translation>
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
        <translation>操作方法：</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>左へ  -  左矢印キー    または    テンキー4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>右へ  -  右矢印キー    または    テンキー6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>回転  -  下矢印キー    または    テンキー5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>上へ  -  上矢印キー    または    スペースキー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>2026年12月 Quorvel 作者一同</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>よろしいですか？</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>新しいゲームを開始します。続けますか？</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>難易度</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>この成績はもう上位10位に入りません。</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>ヘルプ/情報</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>左へ移動</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>左矢印キーまたはテンキー4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>右へ移動</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>右矢印キーまたはテンキー6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>色を回転</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>下矢印キーまたはテンキー5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>発射</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>上矢印キーまたはスペースキー</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>難易度：</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>スコア：</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>難易度</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>おめでとう！</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>名前を入力してください</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>フィールド</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>ブロック%n個が消えて%1点</numerusform>
        </translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>BoardDescription</name>
    <message>
        <source>blue</source>
        <translation>mavi</translation>
    </message>
    <message>
        <source>green</source>
        <translation>yeşil</translation>
    </message>
    <message>
        <source>crimson</source>
        <translation>kızıl</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>menekşe</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>altın</translation>
    </message>
    <message>
        <source>turquoise</source>
        <translation>turkuaz</translation>
    </message>
    <message>
        <source>black</source>
        <translation>siyah</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>pembe</translation>
    </message>
    <message>
        <source>plum</source>
        <translation>mürdüm</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>%1. satır</translation>
    </message>
    <message>
        <source>rows %1, %2 and %3</source>
        <translation>%1., %2. ve %3. satırlar</translation>
    </message>
    <message numerus="yes">
        <source>Game over with %n points.</source>
        <translation>
            <numerusform>Oyun bitti: %n puan.</numerusform>
        </translation>
    </message>
    <message>
        <source>Next: %1.</source>
        <translation>Sıradaki: %1.</translation>
    </message>
    <message>
        <source>Piece in columns %1 to %2 of %3, %4: %5. %6</source>
        <translation>Parça %3 sütunun %1.–%2. sütunlarında, %4: %5. %6</translation>
    </message>
</context>
<context>
    <name>LevelNames</name>
    <message>
        <source>Easy</source>
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>Wicked</source>
        <translation>Çok zor</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Yes</source>
        <extracomment>The message boxes&apos; buttons; &quot;&amp;&quot; marks the access key&apos;s letter.</extracomment>
        <translation>&amp;Evet</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hayır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
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
        <translation>%1 dosyasına yazılamadı</translation>
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
        <translation>Kontroller:</translation>
    </message>
    <message>
        <source>Left      -  Left Arrow Key       or       keypad Key 4</source>
        <extracomment>The runs of spaces line the four key lines up in columns.</extracomment>
        <translation>Sol         -  Sol ok tuşu      veya      Sayısal tuş 4</translation>
    </message>
    <message>
        <source>Right    -  Right Arrow Key     or       keypad Key 6</source>
        <translation>Sağ        -  Sağ ok tuşu     veya      Sayısal tuş 6</translation>
    </message>
    <message>
        <source>Rotate  -  Down Arrow Key     or      keypad Key 5</source>
        <translation>Döndür  -  Aşağı ok tuşu   veya      Sayısal tuş 5</translation>
    </message>
    <message>
        <source>Up        -  Up Arrow Key         or      Space bar</source>
        <translation>Yukarı    -  Yukarı ok tuşu  veya      Boşluk tuşu</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Dec. 2026, the Quorvel authors</source>
        <translation>Aralık 2026, Quorvel yazarları</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::TForm1</name>
    <message>
        <source>Are you sure?</source>
        <translation>Emin misiniz?</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>This will start a new game. Go ahead?</source>
        <translation>Yeni bir oyun başlayacak. Devam edilsin mi?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Seviyeler</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Oyun bitti</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Oyun</translation>
    </message>
    <message>
        <source>That result no longer reaches the ten best.</source>
        <translation>Bu sonuç artık ilk ona girmiyor.</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Yeni Oyun</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Yüksek Skorlar</translation>
    </message>
    <message>
        <source>Help/About</source>
        <translation>Yardım/Hakkında</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Sola kaydır</translation>
    </message>
    <message>
        <source>Left arrow or keypad 4</source>
        <translation>Sol ok tuşu veya sayısal tuş 4</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Sağa kaydır</translation>
    </message>
    <message>
        <source>Right arrow or keypad 6</source>
        <translation>Sağ ok tuşu veya sayısal tuş 6</translation>
    </message>
    <message>
        <source>Rotate colours</source>
        <translation>Renkleri döndür</translation>
    </message>
    <message>
        <source>Down arrow or keypad 5</source>
        <translation>Aşağı ok tuşu veya sayısal tuş 5</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Fırlat</translation>
    </message>
    <message>
        <source>Up arrow or Space</source>
        <translation>Yukarı ok tuşu veya Boşluk</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Seviye:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puan:</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Seviye</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arka plan</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Tebrikler!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Adınızı girin</translation>
    </message>
</context>
<context>
    <name>quorvel::ui::Well</name>
    <message>
        <source>Well</source>
        <translation>Kuyu</translation>
    </message>
    <message numerus="yes">
        <source>%n blocks vanished, %1 points</source>
        <extracomment>A landing&apos;s total over every step of its chain.</extracomment>
        <translation>
            <numerusform>%n blok yok oldu, %1 puan</numerusform>
        </translation>
    </message>
</context>
</TS>

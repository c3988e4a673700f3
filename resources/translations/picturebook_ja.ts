<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>FormContents</name>
    <message>
        <source>山桜のころ by 春日あかね</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月夜のとおぼえ by 森野しずく</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>百までかぞえて by 北村ゆき</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormNovel</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ここに本文が入ります</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation>つぎへ</translation>
    </message>
</context>
<context>
    <name>FormTitle</name>
    <message>
        <source>目次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>music</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>花嫁とおおかみ</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>Conversations</source>
        <translation>会話</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[ビデオ]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[オーディオ]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[写真]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[添付ファイル]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>宛先: </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Unsent</source>
        <translation>未送信</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>ドキュメント</translation>
    </message>
</context>
</TS>

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
    <message>
        <source>Individual message</source>
        <translation>個人メッセージ</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>グループメッセージ</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>スター付きメッセージ</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>LINE Keep の種類</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>送信に失敗しました</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>引用：</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>続きを読む</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>連絡先カード</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>データを復元する前に、まずファイルをダウンロードしてください！</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>このファイルは期限切れです！</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>このメッセージは削除されました！</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>サポートされていないデータ形式です！</translation>
    </message>
    <message>
        <source>You</source>
        <translation>あなた</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[ボイス]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[音声通話]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[連絡先カード]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[位置情報]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[書類]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[スタンプ]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[スタンプ]</translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation>ビデオ通話</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>音声通話</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>グループビデオ通話を開始しました。</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>グループ音声通話を開始しました。</translation>
    </message>
</context>
</TS>

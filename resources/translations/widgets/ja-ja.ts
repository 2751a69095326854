<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>Version:</source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) は、iPhone や iPad で失われたメッセージ、連絡先、写真、メモ、チャットなどを、デバイス本体、iTunes バックアップ、iCloud バックアップから取り戻します。人々がデータを取り戻すための丁寧なツールを作る Quenrow チームが開発しています。</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. All rights reserved.</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>すべて表示 (%1)</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>既存のデータを表示 (%1)</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>削除されたデータを表示 (%1)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>種類 %1</translation>
    </message>
    <message>
        <source>Tab %1</source>
        <translation>タブ %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>エクスポート先を変更</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>パスが無効です。もう一度選択してください。</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>ファイルのパスが存在しません。エクスポート先を変更してください。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;エクスポート先を変更</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>選択したパスには読み書きの権限がありません。エクスポート先を変更してください。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;エクスポート先を変更</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>新機能</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>後で通知</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>確認しています...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>現在のバージョンは最新です。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>新しいバージョンがあります！</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>バージョン：%1 | サイズ：%2 | リリース日：%3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>更新情報を取得できませんでした。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>読み込み中</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>iOS デバイスのデータを完全に復元</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>iOS デバイスからデータを復元</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>メッセージ、連絡先、画像などの削除されたデータを iOS デバイスから直接復元します。</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>iTunes バックアップからデータを復元</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>iTunes バックアップのデータをスキャンしてプレビューします。</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>iCloud バックアップからデータを復元</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>iCloud に同期されたデータを復元します。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>アップデートを確認</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don't open iTunes while the program is running, or the recovery will fail.</source>
        <translation>プログラムの実行中は iTunes を開かないでください。復元に失敗します。</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>データをローカルにエクスポートして表示してください。</translation>
    </message>
</context>
</TS>

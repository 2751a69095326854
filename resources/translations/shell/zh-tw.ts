<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>完整恢復 iOS 裝置中的資料</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>從 iOS 裝置恢復資料</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>支援直接從 iOS 裝置恢復已刪除的資料，包括訊息、聯絡人、圖片等。</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>從 iTunes 備份恢復資料</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>支援掃描並預覽 iTunes 備份中的資料。</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>從 iCloud 備份恢復資料</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>支援恢復已同步到 iCloud 的資料。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常見問題</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>開啟記錄資料夾</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Don't open iTunes while the program is running, or the recovery will fail.</source>
        <translation>程式執行期間請勿開啟 iTunes，否則恢復將會失敗。</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>請將資料匯出到本機檢視。</translation>
    </message>
</context>
</TS>

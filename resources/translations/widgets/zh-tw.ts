<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>QObject</name>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) 可以找回 iPhone 或 iPad 上遺失的訊息、聯絡人、照片、備忘錄、聊天記錄等，來源可以是裝置本身、iTunes 備份或 iCloud 備份。它由 Quenrow 團隊打造，我們致力於製作細緻可靠的工具，幫助人們找回資料。</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. 保留所有權利。</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>顯示全部 (%1)</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>顯示現有 (%1)</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>顯示已刪除 (%1)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>篩選</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>顯示</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>類型 %1</translation>
    </message>
    <message>
        <source>Tab %1</source>
        <translation>分頁 %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>變更資料匯出路徑</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>變更</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>路徑無效，請重新選擇。</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>已加密</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>檔案路徑不存在，請變更匯出路徑。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;變更資料匯出路徑</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>所選路徑沒有讀寫權限，請變更檔案匯出路徑。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;變更資料匯出路徑</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>新功能</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍後提醒</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>立即升級</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>正在檢查...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>目前版本已是最新。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>發現新版本！</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>版本：%1 | 大小：%2 | 發佈日期：%3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>取得更新資訊失敗，請稍後再試。</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>正在載入</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translatorcomment>Glossary (Taiwan): backup = 備份; scan = 掃描; recover = 復原; export = 匯出; device = 裝置; attachment = 附件; file = 檔案; data = 資料; folder = 資料夾; Messages (category) and chat message = 訊息; Contacts = 聯絡人; Notes = 備忘錄; note field = 備註; Calendars = 行事曆; Voicemails = 語音信箱; Call History = 通話記錄; video = 影片; audio = 音訊; app = App; group = 群組; sign in/out = 登入/登出; account = 帳號; settings = 設定; disk = 磁碟; network = 網路; record count = 筆; you = 您; quotes 「」; ellipsis …; full-width punctuation; brand names untranslated</translatorcomment>
        <translation>標題</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>提醒日期</translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation>行事曆</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>提醒事項</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation>勾選所有列</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation>其他號碼</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>行動電話</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>住家電話</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>公司電話</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>學校電話</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>iPhone 號碼</translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation>Apple Watch 號碼</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>主要號碼</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>住家傳真</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>公司傳真</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>呼叫器號碼</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>其他電子郵件</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>住家電子郵件</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>公司電子郵件</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>學校電子郵件</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>iCloud 電子郵件</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>其他網址</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>住家網址</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>公司網址</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>學校網址</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>其他地址</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>住家地址</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>公司地址</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>學校地址</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>其他日期</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>生日</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>農曆生日</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>紀念日</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>其他關係</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>父親</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>母親</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>兄弟</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>姊妹</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>哥哥</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>姊姊</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>弟弟</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>妹妹</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>丈夫</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>妻子</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>伴侶</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>兒子</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>女兒</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>朋友</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>主管</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>同事</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>其他社群帳號</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation>LinkedIn</translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation>Myspace</translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation>新浪微博</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>其他即時通訊</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation>MSN Messenger</translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation>Google Talk</translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation>Facebook Messenger</translation>
    </message>
    <message>
        <source>AIM</source>
        <translation>AIM</translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation>Yahoo! Messenger</translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation>ICQ</translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation>Jabber</translation>
    </message>
    <message>
        <source>QQ</source>
        <translation>QQ</translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation>Gadu-Gadu</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>聯絡人</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細資訊</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>公司：</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>生日：</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>備註：</translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation>您</translation>
    </message>
    <message>
        <source>you</source>
        <translation>您</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation>
            <numerusform>%1 和其他 %n 位聯絡人</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Title of a starred WhatsApp message: who sent it, then the chat or person it went to.</extracomment>
        <translation>%1 傳給 %2</translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation>App 音訊</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>App 文件</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>電話號碼</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>通話類型</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>時間長度</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>來電</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>撥出電話</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorView</name>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通話記錄</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation>最近 7 天</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>最近一個月</translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation>最近三個月</translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation>最近六個月</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>最近一年</translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation>自訂範圍</translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation>選擇時間</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>days</source>
        <translation>天</translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation>起始天數</translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation>截止天數</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation>視訊通話</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>語音通話</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>群組視訊通話已開始。</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>群組語音通話已開始。</translation>
    </message>
</context>
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation>訊息附件</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>相簿影片</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>備忘錄附件</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>行事曆附件</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>提醒事項附件</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>App 照片</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>App 影片</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation>備忘錄</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細資訊</translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation>此備忘錄已鎖定。</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>內容</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>附件</translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation>聯絡人</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>訊息</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>訊息附件</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>語音信箱</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>語音備忘錄</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>相簿影片</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari 書籤</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari 瀏覽記錄</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備忘錄</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>備忘錄附件</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通話記錄</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>行事曆</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>行事曆附件</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>提醒事項</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>提醒事項附件</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>App 照片</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>App 影片</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>App 音訊</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>App 文件</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>WhatsApp 附件</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>LINE 附件</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>系統資料</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>第三方 App 資料</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>類別</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>全面復原 iOS 裝置中的資料</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>從 iOS 裝置復原資料</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>直接從 iOS 裝置復原已刪除的資料，包括訊息、聯絡人、照片等。</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>從 iTunes 備份復原資料</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>掃描並預覽 iTunes 備份中的資料。</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>從 iCloud 備份復原資料</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>復原已同步到 iCloud 的資料。</translation>
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
        <translation>開啟記錄檔資料夾</translation>
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
        <source>Don&apos;t open iTunes while the program is running, or the recovery will fail.</source>
        <translation>程式執行期間請勿開啟 iTunes，否則將無法順利復原。</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>請先將資料匯出到本機，再進行檢視。</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) 能找回 iPhone 或 iPad 上遺失的訊息、聯絡人、照片、備忘錄、聊天記錄等資料，可以直接從裝置復原，也可以從 iTunes 備份或 iCloud 備份復原。本軟體由 Quenrow 團隊開發，團隊致力於打造嚴謹可靠的資料復原工具，協助大家找回重要資料。</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow。保留一切權利。</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>顯示全部（%1）</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>顯示現有（%1）</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>顯示已刪除（%1）</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Check box above a list of records that ticks every record shown.</extracomment>
        <translation>全選</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Spoken name and tool tip of the funnel button that opens the date filter.</extracomment>
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
        <extracomment>Spoken for the lock of a password-protected backup in the list of backups.</extracomment>
        <translation>已加密</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>匯出路徑不存在，請變更匯出路徑。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;變更資料匯出路徑</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>所選路徑沒有讀寫權限，請變更匯出路徑。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;變更資料匯出路徑</translation>
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
        <translation>更新內容</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍後提醒</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>正在檢查更新…</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>目前已是最新版本。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>發現新版本！</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>版本：%1 | 大小：%2 | 發布日期：%3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>無法取得更新資訊，請稍後再試。</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>正在載入</translation>
    </message>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>下載並分析 iCloud 資料需要一段時間，掃描時間取決於 iCloud 備份的資料量，請耐心等候。</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>掃描過程中請保持裝置連線穩定。掃描時間取決於裝置中的資料量，資料越多，所需時間越長，請稍候。</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>掃描時間取決於資料量。資料較多時，掃描需要較長時間，請耐心等候。</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>注意：如果找不到需要的資料，請嘗試其他復原方式，或選擇其他資料類型進行掃描。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>注意：如果沒有找到想要的資料，請使用「從 iTunes 備份復原資料」，或返回選擇其他資料類型重新掃描。</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>找不到資料。</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>偵測到您的裝置處於異常狀態，請先修復…</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>注意：偵測到您的裝置處於異常狀態。建議先使用&lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS 系統修復工具&lt;/a&gt;將裝置修復至正常狀態。</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>請將您的 iOS 裝置連接到電腦</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>注意：</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. 請確認裝置已解鎖。</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. 請確認只連接了一台裝置進行掃描。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;裝置已連接但無法辨識？</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>偵測不到裝置？請依照以下步驟重試。</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>分析裝置環境</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>備份 iOS 裝置資料 %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>解密資料 %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>發生錯誤，裝置分析失敗。請重試。</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>裝置：&lt;font color=&quot;#558AF8&quot;;&gt;%1（%2）&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>無法讀取您的裝置。請解鎖裝置，如出現提示請點一下「信任」，然後重試。</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>空間不足！請確認裝置上有超過 200MB 的可用空間，然後重試。</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>根據 Apple 的隱私權政策，iOS 13 及以上版本須使用加密備份才能掃描通話記錄、FaceTime 和 Safari 瀏覽記錄。程式會將備份密碼設為&lt;font color=&quot;#558AF8&quot;;&gt;%1（請牢記此密碼）&lt;/font&gt;。此過程需要較長時間，是否繼續？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>磁碟空間不足，無法解密全部備份。是否繼續？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>抱歉，發生錯誤（%1）。&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;查看解決方法&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. 請在 iOS 裝置上點一下「信任」。</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. 請在 iOS 裝置上輸入裝置密碼。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>注意：如果沒有看到信任提示，請重新插拔裝置。</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>請在裝置 %1（%2）上信任這部電腦。</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>正在分析您的裝置</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>請在 iOS 裝置上輸入裝置密碼以繼續。</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. 解鎖裝置後重試。</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. 重新插拔裝置，並確認連線穩定。 </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. 重新啟動裝置和本程式，然後重新連接裝置。</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. 以上方法都無效？請嘗試使用&lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS 系統修復工具&lt;/a&gt;修復裝置。</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button that leaves the scan results for the previous page; about 12 characters fit.</extracomment>
        <translation>返回</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <extracomment>Button that starts reading the chosen categories from the device or backup; about 14 characters fit.</extracomment>
        <translation>開始掃描</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>裝置已中斷連線，請重新連接。</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>正在備份資料，確定要結束程式嗎？</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1（%2）&lt;/font&gt;已連接！請選擇要復原的資料類型。</translation>
    </message>
    <message>
        <source>Photos</source>
        <extracomment>Category of pictures; also a tab of chat attachments and the name of an exported folder.</extracomment>
        <translation>照片</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>相簿影片</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>聯絡人</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>訊息</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>語音信箱</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備忘錄</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>提醒事項</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>行事曆</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>語音備忘錄</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari 書籤</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari 瀏覽記錄</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通話記錄</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>App 照片</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>App 影片</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>App 音訊</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>App 文件</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>Select ALL</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>系統資料</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>第三方 App 資料</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>正在分析您的 iOS 裝置，這需要一些時間…</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>偵測到您的 iTunes 備份已加密，請輸入備份密碼。</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>輸入密碼</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>解密</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;忘記 iTunes 備份密碼？</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>正在驗證密碼，請稍候…</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>密碼錯誤</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>對話列表</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[影片]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[音訊]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[照片]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[附件]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>收件人：</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>Unsent</source>
        <extracomment>State of a chat message that never left the phone, shown beside it in the exported page.</extracomment>
        <translation>未傳送</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation>個人訊息</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>群組訊息</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>已加星號訊息</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>LINE Keep 類型</translation>
    </message>
    <message>
        <source>Texts</source>
        <extracomment>Kinds of LINE Keep items, as tabs above the list: texts, photos, videos, files, links, other.</extracomment>
        <translation>文字</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>傳送失敗</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>引用：</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>顯示全文</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>聯絡人名片</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>復原資料前，請先下載此檔案。</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>此檔案已過期。</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>此訊息已被刪除。</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>不支援的資料類型。</translation>
    </message>
    <message>
        <source>You</source>
        <translation>您</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[語音]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[語音通話]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[聯絡人名片]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[位置]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[文件]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[貼圖]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[表情符號]</translation>
    </message>
    <message>
        <source>&apos;s LINE Chat</source>
        <translation>的 LINE 聊天記錄</translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation>個人訊息</translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation>的個人訊息</translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation>群組訊息</translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation>的群組訊息</translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation>的 LINE Keep</translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation>的 WhatsApp 聊天記錄</translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation>已加星號訊息</translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation>的已加星號訊息</translation>
    </message>
    <message>
        <source>You created group</source>
        <translation>您建立了群組</translation>
    </message>
    <message>
        <source>careated group</source>
        <translation>建立了群組</translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation>您變更了這個群組的圖示</translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation>變更了這個群組的圖示</translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation>您將群組名稱從</translation>
    </message>
    <message>
        <source> to </source>
        <translation> 變更為 </translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation>將群組名稱從</translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation>您透過這個群組的邀請連結加入了群組</translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation>透過這個群組的邀請連結加入了群組</translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation>您將群組說明變更為</translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation>將群組說明變更為</translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>您開啟了限時訊息。此聊天中的所有新訊息將在傳送 24 小時後消失</translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>開啟了限時訊息。此聊天中的所有新訊息將在傳送 24 小時後消失</translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation>關閉了限時訊息</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation>變更了群組設定，僅允許管理員編輯群組資訊</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation>變更了群組設定，僅允許管理員在這個群組中傳送訊息</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation>變更了群組設定，允許所有成員編輯群組資訊</translation>
    </message>
    <message>
        <source>You were added</source>
        <translation>您已被新增</translation>
    </message>
    <message>
        <source>You was added</source>
        <translation>您已被新增</translation>
    </message>
    <message>
        <source>was added</source>
        <translation>已被新增</translation>
    </message>
    <message>
        <source>were added</source>
        <translation>已被新增</translation>
    </message>
    <message>
        <source> added you</source>
        <translation> 新增了您</translation>
    </message>
    <message>
        <source> added You</source>
        <translation> 新增了您</translation>
    </message>
    <message>
        <source>You added </source>
        <translation>您新增了 </translation>
    </message>
    <message>
        <source> added </source>
        <translation> 新增了 </translation>
    </message>
    <message>
        <source>You removed </source>
        <translation>您移除了 </translation>
    </message>
    <message>
        <source> removed </source>
        <translation> 移除了 </translation>
    </message>
    <message>
        <source>You left</source>
        <translation>您已退出</translation>
    </message>
    <message>
        <source> left</source>
        <translation> 已退出</translation>
    </message>
    <message>
        <source> has joined</source>
        <translation> 已加入</translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation>已變更為</translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation>您發起了通話</translation>
    </message>
    <message>
        <source>started a call</source>
        <translation>發起了通話</translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation>您發起了視訊通話</translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation>發起了視訊通話</translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation>您已封鎖此聯絡人</translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation>您已解除封鎖此聯絡人</translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation>您現在是管理員</translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation>已成為管理員</translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation>您已不再是管理員</translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation>已不再是管理員</translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation>您建立了廣播名單</translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation>建立了廣播名單</translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation>您建立了廣播名單，包含</translation>
    </message>
    <message>
        <source> recipients</source>
        <translation> 位收件人</translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation>建立了廣播名單，包含</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation>變更了群組設定，允許所有成員在這個群組中傳送訊息</translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation>群組通話已結束</translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation>語音通話已結束</translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation>請按「Ctrl」+「F」進行搜尋。</translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation>如需將此對話儲存為 PDF：按一下瀏覽器右上角的三個點 -&gt; 選擇「列印」 -&gt; 在印表機選項中選擇「儲存為 PDF」。</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>撥出電話</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>來電</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Priority of a reminder (High, Middle, Low, None).</extracomment>
        <translation>高</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>State of a reminder in its detail row and the exported reminders.</extracomment>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>中間名</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>姓氏</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部門</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>生日</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>職稱</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>暱稱</translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation>正在取得 iTunes 備份清單…</translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation>正在解密 iTunes 備份…</translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation>注意：此過程需要一些時間，請耐心等候。</translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation>正在解密 iTunes 備份，確定要取消嗎？</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>顯示密碼</translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation>請選擇需要復原的資料類型。</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>裝置名稱</translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation>備份時間</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>裝置型號</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation>iTunes 備份清單</translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation>注意：如果清單中沒有您的備份，可以從其他資料夾&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;選擇&lt;/a&gt;備份檔案進行復原。</translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation>此資料夾中沒有 iTunes 備份檔案，請選擇其他備份。</translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation>抱歉，解密此備份大約需要 %1 的空間。請清理磁碟後重試。</translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation>抱歉，無法解密此備份。請重試。</translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation>抱歉，找不到您的 iTunes 備份檔案。</translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation>登入 iCloud</translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation>注意：
1. 為避免 iCloud 內容發生變化，請勿將裝置連接到電腦。
2. 我們非常重視您的隱私與安全，絕不會保留您的 Apple 帳號資訊。
3. 目前不支援使用電話號碼登入，請使用電子郵件地址登入 iCloud。
</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;忘記 Apple ID 或密碼？</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登入</translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation>Apple ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation>請檢查網路連線，然後重試。</translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation>Apple ID 或密碼不正確。</translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation>此平台不支援 iCloud。</translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation>由於不明原因，登入失敗。請查看&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;可行的解決方法&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation>此帳號已啟用雙重認證。請輸入裝置上收到的驗證碼。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple 官方建議</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>第 %1 位數字</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>驗證</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;簡訊驗證碼%2</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;重新傳送驗證碼%2</translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation>簡訊驗證碼</translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation>重新傳送驗證碼</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;驗證過於頻繁，請稍後再試。&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;驗證碼不正確。&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;（登出）</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation>確定要返回嗎？返回後需要重新登入 iCloud。</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation>請選擇要掃描的 iTunes 備份。</translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation>請選擇要復原的資料類型。</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>訊息附件</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>備忘錄附件</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>行事曆附件</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>提醒事項附件</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>WhatsApp 附件</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>LINE 附件</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation>復原</translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation>資料下載失敗。請重試，或使用其他 Apple ID 登入。</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation>確定要返回嗎？返回後需要重新下載資料。</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation>正在掃描資料，確定要返回嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation>確定要返回嗎？返回後需要重新掃描資料。</translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation>正在從 iCloud 備份下載資料，確定要停止嗎？停止後將無法完整下載資料。</translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation>確定要停止嗎？停止後部分資料將無法掃描。</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation>正在掃描資料，確定要結束程式嗎？</translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation>掃描已完成，確定要結束嗎？結束後將不會儲存掃描結果。</translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation>您的裝置（&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;）已中斷連線，掃描已中止。程式將解析並顯示已成功掃描的資料。</translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation>裝置（&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;）已中斷連線，部分資料類型將無法復原。</translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation>請選擇要復原的資料。</translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation>空間不足，資料匯出失敗。請確認磁碟可用空間大於 100MB。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;已下載 %n 筆資料，請盡快復原。&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;注意：如果找不到需要的資料，請返回並重新下載。&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;掃描完成，共找到 %n 筆資料，請盡快復原。&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;注意：繼續使用裝置時，已刪除的資料很容易被覆寫，因此每次掃描的結果可能不同。如果找到了已刪除的資料，建議盡快復原。&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s Messages</source>
        <translation>%1 的訊息</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>a contact&apos;s note</comment>
        <translation>備註</translation>
    </message>
    <message>
        <source>(%1s)</source>
        <extracomment>Seconds left before a new code can be asked for, after the link&apos;s text.</extracomment>
        <translation>（%1 秒）</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation>Apple Watch 號碼</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>住家電話</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>住家傳真</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>主要號碼</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>行動電話</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>呼叫器號碼</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>學校電話</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>公司電話</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>公司傳真</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>iPhone 號碼</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>住家電子郵件</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>學校電子郵件</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>公司電子郵件</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>iCloud 電子郵件</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>住家網址</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>首頁</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>學校網址</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>公司網址</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>住家地址</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>學校地址</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>公司地址</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>紀念日</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>生日</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>農曆生日</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>兄弟</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>同事</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>女兒</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>哥哥</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>姊姊</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>父親</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>朋友</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>丈夫</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>母親</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>伴侶</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>姊妹</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>兒子</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>主管</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>妻子</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>弟弟</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>妹妹</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation>LinkedIn</translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation>Myspace</translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation>新浪微博</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>AIM</source>
        <translation>AIM</translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation>Facebook Messenger</translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation>Gadu-Gadu</translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation>Google Talk</translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation>ICQ</translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation>Jabber</translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation>MSN Messenger</translation>
    </message>
    <message>
        <source>QQ</source>
        <translation>QQ</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation>Yahoo! Messenger</translation>
    </message>
    <message>
        <source>Other Number</source>
        <translation>其他號碼</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>其他電子郵件</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>其他網址</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>其他地址</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>其他日期</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>其他關係</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>其他社群帳號</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>其他即時通訊</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>結束時間</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>號碼</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>通話類型</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>時間長度</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>內容</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>建立日期</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>提醒日期</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地點</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>分類</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>網址</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>中間名</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>姓氏</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部門</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>職稱</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>暱稱</translation>
    </message>
</context>
<context>
    <name>RecoverNoticeDialog</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>RecoverPathunreadabilityDialog</name>
    <message>
        <source>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</source>
        <translation>如需變更匯出路徑，請前往&lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;設定&lt;/a&gt;。</translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation>正在匯出資料</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation>正在匯出資料 %1 %2 %3</translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation>正在匯出資料，確定要停止嗎？</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation>復原失敗，請重試。</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation>已成功復原 %1 筆資料，但有 %2 筆資料復原失敗。
請保持裝置連線穩定，稍後再試。</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation>已成功復原 %1 筆資料，但有 %2 筆資料復原失敗。</translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation>
            <numerusform>已成功復原 %n 筆資料！</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>分類</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>網址</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation>Safari 瀏覽記錄</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari 書籤</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>時間長度</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>mailName</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>號碼</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation>語音備忘錄</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>語音信箱</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>結束時間</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>建立日期</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>提醒日期</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地點</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細資訊</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>優先順序</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>網址</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation type="unfinished">日历</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished">提醒事项</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Father</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Husband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wife</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Son</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished">通讯录</translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation type="unfinished">你</translation>
    </message>
    <message>
        <source>you</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation type="unfinished">应用音频</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished">应用文档</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation type="unfinished">音频</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished">文档</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorView</name>
    <message>
        <source>FaceTime</source>
        <translation type="unfinished">FaceTime</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation type="unfinished">通话记录</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">确定</translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation>视频通话</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>语音通话</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>群视频通话已开始。</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>群语音通话已开始。</translation>
    </message>
</context>
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">照片</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished">相簿视频</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation type="unfinished">应用照片</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished">应用视频</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation type="unfinished">视频</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">照片</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished">备忘录</translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation type="unfinished">通讯录</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished">信息</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished">语音信箱</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished">语音备忘录</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">照片</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished">相簿视频</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation type="unfinished">FaceTime</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished">Safari 书签</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation type="unfinished">Safari 历史记录</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">备忘录</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call History</source>
        <translation type="unfinished">通话记录</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation type="unfinished">日历</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished">提醒事项</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation type="unfinished">应用照片</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished">应用视频</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation type="unfinished">应用音频</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished">应用文档</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation type="unfinished">WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE</source>
        <translation type="unfinished">LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Data</source>
        <translation type="unfinished">系统数据</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation type="unfinished">第三方应用数据</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation type="unfinished">全选</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>完整恢复 iOS 设备中的数据</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>从 iOS 设备恢复数据</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>支持直接从 iOS 设备恢复已删除的数据，包括信息、联系人、图片等。</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>从 iTunes 备份恢复数据</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>支持扫描并预览 iTunes 备份中的数据。</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>从 iCloud 备份恢复数据</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>支持恢复已同步到 iCloud 的数据。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Don&apos;t open iTunes while the program is running, or the recovery will fail.</source>
        <translation>程序运行期间请勿打开 iTunes，否则恢复将会失败。</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>请将数据导出到本地查看。</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) 可以找回 iPhone 或 iPad 上丢失的信息、联系人、照片、备忘录、聊天记录等，来源可以是设备本身、iTunes 备份或 iCloud 备份。它由 Quenrow 团队打造，我们致力于制作细致可靠的工具，帮助人们找回数据。</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. 保留所有权利。</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>显示全部 (%1)</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>显示现有 (%1)</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>显示已删除 (%1)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>类型 %1</translation>
    </message>
    <message>
        <source>Tab %1</source>
        <translation>标签 %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>更改数据导出路径</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>路径无效，请重新选择。</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>已加密</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>文件路径不存在，请更改导出路径。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;更改数据导出路径</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>所选路径没有读写权限，请更改文件导出路径。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;更改数据导出路径</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
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
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>立即升级</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>正在检查...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>当前版本已是最新。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>发现新版本！</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>版本：%1 | 大小：%2 | 发布日期：%3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>获取更新信息失败，请稍后重试。</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>正在加载</translation>
    </message>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>下载并分析 iCloud 数据需要一段时间。扫描时间取决于 iCloud 备份的数据大小，请耐心等待！</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>扫描过程中请保持设备连接稳定。扫描时间取决于设备的数据大小，数据越多，耗时越长。请稍候。</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>扫描时间取决于您的数据大小。如果数据很多，扫描需要较长时间，请耐心等待。</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>注意：如果找不到需要的数据，请尝试其他功能，或选择其他类型的数据进行扫描。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>注意：如果没有找到想要的数据，请使用“从 iTunes 备份恢复数据”，或返回选择其他数据类型重新扫描。</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>未找到数据！</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>检测到您的设备处于异常状态，请先修复...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>注意：检测到您的设备处于异常状态。建议先使用 &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS 系统修复工具&lt;/a&gt; 将设备修复到正常状态。</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>请将您的 iOS 设备连接到电脑</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>注意：</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. 请确保设备已解锁。</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. 请只连接一台设备进行扫描。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;设备已连接但无法识别？</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>未检测到设备？请按以下步骤重试。</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>分析设备环境</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>备份 iOS 设备数据 %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>解密数据 %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>遇到错误，设备分析失败。请重试！</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>设备：&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>无法读取您的设备。请解锁设备，如有提示请点击“信任”，然后重试。</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>空间不足！请确保设备上有超过 200MB 的可用空间，然后重试。</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>根据 Apple 的隐私政策，iOS 13 及以上版本需要加密备份才能扫描通话记录、FaceTime 和 Safari 历史记录。程序将把备份密码设置为 &lt;font color=&quot;#558AF8&quot;;&gt;%1（请记住此密码）&lt;/font&gt;。这需要较长时间，确定继续吗？</translation>
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
        <translation>磁盘空间不足，无法解密全部备份。是否继续？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>抱歉，发生错误(%1)。&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;查看解决方法&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. 请在 iOS 设备上点击“信任”。</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. 请在 iOS 设备上输入密码。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>注意：如果没有看到信任提示，请重新插拔设备。</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>请在 %1(%2) 设备上信任此电脑。</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>正在分析您的设备</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>请在 iOS 设备上输入密码以继续。</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. 解锁设备后重试。</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. 重新插拔设备，并确保连接可靠。 </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. 重启设备和程序，然后重新连接设备。</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. 以上方法都无效？请尝试使用 &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS 系统修复工具&lt;/a&gt; 修复设备。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>开始扫描</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>设备已断开，请重新连接。</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>正在备份数据，确定要退出程序吗？</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; 已连接！请选择要恢复的数据类型。</translation>
    </message>
    <message>
        <source>Photos</source>
        <extracomment>Category of pictures; also a tab of chat attachments and the name of an exported folder.</extracomment>
        <translation>照片</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>相簿视频</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>通讯录</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>语音信箱</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备忘录</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>提醒事项</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>语音备忘录</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari 书签</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari 历史记录</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通话记录</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>应用照片</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>应用视频</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>应用音频</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>应用文档</translation>
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
        <translation>全选</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>系统数据</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>第三方应用数据</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>正在分析您的 iOS 设备，需要一些时间....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>检测到您的 iTunes 备份已加密，请输入密码。</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>输入密码</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>解密</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;忘记 iTunes 备份密码？</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>正在验证密码，请稍候...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>会话</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[视频]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[音频]</translation>
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
        <translation>复制</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Unsent</source>
        <extracomment>State of a chat message that never left the phone, shown beside it in the exported page.</extracomment>
        <translation>未发送</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation>单聊消息</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>群聊消息</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>星标消息</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>LINE Keep 类型</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>文本</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>发送失败</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>引用：</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>阅读更多</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>联系人名片</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>恢复数据前，请先下载文件！</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>此文件已过期！</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>此消息已被删除！</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>不支持的数据类型！</translation>
    </message>
    <message>
        <source>You</source>
        <translation>你</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[语音]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[语音通话]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[联系人名片]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[位置]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[文档]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[贴纸]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[表情]</translation>
    </message>
    <message>
        <source>&apos;s LINE Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You created group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>careated group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You was added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>were added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> added you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> added You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You added </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> added </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You removed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> removed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> has joined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> recipients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Father</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Husband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Son</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wife</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">备忘录</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverNoticeDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished">确定</translation>
    </message>
</context>
<context>
    <name>RecoverPathunreadabilityDialog</name>
    <message>
        <source>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">取消</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished">继续</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished">是</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation type="unfinished">Safari 历史记录</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished">Safari 书签</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mailName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished">语音备忘录</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished">语音信箱</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">备忘录</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

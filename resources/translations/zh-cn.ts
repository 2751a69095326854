<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translatorcomment>Glossary: backup = 备份; scan = 扫描; recover = 恢复; export = 导出; device = 设备; attachment = 附件; Messages (category) = 信息; chat message = 消息; Contacts = 通讯录; contact = 联系人; Notes = 备忘录; note field = 备注; Voicemails = 语音留言; Call History = 通话记录; group = 群组; folder = 文件夹; path = 路径; passcode/password = 密码; sign in = 登录; deleted = 已删除; app = 应用; Quenrow and brand names untranslated; you = 您; ellipsis = …; full-width punctuation</translatorcomment>
        <translation>标题</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>开始时间</translation>
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
        <translation>日历</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>提醒事项</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation>勾选所有行</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation>其他号码</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>手机号码</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>住宅电话</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>工作电话</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>学校电话</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>iPhone 号码</translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation>Apple Watch 号码</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>主要号码</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>住宅传真</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>工作传真</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>传呼机号码</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>其他邮箱</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>住宅邮箱</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>工作邮箱</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>学校邮箱</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>iCloud 邮箱</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>其他网址</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>住宅网址</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>工作网址</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>学校网址</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>其他地址</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>住宅地址</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>工作地址</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>学校地址</translation>
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
        <translation>农历生日</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>纪念日</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>其他关系</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>父亲</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>母亲</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>兄弟</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>姐妹</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>哥哥</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>姐姐</translation>
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
        <translation>伴侣</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>儿子</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>女儿</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>朋友</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>上司</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>同事</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>其他社交账号</translation>
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
        <translation>其他即时通讯</translation>
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
        <translation>通讯录</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
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
        <translation>备注：</translation>
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
            <numerusform>%1 和其他 %n 位联系人</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Title of a starred WhatsApp message: who sent it, then the chat or person it went to.</extracomment>
        <translation>%1 发给 %2</translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
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
        <translation>应用音频</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>应用文档</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>文档</translation>
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
        <translation>电话号码</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>通话类型</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>呼入电话</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>呼出电话</translation>
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
        <translation>通话记录</translation>
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
        <translation>最近一个月</translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation>最近三个月</translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation>最近六个月</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>最近一年</translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation>自定义范围</translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation>选择时间</translation>
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
        <translation>起始天数</translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation>截止天数</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>群组视频通话已开始。</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>群组语音通话已开始。</translation>
    </message>
</context>
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation>信息附件</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>相簿视频</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>备忘录附件</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>日历附件</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>提醒事项附件</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>应用照片</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>应用视频</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation>视频</translation>
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
        <translation>备忘录</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation>此备忘录已锁定！</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
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
        <translation>通讯录</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>信息附件</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>语音留言</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>语音备忘录</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>相簿视频</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
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
        <source>Notes</source>
        <translation>备忘录</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>备忘录附件</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>通话记录</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>日历</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>日历附件</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>提醒事项</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>提醒事项附件</translation>
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
        <translation>系统数据</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>第三方应用数据</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>类别</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>全面恢复 iOS 设备中的数据</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>从 iOS 设备恢复数据</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>直接从 iOS 设备恢复已删除的数据，包括信息、联系人、照片等。</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>从 iTunes 备份恢复数据</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>扫描并预览 iTunes 备份中的数据。</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>从 iCloud 备份恢复数据</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>恢复已同步到 iCloud 的数据。</translation>
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
        <translation>程序运行期间请勿打开 iTunes，否则会导致恢复失败。</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>请先将数据导出到本地，再进行查看。</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) 可以找回 iPhone 或 iPad 上丢失的信息、联系人、照片、备忘录、聊天记录等数据，既可以直接从设备恢复，也可以从 iTunes 备份或 iCloud 备份恢复。本软件由 Quenrow 团队开发，团队致力于打造严谨可靠的数据恢复工具，帮助人们找回重要数据。</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow。保留所有权利。</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>显示全部（%1）</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>显示现有（%1）</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>显示已删除（%1）</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Check box above a list of records that ticks every record shown.</extracomment>
        <translation>全选</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Spoken name and tool tip of the funnel button that opens the date filter.</extracomment>
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
        <translation>标签页 %1</translation>
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
        <extracomment>Spoken for the lock of a password-protected backup in the list of backups.</extracomment>
        <translation>已加密</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>导出路径不存在，请更改导出路径。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;更改数据导出路径</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>所选路径没有读写权限，请更改导出路径。&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;更改数据导出路径</translation>
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
        <translation>更新内容</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>当前已是最新版本。</translation>
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
        <translation>下载并分析 iCloud 数据需要一段时间，扫描时长取决于 iCloud 备份的数据量，请耐心等待。</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>扫描过程中请保持设备连接稳定。扫描时长取决于设备中的数据量，数据越多，耗时越长，请稍候。</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>扫描时长取决于数据量。数据较多时，扫描需要较长时间，请耐心等待。</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>注意：如果找不到需要的数据，请尝试其他恢复方式，或选择其他数据类型进行扫描。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>注意：如果没有找到想要的数据，请使用“从 iTunes 备份恢复数据”，或返回选择其他数据类型重新扫描。</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>未找到数据。</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>检测到您的设备处于异常状态，请先修复…</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>注意：检测到您的设备处于异常状态。建议先使用&lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS 系统修复工具&lt;/a&gt;将设备修复到正常状态。</translation>
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
        <translation>2. 请确保只连接了一台设备进行扫描。</translation>
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
        <translation>出现错误，设备分析失败。请重试。</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>设备：&lt;font color=&quot;#558AF8&quot;;&gt;%1（%2）&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>无法读取您的设备。请解锁设备，如有提示请轻点“信任”，然后重试。</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>空间不足！请确保设备上有超过 200MB 的可用空间，然后重试。</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>根据 Apple 的隐私政策，iOS 13 及更高版本需要使用加密备份才能扫描通话记录、FaceTime 和 Safari 历史记录。程序会将备份密码设置为&lt;font color=&quot;#558AF8&quot;;&gt;%1（请牢记此密码）&lt;/font&gt;。此过程耗时较长，是否继续？</translation>
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
        <translation>抱歉，出现错误（%1）。&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;查看解决方法&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. 请在 iOS 设备上轻点“信任”。</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. 请在 iOS 设备上输入锁屏密码。</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>注意：如果没有看到信任提示，请重新插拔设备。</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>请在设备 %1（%2）上信任此电脑。</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>正在分析您的设备</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>请在 iOS 设备上输入锁屏密码以继续。</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. 解锁设备后重试。</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. 重新插拔设备，并确保连接稳定。 </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. 重启设备和本程序，然后重新连接设备。</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. 以上方法均无效？请尝试使用&lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS 系统修复工具&lt;/a&gt;修复设备。</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button that leaves the scan results for the previous page; about 12 characters fit.</extracomment>
        <translation>返回</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <extracomment>Button that starts reading the chosen categories from the device or backup; about 14 characters fit.</extracomment>
        <translation>开始扫描</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>设备已断开连接，请重新连接。</translation>
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
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1（%2）&lt;/font&gt;已连接！请选择要恢复的数据类型。</translation>
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
        <translation>语音留言</translation>
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
        <translation>正在分析您的 iOS 设备，这需要一些时间…</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>检测到您的 iTunes 备份已加密，请输入备份密码。</translation>
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
        <translation>正在验证密码，请稍候…</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>会话列表</translation>
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
        <extracomment>Kinds of LINE Keep items, as tabs above the list: texts, photos, videos, files, links, other.</extracomment>
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
        <translation>展开全文</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>联系人名片</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>恢复数据前，请先下载此文件。</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>此文件已过期。</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>此消息已被删除。</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>不支持的数据类型。</translation>
    </message>
    <message>
        <source>You</source>
        <translation>您</translation>
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
        <translation>的 LINE 聊天记录</translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation>单聊消息</translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation>的单聊消息</translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation>群聊消息</translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation>的群聊消息</translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation>的 LINE Keep</translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation>的 WhatsApp 聊天记录</translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation>星标消息</translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation>的星标消息</translation>
    </message>
    <message>
        <source>You created group</source>
        <translation>您创建了群组</translation>
    </message>
    <message>
        <source>careated group</source>
        <translation>创建了群组</translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation>您更改了此群组的图标</translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation>更改了此群组的图标</translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation>您将群组名称从</translation>
    </message>
    <message>
        <source> to </source>
        <translation> 更改为 </translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation>将群组名称从</translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation>您通过此群组的邀请链接加入了群组</translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation>通过此群组的邀请链接加入了群组</translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation>您将群组描述更改为</translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation>将群组描述更改为</translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>您开启了限时消息。此聊天中的所有新消息将在发送 24 小时后消失</translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>开启了限时消息。此聊天中的所有新消息将在发送 24 小时后消失</translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation>关闭了限时消息</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation>更改了群组设置，仅允许管理员编辑群组信息</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation>更改了群组设置，仅允许管理员在此群组中发送消息</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation>更改了群组设置，允许所有成员编辑群组信息</translation>
    </message>
    <message>
        <source>You were added</source>
        <translation>您已被添加</translation>
    </message>
    <message>
        <source>You was added</source>
        <translation>您已被添加</translation>
    </message>
    <message>
        <source>was added</source>
        <translation>已被添加</translation>
    </message>
    <message>
        <source>were added</source>
        <translation>已被添加</translation>
    </message>
    <message>
        <source> added you</source>
        <translation> 添加了您</translation>
    </message>
    <message>
        <source> added You</source>
        <translation> 添加了您</translation>
    </message>
    <message>
        <source>You added </source>
        <translation>您添加了 </translation>
    </message>
    <message>
        <source> added </source>
        <translation> 添加了 </translation>
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
        <translation>已更改为</translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation>您发起了通话</translation>
    </message>
    <message>
        <source>started a call</source>
        <translation>发起了通话</translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation>您发起了视频通话</translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation>发起了视频通话</translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation>您已屏蔽此联系人</translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation>您已取消屏蔽此联系人</translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation>您现在是管理员</translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation>已成为管理员</translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation>您已不再是管理员</translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation>已不再是管理员</translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation>您创建了广播列表</translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation>创建了广播列表</translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation>您创建了广播列表，包含</translation>
    </message>
    <message>
        <source> recipients</source>
        <translation> 位收件人</translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation>创建了广播列表，包含</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation>更改了群组设置，允许所有成员在此群组中发送消息</translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation>群组通话已结束</translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation>语音通话已结束</translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation>请按“Ctrl”+“F”进行搜索。</translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation>如需将此会话保存为 PDF：点击浏览器右上角的三个点 -&gt; 选择“打印” -&gt; 在打印机选项中选择“另存为 PDF”。</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>呼出电话</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>呼入电话</translation>
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
        <translation>无</translation>
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
        <translation>名</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>中间名</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>生日</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>职位</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>昵称</translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation>正在获取 iTunes 备份列表…</translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation>正在解密 iTunes 备份…</translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation>注意：此过程需要一些时间，请耐心等待。</translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation>正在解密 iTunes 备份，确定要取消吗？</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>显示密码</translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation>请选择需要恢复的数据类型。</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>设备名称</translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation>备份时间</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>设备型号</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation>iTunes 备份列表</translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation>注意：如果列表中没有您的备份，可以从其他文件夹中&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;选择&lt;/a&gt;备份文件进行恢复。</translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation>此文件夹中没有 iTunes 备份文件，请选择其他备份。</translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation>抱歉，解密此备份大约需要 %1 的空间。请清理磁盘后重试。</translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation>抱歉，无法解密此备份。请重试。</translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation>抱歉，未找到您的 iTunes 备份文件。</translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation>登录 iCloud</translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation>注意：
1. 为防止 iCloud 内容发生变化，请勿将设备连接到电脑。
2. 我们非常重视您的隐私与安全，绝不会保存您的 Apple 账户信息。
3. 暂不支持使用电话号码登录，请使用电子邮件地址登录 iCloud。
</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;忘记 Apple ID 或密码？</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>登录</translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation>Apple ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation>请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation>Apple ID 或密码不正确。</translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation>此平台不支持 iCloud。</translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation>由于未知原因，登录失败。请查看&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;可行的解决方法&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation>此账户已开启双重认证。请输入设备上收到的验证码。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple 官方建议</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>第 %1 位数字</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>验证</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;短信验证码%2</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;重新发送验证码%2</translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation>短信验证码</translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation>重新发送验证码</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;验证过于频繁，请稍后再试。&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;验证码不正确。&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;（退出登录）</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation>确定要返回吗？返回后需要重新登录 iCloud。</translation>
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
        <translation>请选择要扫描的 iTunes 备份。</translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation>请选择要恢复的数据类型。</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>信息附件</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>备忘录附件</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>日历附件</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>提醒事项附件</translation>
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
        <translation>恢复</translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation>数据下载失败。请重试，或使用其他 Apple ID 登录。</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation>确定要返回吗？返回后需要重新下载数据。</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation>正在扫描数据，确定要返回吗？</translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation>确定要返回吗？返回后需要重新扫描数据。</translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation>正在从 iCloud 备份下载数据，确定要停止吗？停止后数据将无法完整下载。</translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation>确定要停止吗？停止后部分数据将无法扫描。</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation>正在扫描数据，确定要退出程序吗？</translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation>扫描已完成，确定要退出吗？退出后扫描结果将不会保存。</translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation>您的设备（&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;）已断开连接，扫描已中断。程序将解析并显示已扫描成功的数据。</translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation>设备（&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;）已断开连接，部分数据类型将无法恢复。</translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation>请选择要恢复的数据。</translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation>空间不足，数据导出失败。请确保磁盘可用空间大于 100MB。</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;已下载 %n 项数据，请尽快恢复。&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;注意：如果找不到需要的数据，请返回并重新下载。&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;扫描完成，共找到 %n 项数据，请尽快恢复。&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;注意：继续使用设备时，已删除的数据很容易被覆盖，因此每次扫描的结果可能不同。如果找到了已删除的数据，建议尽快恢复。&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s Messages</source>
        <translation>%1 的信息</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>a contact&apos;s note</comment>
        <translation>备注</translation>
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
        <translation>Apple Watch 号码</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>住宅电话</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>住宅传真</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>主要号码</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>手机号码</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>传呼机号码</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>学校电话</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>工作电话</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>工作传真</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>iPhone 号码</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>住宅邮箱</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>学校邮箱</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>工作邮箱</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>iCloud 邮箱</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>住宅网址</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>主页</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>学校网址</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>工作网址</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>住宅地址</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>学校地址</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>工作地址</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>纪念日</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>生日</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>农历生日</translation>
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
        <translation>女儿</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>哥哥</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>姐姐</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>父亲</translation>
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
        <translation>母亲</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>伴侣</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>姐妹</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>儿子</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>上司</translation>
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
        <translation>其他号码</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>其他邮箱</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>其他网址</translation>
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
        <translation>其他关系</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>其他社交账号</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>其他即时通讯</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
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
        <translation>号码</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>通话类型</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>创建日期</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>提醒日期</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>网址</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>名</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>中间名</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>姓</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>部门</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>职位</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>昵称</translation>
    </message>
</context>
<context>
    <name>RecoverNoticeDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>RecoverPathunreadabilityDialog</name>
    <message>
        <source>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</source>
        <translation>如需更改导出路径，请前往&lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;设置&lt;/a&gt;。</translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation>正在导出数据</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation>正在导出数据 %1 %2 %3</translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation>正在导出数据，确定要停止吗？</translation>
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
        <translation>恢复失败，请重试。</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation>已成功恢复 %1 项数据，但有 %2 项数据恢复失败。
请保持设备连接稳定，稍后重试。</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation>已成功恢复 %1 项数据，但有 %2 项数据恢复失败。</translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation>
            <numerusform>已成功恢复 %n 项数据！</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>分类</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>网址</translation>
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
        <translation>Safari 历史记录</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari 书签</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>mailName</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>号码</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation>语音备忘录</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>语音留言</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>附件</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>创建日期</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>提醒日期</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先级</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>网址</translation>
    </message>
</context>
</TS>

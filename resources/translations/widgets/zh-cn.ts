<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
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
</context>
</TS>

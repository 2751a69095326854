<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <source>Don't open iTunes while the program is running, or the recovery will fail.</source>
        <translation>程序运行期间请勿打开 iTunes，否则恢复将会失败。</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>请将数据导出到本地查看。</translation>
    </message>
</context>
</TS>

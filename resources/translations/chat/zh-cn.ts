<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
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
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>QObject</name>
    <message>
        <source>Conversations</source>
        <translation>對話</translation>
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
        <translation>單聊訊息</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>群組訊息</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>星號訊息</translation>
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
        <translation>閱讀更多</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>聯絡人名片</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>還原資料前，請先下載檔案！</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>此檔案已過期！</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>此訊息已被刪除！</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>不支援的資料類型！</translation>
    </message>
    <message>
        <source>You</source>
        <translation>你</translation>
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
        <translation>[貼圖]</translation>
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
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Conversations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

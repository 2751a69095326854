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
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>Conversations</source>
        <translation>Unterhaltungen</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Videos]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Audios]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Fotos]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Anhang]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>An: </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Unsent</source>
        <translation>Nicht gesendet</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Audios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QObject</name>
    <message>
        <source>Conversations</source>
        <translation>Conversazioni</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Video]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Audio]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Foto]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Allegato]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>A: </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Unsent</source>
        <translation>Non inviato</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
</context>
</TS>

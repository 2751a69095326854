<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Conversations</source>
        <translation>Conversations</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Vidéos]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Audios]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Photos]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Pièce jointe]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>À : </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Unsent</source>
        <translation>Non envoyé</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Audios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
</context>
</TS>

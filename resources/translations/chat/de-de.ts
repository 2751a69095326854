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
    <message>
        <source>Individual message</source>
        <translation>Einzelchats</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Gruppenchats</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Markierte Nachrichten</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>LINE Keep-Arten</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Senden fehlgeschlagen</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Zitat:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Weiterlesen</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Kontaktkarte</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>Bitte laden Sie die Datei vor der Wiederherstellung zuerst herunter!</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Diese Datei ist abgelaufen!</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Diese Nachricht wurde gelöscht!</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Nicht unterstützter Datentyp!</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Sprachnachricht]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Anruf]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Kontaktkarte]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Standort]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Dokumente]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[Sticker]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[Sticker]</translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation>Videoanruf</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Sprachanruf</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Gruppenvideoanruf gestartet.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Gruppenanruf gestartet.</translation>
    </message>
</context>
</TS>

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
    <message>
        <source>Individual message</source>
        <translation>Messaggi individuali</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Messaggi di gruppo</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Messaggi importanti</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>Tipi di LINE Keep</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Testi</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Invio non riuscito</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Citazione:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Leggi tutto</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Scheda contatto</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>Prima di ripristinare i dati, scarica il file!</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Questo file è scaduto!</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Questo messaggio è stato eliminato!</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Tipo di dati non supportato!</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Vocale]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Chiamata vocale]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Scheda contatto]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Posizione]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Documenti]</translation>
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
        <translation>Videochiamata</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Chiamata vocale</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Videochiamata di gruppo avviata.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Chiamata vocale di gruppo avviata.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>QObject</name>
    <message>
        <source>Conversations</source>
        <translation>Conversas</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Vídeos]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Áudios]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Fotos]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Anexo]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>Para: </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Unsent</source>
        <translation>Não enviada</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Áudios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
</context>
</TS>

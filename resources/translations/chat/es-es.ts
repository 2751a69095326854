<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QObject</name>
    <message>
        <source>Conversations</source>
        <translation>Conversaciones</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Vídeos]</translation>
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
        <translation>[Adjunto]</translation>
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
        <translation>No enviado</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Audios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation>Mensajes individuales</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Mensajes de grupo</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Mensajes destacados</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>Tipos de LINE Keep</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Textos</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Error al enviar</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Cita:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Leer más</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Tarjeta de contacto</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>¡Descargue primero el archivo antes de restaurar los datos!</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>¡Este archivo ha caducado!</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>¡Este mensaje ha sido eliminado!</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>¡Tipo de datos no compatible!</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Voz]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Llamada de voz]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Tarjeta de contacto]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Ubicación]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Documentos]</translation>
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
        <translation>Videollamada</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Llamada de voz</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Videollamada grupal iniciada.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Llamada de voz grupal iniciada.</translation>
    </message>
</context>
</TS>

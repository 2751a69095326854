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
    <message>
        <source>Individual message</source>
        <translation>Mensagens individuais</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Mensagens de grupo</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Mensagens favoritas</translation>
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
        <translation>Outros</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Falha no envio</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Citação:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Ler mais</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Cartão de contacto</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>Antes de restaurar os dados, transfira primeiro o ficheiro!</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Este ficheiro expirou!</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Esta mensagem foi eliminada!</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Tipo de dados não suportado!</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Voz]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Chamada de voz]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Cartão de contacto]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Localização]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Documentos]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[Autocolante]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[Autocolante]</translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation>Videochamada</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Chamada de voz</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Videochamada de grupo iniciada.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Chamada de voz de grupo iniciada.</translation>
    </message>
</context>
</TS>

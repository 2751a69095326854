<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Conversations</source>
        <translation>Беседы</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Видео]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Аудио]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Фото]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Вложение]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>Кому: </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Unsent</source>
        <translation>Не отправлено</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Документы</translation>
    </message>
</context>
</TS>

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
    <message>
        <source>Individual message</source>
        <translation>Личные сообщения</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Групповые сообщения</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Избранные сообщения</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>Типы LINE Keep</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Тексты</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Не отправлено</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Цитата:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Читать дальше</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Карточка контакта</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>Перед восстановлением данных сначала загрузите файл!</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Срок действия файла истёк!</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Это сообщение удалено!</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Неподдерживаемый тип данных!</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Вы</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Голосовое]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Голосовой вызов]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Карточка контакта]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Местоположение]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Документы]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[Стикер]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[Стикер]</translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation>Видеозвонок</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Голосовой вызов</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Групповой видеозвонок начат.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Групповой голосовой вызов начат.</translation>
    </message>
</context>
</TS>

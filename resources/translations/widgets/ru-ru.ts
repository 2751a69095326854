<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) возвращает то, что было потеряно на iPhone или iPad: сообщения, контакты, фотографии, заметки, чаты и многое другое — с самого устройства, из резервной копии iTunes или из резервной копии iCloud. Его создаёт команда Quenrow, которая делает надёжные инструменты, чтобы люди могли вернуть свои данные.</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. Все права защищены.</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>Показать все (%1)</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>Показать существующие (%1)</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>Показать удалённые (%1)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Тип %1</translation>
    </message>
    <message>
        <source>Tab %1</source>
        <translation>Вкладка %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>Изменить путь экспорта</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>Недопустимый путь, выберите другой.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>Зашифровано</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Путь не существует, измените путь экспорта.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Изменить путь экспорта</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>У выбранного пути нет прав на чтение и запись, измените путь экспорта.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Изменить путь экспорта</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Что нового</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Текущая версия актуальна.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Доступна новая версия!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Версия: %1 | Размер: %2 | Дата выпуска: %3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>Не удалось получить сведения об обновлении. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Загрузка</translation>
    </message>
</context>
</TS>

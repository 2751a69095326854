<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation type="unfinished">Календари</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished">Напоминания</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Father</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Husband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wife</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Son</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished">Контакты</translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation type="unfinished">Вы</translation>
    </message>
    <message>
        <source>you</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation type="unfinished">Аудио приложений</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished">Документы приложений</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation type="unfinished">Аудио</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished">Документы</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorView</name>
    <message>
        <source>FaceTime</source>
        <translation type="unfinished">FaceTime</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation type="unfinished">Журнал вызовов</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">ОК</translation>
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
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">Фото</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished">Видео в альбоме</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation type="unfinished">Фото приложений</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished">Видео приложений</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation type="unfinished">Видео</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">Фото</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Заметки</translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation type="unfinished">Контакты</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished">Сообщения</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished">Голосовая почта</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished">Диктофон</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">Фото</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished">Видео в альбоме</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation type="unfinished">FaceTime</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished">Закладки Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation type="unfinished">История Safari</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Заметки</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call History</source>
        <translation type="unfinished">Журнал вызовов</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation type="unfinished">Календари</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished">Напоминания</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation type="unfinished">Фото приложений</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished">Видео приложений</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation type="unfinished">Аудио приложений</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished">Документы приложений</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation type="unfinished">WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE</source>
        <translation type="unfinished">LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Data</source>
        <translation type="unfinished">Системные данные</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation type="unfinished">Данные сторонних приложений</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation type="unfinished">Выбрать все</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>Полностью восстановите свои данные с устройства iOS</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Восстановить данные с устройства iOS</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Восстанавливает удалённые данные прямо с устройства iOS, включая сообщения, контакты, изображения и т. д.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Восстановить данные из резервной копии iTunes</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Сканирует резервную копию iTunes и показывает её данные.</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>Восстановить данные из резервной копии iCloud</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>Восстанавливает данные, синхронизированные с iCloud.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Языки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Вопросы и ответы</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Открыть папку журналов</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Don&apos;t open iTunes while the program is running, or the recovery will fail.</source>
        <translation>Не открывайте iTunes во время работы программы, иначе восстановление не удастся.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Экспортируйте данные на компьютер, чтобы просмотреть их.</translation>
    </message>
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
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>Загрузка и анализ данных iCloud занимают некоторое время. Длительность сканирования зависит от размера резервной копии iCloud. Пожалуйста, подождите!</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Во время сканирования не отключайте устройство. Длительность сканирования зависит от объёма данных на устройстве. Чем больше данных, тем дольше. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>Длительность сканирования зависит от объёма ваших данных. Если данных много, сканирование займёт много времени. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Примечание: если нужные данные не найдены, попробуйте другие функции или выберите для сканирования другие типы данных.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Примечание: если нужные данные не найдены, воспользуйтесь функцией «Восстановить данные из резервной копии iTunes» или вернитесь и выберите другие типы данных для повторного сканирования.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Данные не найдены!</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Устройство находится в нештатном состоянии, сначала исправьте его...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Примечание: устройство обнаружено в нештатном состоянии. Сначала лучше воспользоваться &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;средством восстановления системы iOS&lt;/a&gt;, чтобы вернуть устройство в нормальное состояние.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Подключите устройство iOS к компьютеру</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Примечание:</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. Убедитесь, что устройство разблокировано.</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. Для сканирования подключите только одно устройство.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Устройство подключено, но не распознано?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Устройство не обнаружено? Выполните шаги ниже и попробуйте снова.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Анализ окружения устройства</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Резервное копирование данных устройства iOS %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Расшифровка данных %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>Произошла ошибка, анализ устройства не удался. Попробуйте ещё раз!</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Устройство: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Не удаётся прочитать устройство. Разблокируйте его, нажмите «Доверять», если оно спросит, и попробуйте снова.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Недостаточно места! Убедитесь, что на устройстве свободно более 200 МБ, и попробуйте снова.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Согласно политике конфиденциальности Apple, в iOS 13 и новее для сканирования журнала вызовов, FaceTime и истории Safari нужны зашифрованные резервные копии. Программа установит пароль резервной копии &lt;font color=&quot;#558AF8&quot;;&gt;%1 (запомните этот пароль)&lt;/font&gt;. Это займёт много времени. Продолжить?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>Недостаточно места на диске, чтобы расшифровать всю резервную копию. Продолжить?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>Произошла ошибка(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Посмотреть решения&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Нажмите «Доверять» на устройстве iOS.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Введите код-пароль на устройстве iOS.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Примечание: если запрос доверия не появился, переподключите устройство.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Доверьтесь этому компьютеру на устройстве %1(%2).</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>Анализ устройства</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Чтобы продолжить, введите код-пароль на устройстве iOS.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Разблокируйте устройство и попробуйте снова.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Переподключите устройство и убедитесь, что соединение надёжно. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Перезапустите устройство и программу, затем снова подключите устройство.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. Ничего не помогло? Попробуйте исправить устройство с помощью &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;средства восстановления системы iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Начать сканирование</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>Устройство отключено, подключите его снова.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Идёт резервное копирование. Вы действительно хотите выйти из программы?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; подключено! Выберите типы данных для восстановления.</translation>
    </message>
    <message>
        <source>Photos</source>
        <extracomment>Category of pictures; also a tab of chat attachments and the name of an exported folder.</extracomment>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Видео в альбоме</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Голосовая почта</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Календари</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Диктофон</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Закладки Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>История Safari</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Журнал вызовов</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>Фото приложений</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>Видео приложений</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>Аудио приложений</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>Документы приложений</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation>WhatsApp</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>Select ALL</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Системные данные</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Данные сторонних приложений</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>Идёт анализ устройства iOS, это займёт некоторое время....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Резервная копия iTunes зашифрована, введите пароль.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Расшифровать</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Забыли пароль резервной копии iTunes?</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>Проверка пароля, подождите...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Неверный пароль</translation>
    </message>
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
        <extracomment>State of a chat message that never left the phone, shown beside it in the exported page.</extracomment>
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
    <message>
        <source>&apos;s LINE Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You created group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>careated group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You was added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>were added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> added you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> added You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You added </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> added </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You removed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> removed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> has joined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> recipients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Father</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Husband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Son</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wife</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Заметки</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverNoticeDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished">ОК</translation>
    </message>
</context>
<context>
    <name>RecoverPathunreadabilityDialog</name>
    <message>
        <source>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Отмена</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished">Продолжить</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished">Да</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation type="unfinished">История Safari</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished">Закладки Safari</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mailName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished">Диктофон</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished">Голосовая почта</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Заметки</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

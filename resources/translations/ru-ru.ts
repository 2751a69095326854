<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translatorcomment>Glossary (ru): backup = резервная копия (back up = создать резервную копию, резервное копирование); scan = сканировать / сканирование; recover = восстановить / восстановление; export = экспортировать / экспорт; device = устройство; attachment = вложение; download = скачать / скачивание; sign in / sign out = войти / выйти; passcode = код-пароль; verification code = код проверки; call (phone, FaceTime) = вызов, call (WhatsApp, LINE) = звонок; chat = чат; admin = администратор; broadcast list = список рассылки; item(s) of data = элемент(ы); export path = путь экспорта; Voice Memos = Диктофон; Voicemails = Голосовая почта; Notes = Заметки. Register: «вы» (lower case), calm wording, no exclamation marks in error texts; quotes «…»; WhatsApp system phrases use the gender-neutral form «создал(-а)» as WhatsApp itself does.</translatorcomment>
        <translation>Название</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Дата напоминания</translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation>Календари</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation>Выбрать все строки</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation>Другой телефон</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Мобильный телефон</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Домашний телефон</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Рабочий телефон</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Школьный телефон</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>Телефон iPhone</translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation>Телефон Apple Watch</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Основной телефон</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Домашний факс</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Рабочий факс</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Пейджер</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Другая эл. почта</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>Домашняя эл. почта</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>Рабочая эл. почта</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>Школьная эл. почта</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>Эл. почта iCloud</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Другой сайт</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>Личный сайт</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>Рабочий сайт</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>Школьный сайт</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Другой адрес</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Домашний адрес</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Рабочий адрес</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Школьный адрес</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Другие даты</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>День рождения (китайский календарь)</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Годовщина</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Другие связи</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Отец</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Мать</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Брат</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Сестра</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Старший брат</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Старшая сестра</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Младший брат</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Младшая сестра</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Муж</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Жена</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Партнёр</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Сын</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Дочь</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Друг</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Руководитель</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Коллега</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Другая соцсеть</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation>LinkedIn</translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation>Myspace</translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation>Sina Weibo</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>Другой мессенджер</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation>MSN Messenger</translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation>Google Talk</translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation>Facebook Messenger</translation>
    </message>
    <message>
        <source>AIM</source>
        <translation>AIM</translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation>Yahoo! Messenger</translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation>ICQ</translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation>Jabber</translation>
    </message>
    <message>
        <source>QQ</source>
        <translation>QQ</translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation>Gadu-Gadu</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>День рождения:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Заметки:</translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation>Вы</translation>
    </message>
    <message>
        <source>you</source>
        <translation>вам</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation>
            <numerusform>%1 и ещё %n контакт</numerusform>
            <numerusform>%1 и ещё %n контакта</numerusform>
            <numerusform>%1 и ещё %n контактов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Title of a starred WhatsApp message: who sent it, then the chat or person it went to.</extracomment>
        <translation>%1 → %2</translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation>Аудио приложений</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>Документы приложений</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Документы</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Номер телефона</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Тип вызова</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Входящий</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Исходящий</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorView</name>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Журнал вызовов</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation>За 7 дней</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>За месяц</translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation>За 3 месяца</translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation>За полгода</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>За год</translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation>Свой период</translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation>Выберите период</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>days</source>
        <translation>дней назад</translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation>С (дней назад)</translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation>По (дней назад)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
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
        <translation>Голосовой звонок</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Начат групповой видеозвонок.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Начат групповой голосовой звонок.</translation>
    </message>
</context>
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation>Вложения сообщений</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Видео в альбоме</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Вложения заметок</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Вложения календарей</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Вложения напоминаний</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>Фото приложений</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>Видео приложений</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Фото</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation>Эта заметка защищена паролем.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Вложения</translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation>Контакты</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Вложения сообщений</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Голосовая почта</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Диктофон</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Видео в альбоме</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
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
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Вложения заметок</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Журнал вызовов</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Календари</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Вложения календарей</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Напоминания</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Вложения напоминаний</translation>
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
        <source>WhatsApp Attachment</source>
        <translation>Вложения WhatsApp</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>Вложения LINE</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Системные данные</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Данные сторонних приложений</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Категории</translation>
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
        <translation>Восстанавливает удалённые данные прямо с устройства iOS: сообщения, контакты, фотографии и многое другое.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Восстановить данные из резервной копии iTunes</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Сканирует резервную копию iTunes и позволяет просмотреть её данные.</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>Восстановить данные из резервной копии iCloud</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>Восстанавливает данные, сохранённые в iCloud.</translation>
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
        <translation>Не открывайте iTunes во время работы программы, иначе восстановить данные не удастся.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Чтобы просмотреть данные, экспортируйте их на компьютер.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) возвращает то, что было потеряно на iPhone или iPad: сообщения, контакты, фотографии, заметки, чаты и многое другое — с самого устройства, из резервной копии iTunes или из резервной копии iCloud. Программу создаёт команда Quenrow, которая делает надёжные инструменты, помогающие людям вернуть свои данные.</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>© Quenrow, 2024. Все права защищены.</translation>
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
        <extracomment>Check box above a list of records that ticks every record shown.</extracomment>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Spoken name and tool tip of the funnel button that opens the date filter.</extracomment>
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
        <translation>Недопустимый путь. Выберите другой.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <extracomment>Spoken for the lock of a password-protected backup in the list of backups.</extracomment>
        <translation>Зашифрована</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Указанный путь не существует. Измените путь экспорта.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Изменить путь экспорта</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Нет прав на чтение и запись по выбранному пути. Измените путь экспорта.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Изменить путь экспорта</translation>
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
        <translation>Проверка обновлений...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>У вас установлена последняя версия.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Доступна новая версия.</translation>
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
        <translation>Скачивание и анализ данных iCloud занимают некоторое время. Длительность сканирования зависит от размера резервной копии iCloud. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Не отключайте устройство во время сканирования. Длительность сканирования зависит от объёма данных на устройстве: чем больше данных, тем дольше. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>Длительность сканирования зависит от объёма ваших данных. Если данных много, сканирование займёт больше времени. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Примечание: если нужные данные не найдены, попробуйте другой способ восстановления или выберите для сканирования другие типы данных.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Примечание: если нужные данные не найдены, воспользуйтесь функцией «Восстановить данные из резервной копии iTunes» или вернитесь назад и выберите для сканирования другие типы данных.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Данные не найдены.</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Устройство работает с ошибками. Сначала устраните неполадку...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Примечание: устройство работает с ошибками. Рекомендуем сначала вернуть его в нормальное состояние с помощью &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;средства восстановления системы iOS&lt;/a&gt;.</translation>
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
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Устройство подключено, но не распознаётся?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Устройство не обнаружено? Выполните следующие действия и попробуйте снова.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Проверка устройства</translation>
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
        <translation>Из-за ошибки не удалось проанализировать устройство. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Устройство: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Не удаётся прочитать данные устройства. Разблокируйте его, нажмите «Доверять», если появится запрос, и попробуйте снова.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Недостаточно места. Убедитесь, что на устройстве свободно более 200 МБ, и попробуйте снова.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Согласно политике конфиденциальности Apple, в iOS 13 и новее для сканирования журнала вызовов, FaceTime и истории Safari нужна зашифрованная резервная копия. Программа установит пароль резервной копии &lt;font color=&quot;#558AF8&quot;;&gt;%1 (запомните этот пароль)&lt;/font&gt;. Это займёт много времени. Продолжить?</translation>
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
        <translation>На диске недостаточно места, чтобы расшифровать всю резервную копию. Продолжить?</translation>
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
        <translation>К сожалению, произошла ошибка (%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Возможные решения&lt;/a&gt;</translation>
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
        <translation>Примечание: если запрос на доверие не появился, отключите устройство и подключите его снова.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Подтвердите на устройстве %1(%2), что доверяете этому компьютеру.</translation>
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
        <translation>2. Отключите устройство, подключите его снова и убедитесь, что кабель подключён надёжно. </translation>
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
        <extracomment>Button that leaves the scan results for the previous page; about 12 characters fit.</extracomment>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <extracomment>Button that starts reading the chosen categories from the device or backup; about 14 characters fit.</extracomment>
        <translation>Сканировать</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>Устройство отключено. Подключите его снова.</translation>
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
        <translation>Подключено устройство &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;. Выберите типы данных, которые нужно восстановить.</translation>
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
        <translation>Идёт анализ устройства iOS. Это займёт некоторое время...</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Резервная копия iTunes зашифрована. Введите пароль.</translation>
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
        <translation>Чаты</translation>
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
        <translation>Экспортировать</translation>
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
        <translation>Типы записей LINE Keep</translation>
    </message>
    <message>
        <source>Texts</source>
        <extracomment>Kinds of LINE Keep items, as tabs above the list: texts, photos, videos, files, links, other.</extracomment>
        <translation>Тексты</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Не удалось отправить</translation>
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
        <translation>Чтобы восстановить данные, сначала скачайте файл.</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Срок хранения файла истёк.</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Это сообщение удалено.</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Неподдерживаемый тип данных.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Вы</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Голосовое сообщение]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Голосовой звонок]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Карточка контакта]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Геопозиция]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Документ]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[Стикер]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[Эмодзи]</translation>
    </message>
    <message>
        <source>&apos;s LINE Chat</source>
        <translation> — чат LINE</translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation>Личные сообщения</translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation> — личные сообщения</translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation>Групповые сообщения</translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation> — групповые сообщения</translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation> — LINE Keep</translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation> — чат WhatsApp</translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation>Избранные сообщения</translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation> — избранные сообщения</translation>
    </message>
    <message>
        <source>You created group</source>
        <translation>Вы создали группу</translation>
    </message>
    <message>
        <source>careated group</source>
        <translation>создал(-а) группу</translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation>Вы изменили изображение группы</translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation>изменил(-а) изображение группы</translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation>Вы изменили тему группы с</translation>
    </message>
    <message>
        <source> to </source>
        <translation> на </translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation>изменил(-а) тему группы с</translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation>Вы присоединились к группе по ссылке-приглашению</translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation>присоединился(-ась) к группе по ссылке-приглашению</translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation>Вы изменили описание группы:</translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation>изменил(-а) описание группы:</translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>Вы включили исчезающие сообщения. Все новые сообщения в этом чате будут исчезать через 24 часа после отправки</translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>включил(-а) исчезающие сообщения. Все новые сообщения в этом чате будут исчезать через 24 часа после отправки</translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation>выключил(-а) исчезающие сообщения</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation>изменил(-а) настройки группы: теперь данные группы могут изменять только администраторы</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation>изменил(-а) настройки группы: теперь отправлять сообщения в группу могут только администраторы</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation>изменил(-а) настройки группы: теперь данные группы могут изменять все участники</translation>
    </message>
    <message>
        <source>You were added</source>
        <translation>Вас добавили</translation>
    </message>
    <message>
        <source>You was added</source>
        <translation>Вас добавили</translation>
    </message>
    <message>
        <source>was added</source>
        <translation>добавлен(-а)</translation>
    </message>
    <message>
        <source>were added</source>
        <translation>добавлены</translation>
    </message>
    <message>
        <source> added you</source>
        <translation> добавил(-а) вас</translation>
    </message>
    <message>
        <source> added You</source>
        <translation> добавил(-а) вас</translation>
    </message>
    <message>
        <source>You added </source>
        <translation>Вы добавили </translation>
    </message>
    <message>
        <source> added </source>
        <translation> добавил(-а) </translation>
    </message>
    <message>
        <source>You removed </source>
        <translation>Вы удалили </translation>
    </message>
    <message>
        <source> removed </source>
        <translation> удалил(-а) </translation>
    </message>
    <message>
        <source>You left</source>
        <translation>Вы вышли из группы</translation>
    </message>
    <message>
        <source> left</source>
        <translation> вышел(-ла) из группы</translation>
    </message>
    <message>
        <source> has joined</source>
        <translation> присоединился(-ась)</translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation>изменён на</translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation>Вы начали звонок</translation>
    </message>
    <message>
        <source>started a call</source>
        <translation>начал(-а) звонок</translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation>Вы начали видеозвонок</translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation>начал(-а) видеозвонок</translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation>Вы заблокировали этот контакт</translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation>Вы разблокировали этот контакт</translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation>Теперь вы администратор</translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation>теперь администратор</translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation>Вы больше не администратор</translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation>больше не администратор</translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation>Вы создали список рассылки</translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation>создал(-а) список рассылки</translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation>Вы создали список рассылки с</translation>
    </message>
    <message>
        <source> recipients</source>
        <translation> получателями</translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation>создал(-а) список рассылки с</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation>изменил(-а) настройки группы: теперь отправлять сообщения в группу могут все участники</translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation>Групповой звонок завершён</translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation>Голосовой звонок завершён</translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation>Для поиска по странице нажмите Ctrl+F.</translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation>Хотите сохранить этот чат в PDF? Нажмите на три точки в правом верхнем углу браузера, выберите «Печать» и в списке принтеров выберите «Сохранить как PDF».</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Исходящий</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Входящий</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Priority of a reminder (High, Middle, Low, None).</extracomment>
        <translation>Высокий</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкий</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>State of a reminder in its detail row and the exported reminders.</extracomment>
        <translation>Выполнено</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Не выполнено</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Отчество</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Компания</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Отдел</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Должность</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Псевдоним</translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation>Получение списка резервных копий iTunes...</translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation>Расшифровка резервной копии iTunes...</translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation>Примечание: это займёт некоторое время. Пожалуйста, подождите.</translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation>Идёт расшифровка резервной копии iTunes. Отменить её?</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Показать пароль</translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation>Выберите типы данных, которые нужно восстановить.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Модель устройства</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation>Резервные копии iTunes</translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation>Примечание: если нужной резервной копии нет в списке, вы можете &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;выбрать&lt;/a&gt; резервную копию в другой папке.</translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation>В этой папке нет резервной копии iTunes. Выберите другую резервную копию.</translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation>Для расшифровки этой резервной копии потребуется около %1 свободного места. Освободите место на диске и попробуйте снова.</translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation>К сожалению, не удалось расшифровать резервную копию. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation>К сожалению, резервная копия iTunes не найдена.</translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation>Вход в iCloud</translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation>Примечание:
1. Чтобы содержимое iCloud не изменилось, не подключайте устройство к компьютеру.
2. Мы серьёзно относимся к вашей конфиденциальности и безопасности и никогда не сохраняем данные вашей учётной записи Apple.
3. Вход по номеру телефона пока не поддерживается. Для входа в iCloud используйте адрес электронной почты.
</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Забыли Apple ID или пароль?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Войти</translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation>Apple ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation>Проверьте подключение к интернету и попробуйте снова.</translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation>Неверный Apple ID или пароль.</translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation>В этой системе iCloud недоступен.</translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation>Не удалось войти по неизвестной причине. Ознакомьтесь с &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;возможными решениями&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation>Для этой учётной записи включена двухфакторная аутентификация. Введите код проверки, полученный на устройстве.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Рекомендации Apple</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Цифра %1</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Подтвердить</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Код по SMS%2</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Отправить код снова%2</translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation>Код по SMS</translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation>Отправить код снова</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Слишком много попыток. Повторите позже.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Неверный код проверки.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Скачать</translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Выйти)</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation>Вернуться назад? После этого потребуется снова войти в iCloud.</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Вернуться</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation>Выберите резервную копию iTunes для сканирования.</translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation>Выберите типы данных, которые нужно восстановить.</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Вложения сообщений</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Вложения заметок</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Вложения календарей</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Вложения напоминаний</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>Вложения WhatsApp</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>Вложения LINE</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation>Не удалось скачать данные. Попробуйте ещё раз или войдите с другим Apple ID.</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation>Вернуться назад? После этого данные придётся скачать заново.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation>Идёт сканирование. Вы действительно хотите вернуться назад?</translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation>Вернуться назад? После этого данные придётся сканировать заново.</translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation>Идёт скачивание данных из резервной копии iCloud. Остановить его? В этом случае будут скачаны не все данные.</translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation>Остановить сканирование? В этом случае часть данных не будет просканирована.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation>Идёт сканирование. Вы действительно хотите выйти из программы?</translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation>Сканирование завершено. Вы действительно хотите выйти? Результаты сканирования не будут сохранены.</translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation>Устройство (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) отключено, сканирование прервано. Программа обработает и покажет данные, которые удалось просканировать.</translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation>Устройство (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) отключено. Часть данных восстановить не удастся.</translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation>Выберите данные, которые нужно восстановить.</translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation>Недостаточно места на диске, экспорт не выполнен. Убедитесь, что на диске свободно более 100 МБ.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Скачан %n элемент данных. Рекомендуем восстановить данные как можно скорее.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Примечание: если нужных данных нет, вернитесь назад и скачайте их снова.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Скачано %n элемента данных. Рекомендуем восстановить данные как можно скорее.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Примечание: если нужных данных нет, вернитесь назад и скачайте их снова.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Скачано %n элементов данных. Рекомендуем восстановить данные как можно скорее.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Примечание: если нужных данных нет, вернитесь назад и скачайте их снова.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Сканирование завершено, найден %n элемент данных. Рекомендуем восстановить данные как можно скорее.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Примечание: при дальнейшем использовании устройства удалённые данные легко перезаписываются, поэтому результаты каждого сканирования могут отличаться. Если вы нашли удалённые данные, рекомендуем восстановить их как можно скорее.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Сканирование завершено, найдено %n элемента данных. Рекомендуем восстановить данные как можно скорее.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Примечание: при дальнейшем использовании устройства удалённые данные легко перезаписываются, поэтому результаты каждого сканирования могут отличаться. Если вы нашли удалённые данные, рекомендуем восстановить их как можно скорее.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Сканирование завершено, найдено %n элементов данных. Рекомендуем восстановить данные как можно скорее.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Примечание: при дальнейшем использовании устройства удалённые данные легко перезаписываются, поэтому результаты каждого сканирования могут отличаться. Если вы нашли удалённые данные, рекомендуем восстановить их как можно скорее.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s Messages</source>
        <translation>Сообщения: %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>a contact&apos;s note</comment>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>(%1s)</source>
        <extracomment>Seconds left before a new code can be asked for, after the link&apos;s text.</extracomment>
        <translation>(%1 с)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation>Телефон Apple Watch</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Домашний телефон</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Домашний факс</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Основной телефон</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Мобильный телефон</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Пейджер</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Школьный телефон</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Рабочий телефон</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Рабочий факс</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>Телефон iPhone</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>Домашняя эл. почта</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>Школьная эл. почта</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>Рабочая эл. почта</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>Эл. почта iCloud</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>Личный сайт</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Домашняя страница</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>Школьный сайт</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>Рабочий сайт</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Домашний адрес</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Школьный адрес</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Рабочий адрес</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Годовщина</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>День рождения</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>День рождения (китайский календарь)</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Брат</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Коллега</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Дочь</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Старший брат</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Старшая сестра</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Отец</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Друг</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Муж</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Мать</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Партнёр</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Сестра</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Сын</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Руководитель</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Жена</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Младший брат</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Младшая сестра</translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation>Facebook</translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation>LinkedIn</translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation>Myspace</translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation>Sina Weibo</translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation>Twitter</translation>
    </message>
    <message>
        <source>AIM</source>
        <translation>AIM</translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation>Facebook Messenger</translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation>Gadu-Gadu</translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation>Google Talk</translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation>ICQ</translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation>Jabber</translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation>MSN Messenger</translation>
    </message>
    <message>
        <source>QQ</source>
        <translation>QQ</translation>
    </message>
    <message>
        <source>Skype</source>
        <translation>Skype</translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation>Yahoo! Messenger</translation>
    </message>
    <message>
        <source>Other Number</source>
        <translation>Другой телефон</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Другая эл. почта</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Другой сайт</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Другой адрес</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Другие даты</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Другие связи</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Другая соцсеть</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>Другой мессенджер</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Окончание</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Вложения</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Тип вызова</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Дата напоминания</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Отчество</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Компания</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Отдел</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Должность</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Псевдоним</translation>
    </message>
</context>
<context>
    <name>RecoverNoticeDialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>RecoverPathunreadabilityDialog</name>
    <message>
        <source>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</source>
        <translation>Чтобы изменить путь экспорта, откройте &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Настройки&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation>Экспорт данных</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation>Экспорт данных %1 %2 %3</translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation>Идёт экспорт данных. Остановить его?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation>Не удалось восстановить данные. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation>Восстановлено элементов: %1. Не удалось восстановить: %2.
Не отключайте устройство во время восстановления и повторите попытку позже.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation>Восстановлено элементов: %1. Не удалось восстановить: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation>
            <numerusform>Восстановлен %n элемент.</numerusform>
            <numerusform>Восстановлено %n элемента.</numerusform>
            <numerusform>Восстановлено %n элементов.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation>История Safari</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Закладки Safari</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>mailName</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation>Диктофон</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Голосовая почта</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Окончание</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Вложения</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Дата напоминания</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Приоритет</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>Ссылка</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
        <source>Don't open iTunes while the program is running, or the recovery will fail.</source>
        <translation>Не открывайте iTunes во время работы программы, иначе восстановление не удастся.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Экспортируйте данные на компьютер, чтобы просмотреть их.</translation>
    </message>
</context>
</TS>

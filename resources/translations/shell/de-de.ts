<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>Stellen Sie Ihre Daten vom iOS-Gerät vollständig wieder her</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Daten vom iOS-Gerät wiederherstellen</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Stellt gelöschte Daten direkt von Ihrem iOS-Gerät wieder her, darunter Nachrichten, Kontakte, Bilder usw.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Daten aus iTunes-Backup wiederherstellen</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Durchsucht ein iTunes-Backup und zeigt seine Daten in der Vorschau.</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>Daten aus iCloud-Backup wiederherstellen</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>Stellt Daten wieder her, die mit iCloud synchronisiert wurden.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprachen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don't open iTunes while the program is running, or the recovery will fail.</source>
        <translation>Öffnen Sie iTunes nicht, während das Programm läuft, sonst schlägt die Wiederherstellung fehl.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Bitte exportieren Sie die Daten, um sie lokal anzusehen.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don't open iTunes while the program is running, or the recovery will fail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

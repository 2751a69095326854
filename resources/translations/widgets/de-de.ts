<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) holt zurück, was auf einem iPhone oder iPad verloren ging: Nachrichten, Kontakte, Fotos, Notizen, Chats und mehr, direkt vom Gerät, aus einem iTunes-Backup oder aus einem iCloud-Backup. Es wird vom Quenrow-Team entwickelt, das sorgfältige Werkzeuge baut, mit denen Menschen ihre Daten zurückbekommen.</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>Alle anzeigen (%1)</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>Vorhandene anzeigen (%1)</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>Gelöschte anzeigen (%1)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Art %1</translation>
    </message>
    <message>
        <source>Tab %1</source>
        <translation>Reiter %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>Exportpfad ändern</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>Der Pfad ist ungültig, bitte wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Der Dateipfad existiert nicht, bitte ändern Sie den Exportpfad.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Exportpfad ändern</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Für den gewählten Pfad fehlen Lese- und Schreibrechte, bitte ändern Sie den Exportpfad.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Exportpfad ändern</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Neuerungen</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Es wird gesucht...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Die aktuelle Version ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Eine neue Version ist verfügbar!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version: %1 | Größe: %2 | Veröffentlicht: %3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>Die Update-Informationen konnten nicht abgerufen werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Wird geladen</translation>
    </message>
</context>
</TS>

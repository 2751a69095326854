<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation type="unfinished">Kalender</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished">Erinnerungen</translation>
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
        <translation type="unfinished">Kontakte</translation>
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
        <translation type="unfinished">Sie</translation>
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
        <translation type="unfinished">App-Audios</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished">App-Dokumente</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation type="unfinished">Audios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished">Dokumente</translation>
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
        <translation type="unfinished">Anrufliste</translation>
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
        <translation type="unfinished">OK</translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation>Videoanruf</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Sprachanruf</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Gruppenvideoanruf gestartet.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Gruppenanruf gestartet.</translation>
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
        <translation type="unfinished">Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished">Videos im Album</translation>
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
        <translation type="unfinished">App-Fotos</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished">App-Videos</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation type="unfinished">Videos</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">Fotos</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Notizen</translation>
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
        <translation type="unfinished">Kontakte</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished">Nachrichten</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished">Voicemails</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished">Sprachmemos</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished">Videos im Album</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation type="unfinished">FaceTime</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished">Safari-Lesezeichen</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation type="unfinished">Safari-Verlauf</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Notizen</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call History</source>
        <translation type="unfinished">Anrufliste</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation type="unfinished">Kalender</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished">Erinnerungen</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation type="unfinished">App-Fotos</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished">App-Videos</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation type="unfinished">App-Audios</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished">App-Dokumente</translation>
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
        <translation type="unfinished">Systemdaten</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation type="unfinished">Daten von Drittanbieter-Apps</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation type="unfinished">Alle auswählen</translation>
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
        <source>Don&apos;t open iTunes while the program is running, or the recovery will fail.</source>
        <translation>Öffnen Sie iTunes nicht, während das Programm läuft, sonst schlägt die Wiederherstellung fehl.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Bitte exportieren Sie die Daten, um sie lokal anzusehen.</translation>
    </message>
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
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>Das Herunterladen und Analysieren der iCloud-Daten dauert eine Weile. Die Scandauer hängt von der Größe Ihres iCloud-Backups ab. Bitte haben Sie etwas Geduld!</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Bitte halten Sie die Verbindung zum Gerät während des Scans stabil. Wie lange der Scan dauert, hängt von der Datenmenge des Geräts ab. Je mehr Daten, desto länger dauert es. Bitte warten.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>Die Scandauer hängt von Ihrer Datenmenge ab. Bei vielen Daten dauert der Scan lange. Bitte haben Sie etwas Geduld.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Hinweis: Wenn Sie die gesuchten Daten nicht finden, versuchen Sie andere Funktionen oder wählen Sie andere Datentypen zum Scannen.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Hinweis: Wenn Sie die gewünschten Daten nicht finden, verwenden Sie „Daten aus iTunes-Backup wiederherstellen“ oder gehen Sie zurück und wählen Sie andere Datentypen zum erneuten Scannen.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Keine Daten gefunden!</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Ihr Gerät befindet sich in einem anormalen Zustand, bitte beheben Sie das zuerst...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Hinweis: Ihr Gerät wurde in einem anormalen Zustand erkannt. Verwenden Sie am besten zuerst das &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS-Systemreparatur-Tool&lt;/a&gt;, um Ihr Gerät in einen normalen Zustand zu bringen.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Bitte verbinden Sie Ihr iOS-Gerät mit dem PC</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Hinweis:</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. Stellen Sie sicher, dass Ihr Gerät entsperrt ist.</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. Schließen Sie zum Scannen nur ein Gerät an.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Gerät ist verbunden, wird aber nicht erkannt?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Kein Gerät erkannt? Bitte versuchen Sie es mit den folgenden Schritten erneut.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Geräteumgebung analysieren</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Daten des iOS-Geräts sichern %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Daten entschlüsseln %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>Es ist ein Fehler aufgetreten und die Analyse des Geräts ist fehlgeschlagen. Bitte versuchen Sie es erneut!</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Gerät: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Ihr Gerät kann nicht gelesen werden. Bitte entsperren Sie es, tippen Sie auf „Vertrauen“, falls es danach fragt, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Nicht genügend Speicherplatz! Bitte stellen Sie sicher, dass auf Ihrem Gerät mehr als 200 MB frei sind, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Gemäß den Datenschutzrichtlinien von Apple erfordern iOS 13 und neuer verschlüsselte Backups, um Anrufliste, FaceTime und Safari-Verlauf zu scannen. Das Programm setzt das Backup-Passwort auf &lt;font color=&quot;#558AF8&quot;;&gt;%1 (bitte merken Sie sich dieses Passwort)&lt;/font&gt;. Das dauert lange. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>Es ist nicht genügend Speicherplatz vorhanden, um das ganze Backup zu entschlüsseln. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>Leider ist ein Fehler aufgetreten(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Lösungen ansehen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Bitte tippen Sie auf Ihrem iOS-Gerät auf „Vertrauen“.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Bitte geben Sie den Code auf dem iOS-Gerät ein.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Hinweis: Wenn keine Vertrauensabfrage erscheint, stecken Sie Ihr Gerät bitte erneut an.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Bitte vertrauen Sie diesem Computer auf dem Gerät %1(%2).</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>Ihr Gerät wird analysiert</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Bitte geben Sie den Code auf Ihrem iOS-Gerät ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Entsperren Sie das Gerät und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Stecken Sie Ihr Gerät erneut an und achten Sie auf eine sichere Verbindung. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Starten Sie Gerät und Programm neu und verbinden Sie das Gerät dann erneut.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. Alles erfolglos? Bitte reparieren Sie Ihr Gerät mit dem &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS-Systemreparatur-Tool&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Scan starten</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>Die Verbindung zu Ihrem Gerät wurde getrennt, bitte verbinden Sie es erneut.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Es werden Daten gesichert. Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; ist verbunden! Bitte wählen Sie die Datentypen, die Sie wiederherstellen möchten.</translation>
    </message>
    <message>
        <source>Photos</source>
        <extracomment>Category of pictures; also a tab of chat attachments and the name of an exported folder.</extracomment>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Videos im Album</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Voicemails</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Sprachmemos</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari-Lesezeichen</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Safari-Verlauf</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Anrufliste</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>App-Fotos</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>App-Videos</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>App-Audios</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>App-Dokumente</translation>
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
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Systemdaten</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Daten von Drittanbieter-Apps</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>Ihr iOS-Gerät wird analysiert, das dauert eine Weile....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Ihr iTunes-Backup ist verschlüsselt, bitte geben Sie Ihr Passwort ein.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Entschlüsseln</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;iTunes-Backup-Passwort vergessen?</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>Passwort wird geprüft, bitte warten...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Unterhaltungen</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Videos]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Audios]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Fotos]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Anhang]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>An: </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Unsent</source>
        <extracomment>State of a chat message that never left the phone, shown beside it in the exported page.</extracomment>
        <translation>Nicht gesendet</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Audios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation>Einzelchats</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Gruppenchats</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Markierte Nachrichten</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>LINE Keep-Arten</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Senden fehlgeschlagen</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Zitat:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Weiterlesen</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Kontaktkarte</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>Bitte laden Sie die Datei vor der Wiederherstellung zuerst herunter!</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Diese Datei ist abgelaufen!</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Diese Nachricht wurde gelöscht!</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Nicht unterstützter Datentyp!</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Sprachnachricht]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Anruf]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Kontaktkarte]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Standort]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Dokumente]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[Sticker]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[Sticker]</translation>
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
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation type="unfinished">
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
        <translation type="unfinished">Notizen</translation>
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
        <translation type="unfinished">OK</translation>
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
        <translation type="unfinished">Abbrechen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished">Fortfahren</translation>
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
        <translation type="unfinished">Ja</translation>
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
        <translation type="unfinished">Safari-Verlauf</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished">Safari-Lesezeichen</translation>
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
        <translation type="unfinished">Sprachmemos</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished">Voicemails</translation>
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
        <translation type="unfinished">Notizen</translation>
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

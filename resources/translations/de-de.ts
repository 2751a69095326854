<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translatorcomment>Glossary: backup = Backup (iTunes-Backup, iCloud-Backup), back up = sichern; scan = scannen / Scan; recover = wiederherstellen / Wiederherstellung; export = exportieren / Export; device = Gerät; attachment = Anhang, Plural Anhänge; passcode = Code; sign in = anmelden; chat/conversation = Chat/Unterhaltung; data type = Datentyp; You (chat) = Sie. Anrede: Sie. Anführungszeichen „…“. WhatsApp-Systemtexte: Perfekt, bei nachgestelltem Objekt mit Doppelpunkt („Ann hat hinzugefügt: Bob“); „&apos;s …“-Fragmente werden als „: …“ direkt an Namen oder Nummer angehängt.</translatorcomment>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Erinnerungsdatum</translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation>Alle Zeilen auswählen</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation>Weitere Nummer</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Mobilnummer</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Telefon privat</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Telefon geschäftlich</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Telefon Schule</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>iPhone-Nummer</translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation>Apple-Watch-Nummer</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Hauptnummer</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Fax privat</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Fax geschäftlich</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pager-Nummer</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Weitere E-Mail</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>E-Mail privat</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>E-Mail geschäftlich</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>E-Mail Schule</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>iCloud-E-Mail</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Weitere URL</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>URL privat</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>URL geschäftlich</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>URL Schule</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Weitere Adresse</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Adresse privat</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Adresse geschäftlich</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Adresse Schule</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Weiteres Datum</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Chinesischer Geburtstag</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Jahrestag</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Weitere Beziehung</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Vater</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Mutter</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Bruder</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Schwester</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Älterer Bruder</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Ältere Schwester</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Jüngerer Bruder</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Jüngere Schwester</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Ehemann</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Ehefrau</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Sohn</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Tochter</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Freund</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Vorgesetzter</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Kollege</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Weiteres soziales Profil</translation>
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
        <translation>Weiterer Messenger</translation>
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
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Geburtstag:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>you</source>
        <translation>Sie</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation>
            <numerusform>%1 und %n weiterer Kontakt</numerusform>
            <numerusform>%1 und %n weitere Kontakte</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Title of a starred WhatsApp message: who sent it, then the chat or person it went to.</extracomment>
        <translation>%1 an %2</translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation>App-Audiodateien</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>App-Dokumente</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation>Audiodateien</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Anrufart</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Eingehender Anruf</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Ausgehender Anruf</translation>
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
        <translation>Anrufliste</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation>Letzte 3 Monate</translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation>Letzte 6 Monate</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation>Eigener Zeitraum</translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation>Zeitraum wählen</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation>Von (Tage)</translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation>Bis (Tage)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Gruppen-Videoanruf gestartet.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Gruppen-Sprachanruf gestartet.</translation>
    </message>
</context>
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation>Nachrichtenanhänge</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Videos im Album</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Notizanhänge</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Kalenderanhänge</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Erinnerungsanhänge</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>App-Fotos</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>App-Videos</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation>Diese Notiz ist gesperrt!</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anhänge</translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Nachrichtenanhänge</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Voicemail</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Sprachmemos</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Videos im Album</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
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
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Notizanhänge</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Anrufliste</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Kalenderanhänge</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Erinnerungsanhänge</translation>
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
        <translation>App-Audiodateien</translation>
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
        <source>WhatsApp Attachment</source>
        <translation>WhatsApp-Anhänge</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>LINE-Anhänge</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Systemdaten</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Daten von Drittanbieter-Apps</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
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
        <translation>Stellt gelöschte Daten direkt von Ihrem iOS-Gerät wieder her, darunter Nachrichten, Kontakte, Fotos usw.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Daten aus iTunes-Backup wiederherstellen</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Scannt ein iTunes-Backup und zeigt eine Vorschau seiner Daten.</translation>
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
        <translation>Bitte exportieren Sie die Daten, um sie auf Ihrem Computer anzusehen.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) holt zurück, was auf einem iPhone oder iPad verloren gegangen ist: Nachrichten, Kontakte, Fotos, Notizen, Chats und mehr – direkt vom Gerät, aus einem iTunes-Backup oder aus einem iCloud-Backup. Entwickelt wird es vom Quenrow-Team, das mit Sorgfalt Werkzeuge baut, mit denen Menschen ihre Daten zurückbekommen.</translation>
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
        <extracomment>Check box above a list of records that ticks every record shown.</extracomment>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Spoken name and tool tip of the funnel button that opens the date filter.</extracomment>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Typ %1</translation>
    </message>
    <message>
        <source>Tab %1</source>
        <translation>Registerkarte %1</translation>
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
        <translation>Der Pfad ist ungültig. Bitte wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <extracomment>Spoken for the lock of a password-protected backup in the list of backups.</extracomment>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Der Pfad existiert nicht. Bitte ändern Sie den Exportpfad.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Exportpfad ändern</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Für den gewählten Pfad fehlen Lese- und Schreibrechte. Bitte ändern Sie den Exportpfad.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Exportpfad ändern</translation>
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
        <translation>Es wird nach Updates gesucht…</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Sie verwenden bereits die neueste Version.</translation>
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
        <translation>Das Herunterladen und Analysieren der iCloud-Daten dauert eine Weile. Wie lange der Scan dauert, hängt von der Größe Ihres iCloud-Backups ab. Bitte haben Sie etwas Geduld.</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Bitte achten Sie während des Scans auf eine stabile Verbindung zum Gerät. Wie lange der Scan dauert, hängt von der Datenmenge auf dem Gerät ab: Je mehr Daten, desto länger dauert es. Bitte haben Sie etwas Geduld.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>Wie lange der Scan dauert, hängt von Ihrer Datenmenge ab. Bei vielen Daten kann er lange dauern. Bitte haben Sie etwas Geduld.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Hinweis: Wenn Sie die gesuchten Daten nicht finden, versuchen Sie eine andere Funktion oder wählen Sie andere Datentypen zum Scannen aus.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Hinweis: Wenn Sie die gesuchten Daten nicht finden, verwenden Sie „Daten aus iTunes-Backup wiederherstellen“ oder gehen Sie zurück und wählen Sie andere Datentypen für einen neuen Scan aus.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Keine Daten gefunden!</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Ihr Gerät befindet sich in einem fehlerhaften Zustand. Bitte beheben Sie das Problem zuerst.</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Hinweis: Ihr Gerät befindet sich in einem fehlerhaften Zustand. Bringen Sie es am besten zuerst mit dem &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS-Systemreparatur-Tool&lt;/a&gt; wieder in einen normalen Zustand.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Bitte verbinden Sie Ihr iOS-Gerät mit dem Computer</translation>
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
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Gerät verbunden, aber nicht erkannt?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Kein Gerät erkannt? Bitte versuchen Sie es mit den folgenden Schritten erneut.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Gerät analysieren</translation>
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
        <translation>Bei der Analyse des Geräts ist ein Fehler aufgetreten. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Gerät: &lt;font color=&quot;#558AF8&quot;;&gt;%1 (%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Ihr Gerät kann nicht gelesen werden. Bitte entsperren Sie es, tippen Sie auf „Vertrauen“, falls Sie dazu aufgefordert werden, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Nicht genügend Speicherplatz! Bitte sorgen Sie dafür, dass auf Ihrem Gerät mehr als 200 MB frei sind, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Gemäß den Datenschutzrichtlinien von Apple ist ab iOS 13 ein verschlüsseltes Backup nötig, um Anrufliste, FaceTime und Safari-Verlauf zu scannen. Das Programm setzt das Backup-Passwort auf &lt;font color=&quot;#558AF8&quot;;&gt;%1 (bitte merken Sie sich dieses Passwort)&lt;/font&gt;. Das kann lange dauern. Möchten Sie fortfahren?</translation>
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
        <translation>Auf dem Datenträger ist nicht genügend Platz, um das gesamte Backup zu entschlüsseln. Möchten Sie trotzdem fortfahren?</translation>
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
        <translation>Leider ist ein Fehler aufgetreten (%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Lösungen ansehen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Bitte tippen Sie auf Ihrem iOS-Gerät auf „Vertrauen“.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Bitte geben Sie auf dem iOS-Gerät Ihren Code ein.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Hinweis: Wenn die Frage „Diesem Computer vertrauen?“ nicht erscheint, trennen Sie Ihr Gerät und schließen Sie es erneut an.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Bitte vertrauen Sie diesem Computer auf dem Gerät %1 (%2).</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>Ihr Gerät wird analysiert</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Bitte geben Sie auf Ihrem iOS-Gerät den Code ein, um fortzufahren.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Entsperren Sie das Gerät und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Trennen Sie Ihr Gerät, schließen Sie es erneut an und achten Sie auf eine stabile Verbindung. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Starten Sie Gerät und Programm neu und schließen Sie das Gerät dann wieder an.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. Nichts hat geholfen? Reparieren Sie Ihr Gerät mit dem &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS-Systemreparatur-Tool&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button that leaves the scan results for the previous page; about 12 characters fit.</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <extracomment>Button that starts reading the chosen categories from the device or backup; about 14 characters fit.</extracomment>
        <translation>Scan starten</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>Die Verbindung zu Ihrem Gerät wurde getrennt. Bitte schließen Sie es erneut an.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Die Daten werden gerade gesichert. Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1 (%2)&lt;/font&gt; ist verbunden. Bitte wählen Sie die Datentypen aus, die Sie wiederherstellen möchten.</translation>
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
        <translation>Voicemail</translation>
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
        <translation>App-Audiodateien</translation>
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
        <translation>Ihr iOS-Gerät wird analysiert. Das kann eine Weile dauern…</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Ihr iTunes-Backup ist verschlüsselt. Bitte geben Sie das Backup-Passwort ein.</translation>
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
        <translation>Passwort wird geprüft, bitte warten…</translation>
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
        <translation>[Video]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Audio]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Foto]</translation>
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
        <translation>Audiodateien</translation>
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
        <translation>LINE-Keep-Typen</translation>
    </message>
    <message>
        <source>Texts</source>
        <extracomment>Kinds of LINE Keep items, as tabs above the list: texts, photos, videos, files, links, other.</extracomment>
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
        <translation>Bitte laden Sie die Datei herunter, bevor Sie Daten wiederherstellen.</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Diese Datei ist nicht mehr verfügbar.</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Diese Nachricht wurde gelöscht.</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Nicht unterstützter Datentyp</translation>
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
        <translation>[Sprachanruf]</translation>
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
        <translation>[Dokument]</translation>
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
        <translation>: LINE-Chat</translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation>Einzelchats</translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation>: Einzelchats</translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation>Gruppenchats</translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation>: Gruppenchats</translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation>: LINE Keep</translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation>: WhatsApp-Chat</translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation>Markierte Nachrichten</translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation>: Markierte Nachrichten</translation>
    </message>
    <message>
        <source>You created group</source>
        <translation>Sie haben die Gruppe erstellt:</translation>
    </message>
    <message>
        <source>careated group</source>
        <translation>hat die Gruppe erstellt:</translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation>Sie haben das Gruppenbild geändert</translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation>hat das Gruppenbild geändert</translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation>Sie haben den Gruppennamen geändert:</translation>
    </message>
    <message>
        <source> to </source>
        <translation> → </translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation>hat den Gruppennamen geändert:</translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation>Sie sind der Gruppe über den Einladungslink beigetreten</translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation>ist der Gruppe über den Einladungslink beigetreten</translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation>Sie haben die Gruppenbeschreibung geändert:</translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation>hat die Gruppenbeschreibung geändert:</translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>Sie haben selbstlöschende Nachrichten aktiviert. Alle neuen Nachrichten in diesem Chat verschwinden 24 Stunden nach dem Senden</translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>hat selbstlöschende Nachrichten aktiviert. Alle neuen Nachrichten in diesem Chat verschwinden 24 Stunden nach dem Senden</translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation>hat selbstlöschende Nachrichten deaktiviert</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation>hat die Gruppeneinstellungen geändert: Nur Admins dürfen die Gruppeninfo bearbeiten</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation>hat die Gruppeneinstellungen geändert: Nur Admins dürfen Nachrichten an diese Gruppe senden</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation>hat die Gruppeneinstellungen geändert: Alle Teilnehmer dürfen die Gruppeninfo bearbeiten</translation>
    </message>
    <message>
        <source>You were added</source>
        <translation>Sie wurden hinzugefügt</translation>
    </message>
    <message>
        <source>You was added</source>
        <translation>Sie wurden hinzugefügt</translation>
    </message>
    <message>
        <source>was added</source>
        <translation>wurde hinzugefügt</translation>
    </message>
    <message>
        <source>were added</source>
        <translation>wurden hinzugefügt</translation>
    </message>
    <message>
        <source> added you</source>
        <translation> hat Sie hinzugefügt</translation>
    </message>
    <message>
        <source> added You</source>
        <translation> hat Sie hinzugefügt</translation>
    </message>
    <message>
        <source>You added </source>
        <translation>Sie haben hinzugefügt: </translation>
    </message>
    <message>
        <source> added </source>
        <translation> hat hinzugefügt: </translation>
    </message>
    <message>
        <source>You removed </source>
        <translation>Sie haben entfernt: </translation>
    </message>
    <message>
        <source> removed </source>
        <translation> hat entfernt: </translation>
    </message>
    <message>
        <source>You left</source>
        <translation>Sie haben die Gruppe verlassen</translation>
    </message>
    <message>
        <source> left</source>
        <translation> hat die Gruppe verlassen</translation>
    </message>
    <message>
        <source> has joined</source>
        <translation> ist beigetreten</translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation>wurde geändert in</translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation>Sie haben einen Anruf gestartet</translation>
    </message>
    <message>
        <source>started a call</source>
        <translation>hat einen Anruf gestartet</translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation>Sie haben einen Videoanruf gestartet</translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation>hat einen Videoanruf gestartet</translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation>Sie haben diesen Kontakt blockiert</translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation>Sie haben die Blockierung dieses Kontakts aufgehoben</translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation>Sie sind jetzt Admin</translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation>ist jetzt Admin</translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation>Sie sind kein Admin mehr</translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation>ist kein Admin mehr</translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation>Sie haben eine Broadcast-Liste erstellt</translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation>hat eine Broadcast-Liste erstellt</translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation>Sie haben eine Broadcast-Liste mit</translation>
    </message>
    <message>
        <source> recipients</source>
        <translation> Empfängern erstellt</translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation>hat eine Broadcast-Liste mit</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation>hat die Gruppeneinstellungen geändert: Alle Teilnehmer dürfen Nachrichten an diese Gruppe senden</translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation>Gruppenanruf beendet</translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation>Sprachanruf beendet</translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation>Drücken Sie „Strg“ + „F“, um zu suchen.</translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation>Möchten Sie diese Unterhaltung als PDF speichern? Klicken Sie oben rechts im Browser auf die drei Punkte, wählen Sie „Drucken“ und dann als Drucker „Als PDF speichern“.</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Ausgehender Anruf</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Eingehender Anruf</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Priority of a reminder (High, Middle, Low, None).</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>State of a reminder in its detail row and the exported reminders.</extracomment>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Berufsbezeichnung</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Spitzname</translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation>iTunes-Backups werden gesucht…</translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation>iTunes-Backup wird entschlüsselt…</translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation>Hinweis: Das dauert eine Weile. Bitte haben Sie etwas Geduld.</translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation>Ihr iTunes-Backup wird gerade entschlüsselt. Möchten Sie den Vorgang abbrechen?</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Passwort anzeigen</translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation>Bitte wählen Sie die Datentypen aus, die Sie wiederherstellen möchten.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Gerätename</translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation>Backup-Datum</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Gerätemodell</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation>iTunes-Backups</translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation>Hinweis: Wenn Ihr Backup nicht in der Liste steht, können Sie ein Backup aus einem anderen Ordner &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;auswählen&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation>In diesem Ordner befindet sich kein iTunes-Backup. Bitte wählen Sie ein anderes Backup aus.</translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation>Zum Entschlüsseln dieses Backups werden etwa %1 Speicherplatz benötigt. Bitte schaffen Sie Platz auf dem Datenträger und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation>Das Backup konnte leider nicht entschlüsselt werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation>Ihr iTunes-Backup wurde leider nicht gefunden.</translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation>Bei iCloud anmelden</translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation>Hinweis:
1. Damit sich die iCloud-Inhalte nicht verändern, schließen Sie das Gerät bitte nicht an den Computer an.
2. Wir nehmen Ihre Privatsphäre und Sicherheit ernst und speichern Ihre Apple-Account-Daten niemals.
3. Die Anmeldung mit Telefonnummer wird derzeit nicht unterstützt. Bitte melden Sie sich mit Ihrer E-Mail-Adresse bei iCloud an.
</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Apple ID oder Passwort vergessen?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation>Apple ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation>Bitte prüfen Sie Ihre Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation>Apple ID oder Passwort ist falsch.</translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation>iCloud ist auf dieser Plattform nicht verfügbar.</translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation>Die Anmeldung ist aus unbekanntem Grund fehlgeschlagen. Hier finden Sie &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;mögliche Lösungen&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation>Für diesen Account ist die Zwei-Faktor-Authentifizierung aktiviert. Bitte geben Sie den Bestätigungscode ein, den Sie auf Ihrem Gerät erhalten haben.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Hinweise von Apple</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Ziffer %1</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Code per SMS%2</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Code erneut senden%2</translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation>Code per SMS</translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation>Code erneut senden</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Zu viele Versuche. Bitte versuchen Sie es später erneut.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Falscher Bestätigungscode.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Abmelden)</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation>Möchten Sie wirklich zurückgehen? Sie müssen sich danach erneut bei iCloud anmelden.</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation>Bitte wählen Sie ein iTunes-Backup zum Scannen aus.</translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation>Bitte wählen Sie die Datentypen aus, die Sie wiederherstellen möchten.</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Nachrichtenanhänge</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Notizanhänge</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Kalenderanhänge</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Erinnerungsanhänge</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>WhatsApp-Anhänge</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>LINE-Anhänge</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation>Die Daten konnten nicht heruntergeladen werden. Bitte versuchen Sie es erneut oder melden Sie sich mit einer anderen Apple ID an.</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation>Möchten Sie wirklich zurückgehen? Sie müssen die Daten danach erneut herunterladen.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation>Der Scan läuft noch. Möchten Sie wirklich zurückgehen?</translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation>Möchten Sie wirklich zurückgehen? Dann müssen Sie die Daten erneut scannen.</translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation>Die Daten werden gerade aus dem iCloud-Backup heruntergeladen. Möchten Sie den Download wirklich stoppen? Die Daten werden dann nicht vollständig heruntergeladen.</translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation>Möchten Sie den Scan wirklich stoppen? Dann werden einige Daten nicht gescannt.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation>Der Scan läuft noch. Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation>Der Scan ist abgeschlossen. Möchten Sie das Programm wirklich beenden? Die Scanergebnisse werden dann nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation>Die Verbindung zu Ihrem Gerät (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) wurde getrennt und der Scan unterbrochen. Das Programm wertet die bereits gescannten Daten aus und zeigt sie an.</translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation>Die Verbindung zum Gerät (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) wurde getrennt. Einige Datentypen können nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation>Bitte wählen Sie die Daten aus, die Sie wiederherstellen möchten.</translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation>Nicht genügend Speicherplatz, der Export ist fehlgeschlagen. Bitte sorgen Sie dafür, dass auf dem Datenträger mehr als 100 MB frei sind.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n Eintrag wurde heruntergeladen. Bitte stellen Sie Ihre Daten so bald wie möglich wieder her.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Hinweis: Wenn Sie die benötigten Daten nicht finden, gehen Sie zurück und laden Sie sie erneut herunter.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n Einträge wurden heruntergeladen. Bitte stellen Sie Ihre Daten so bald wie möglich wieder her.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Hinweis: Wenn Sie die benötigten Daten nicht finden, gehen Sie zurück und laden Sie sie erneut herunter.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Scan abgeschlossen: %n Eintrag gefunden. Bitte stellen Sie Ihre Daten so bald wie möglich wieder her.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Hinweis: Gelöschte Daten werden bei weiterer Nutzung des Geräts leicht überschrieben, daher kann jeder Scan andere Ergebnisse liefern. Wenn Sie gelöschte Daten gefunden haben, sollten Sie sie so bald wie möglich wiederherstellen.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Scan abgeschlossen: %n Einträge gefunden. Bitte stellen Sie Ihre Daten so bald wie möglich wieder her.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Hinweis: Gelöschte Daten werden bei weiterer Nutzung des Geräts leicht überschrieben, daher kann jeder Scan andere Ergebnisse liefern. Wenn Sie gelöschte Daten gefunden haben, sollten Sie sie so bald wie möglich wiederherstellen.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s Messages</source>
        <translation>Nachrichten von %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>a contact&apos;s note</comment>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>(%1s)</source>
        <extracomment>Seconds left before a new code can be asked for, after the link&apos;s text.</extracomment>
        <translation>(%1 s)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation>Apple-Watch-Nummer</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Telefon privat</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Fax privat</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Hauptnummer</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Mobilnummer</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pager-Nummer</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Telefon Schule</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Telefon geschäftlich</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Fax geschäftlich</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>iPhone-Nummer</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>E-Mail privat</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>E-Mail Schule</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>E-Mail geschäftlich</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>iCloud-E-Mail</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>URL privat</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>URL Schule</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>URL geschäftlich</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Adresse privat</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Adresse Schule</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Adresse geschäftlich</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Jahrestag</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Geburtstag</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Chinesischer Geburtstag</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Bruder</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Kollege</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Tochter</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Älterer Bruder</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Ältere Schwester</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Vater</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Freund</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Ehemann</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Mutter</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Schwester</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Sohn</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Vorgesetzter</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Ehefrau</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Jüngerer Bruder</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Jüngere Schwester</translation>
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
        <translation>Weitere Nummer</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Weitere E-Mail</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Weitere URL</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Weitere Adresse</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Weiteres Datum</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Weitere Beziehung</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Weiteres soziales Profil</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>Weiterer Messenger</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anhänge</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Anrufart</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Erstellt am</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Erinnerungsdatum</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Abteilung</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Berufsbezeichnung</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Spitzname</translation>
    </message>
</context>
<context>
    <name>RecoverNoticeDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RecoverPathunreadabilityDialog</name>
    <message>
        <source>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</source>
        <translation>Den Exportpfad können Sie in den &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Einstellungen&lt;/a&gt; ändern.</translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation>Daten werden exportiert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation>Daten werden exportiert: %1 %2 %3</translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation>Die Daten werden gerade exportiert. Möchten Sie den Export wirklich stoppen?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation>Die Wiederherstellung ist fehlgeschlagen. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation>Erfolgreich wiederhergestellt: %1; fehlgeschlagen: %2.
Bitte achten Sie auf eine stabile Verbindung zum Gerät und versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation>Erfolgreich wiederhergestellt: %1; fehlgeschlagen: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation>
            <numerusform>%n Eintrag wurde erfolgreich wiederhergestellt.</numerusform>
            <numerusform>%n Einträge wurden erfolgreich wiederhergestellt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation>Safari-Verlauf</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Safari-Lesezeichen</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>mailName</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation>Sprachmemos</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Voicemail</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anhänge</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Erstellt am</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Erinnerungsdatum</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <translation type="unfinished">Calendari</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished">Promemoria</translation>
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
        <translation type="unfinished">Contatti</translation>
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
        <translation type="unfinished">Tu</translation>
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
        <translation type="unfinished">Audio delle app</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished">Documenti delle app</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation type="unfinished">Audio</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished">Documenti</translation>
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
        <translation type="unfinished">Registro chiamate</translation>
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
        <translation>Videochiamata</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Chiamata vocale</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Videochiamata di gruppo avviata.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Chiamata vocale di gruppo avviata.</translation>
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
        <translation type="unfinished">Foto</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished">Video nell&apos;album</translation>
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
        <translation type="unfinished">Foto delle app</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished">Video delle app</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation type="unfinished">Video</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">Foto</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Note</translation>
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
        <translation type="unfinished">Contatti</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished">Messaggi</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished">Segreteria</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished">Memo vocali</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">Foto</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished">Video nell&apos;album</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation type="unfinished">FaceTime</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished">Preferiti di Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation type="unfinished">Cronologia di Safari</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Note</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call History</source>
        <translation type="unfinished">Registro chiamate</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation type="unfinished">Calendari</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished">Promemoria</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation type="unfinished">Foto delle app</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished">Video delle app</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation type="unfinished">Audio delle app</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished">Documenti delle app</translation>
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
        <translation type="unfinished">Dati di sistema</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation type="unfinished">Dati delle app di terze parti</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation type="unfinished">Seleziona tutto</translation>
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
        <translation>Recupera completamente i tuoi dati dal dispositivo iOS</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Recupera dati dal dispositivo iOS</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Recupera i dati eliminati direttamente dal tuo dispositivo iOS, inclusi messaggi, contatti, immagini, ecc.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Recupera dati dal backup di iTunes</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Analizza e mostra in anteprima i dati del backup di iTunes.</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>Recupera dati dal backup di iCloud</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>Recupera i dati sincronizzati con iCloud.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingue</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Apri cartella dei log</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t open iTunes while the program is running, or the recovery will fail.</source>
        <translation>Non aprire iTunes mentre il programma è in esecuzione, altrimenti il recupero non riuscirà.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Esporta i dati in locale per visualizzarli.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) recupera ciò che è andato perso su un iPhone o iPad: messaggi, contatti, foto, note, chat e altro, dal dispositivo stesso, da un backup di iTunes o da un backup di iCloud. È realizzato dal team Quenrow, che crea strumenti accurati per restituire alle persone i propri dati.</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>Mostra tutti (%1)</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>Mostra esistenti (%1)</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>Mostra eliminati (%1)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Tipo %1</translation>
    </message>
    <message>
        <source>Tab %1</source>
        <translation>Scheda %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>Cambia il percorso di esportazione</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>Il percorso non è valido, sceglierne un altro.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>Crittografato</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Il percorso non esiste, cambiare il percorso di esportazione.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Cambia il percorso di esportazione</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Il percorso scelto non ha i permessi di lettura e scrittura, cambiare il percorso di esportazione.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Cambia il percorso di esportazione</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novità</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Verifica in corso...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>La versione attuale è aggiornata.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>È disponibile una nuova versione!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versione: %1 | Dimensione: %2 | Data di rilascio: %3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>Impossibile ottenere le informazioni sull&apos;aggiornamento. Riprovare più tardi.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>Scaricare e analizzare i dati di iCloud richiede un po&apos; di tempo. La durata della scansione dipende dalle dimensioni del backup iCloud. Attendi con pazienza!</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Mantieni stabile la connessione del dispositivo durante la scansione. La durata dipende dalla quantità di dati del dispositivo. Più dati ci sono, più tempo serve. Attendi.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>La durata della scansione dipende dalla quantità di dati. Se hai molti dati ci vorrà parecchio. Attendi con pazienza.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Nota: se non trovi i dati che ti servono, prova altre funzioni oppure scegli altri tipi di dati da scansionare.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Nota: se non trovi i dati che cerchi, usa «Recupera dati dal backup di iTunes» oppure torna indietro e scegli altri tipi di dati da scansionare.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Nessun dato trovato!</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Il dispositivo è in uno stato anomalo, riparalo prima...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Nota: il dispositivo è stato rilevato in uno stato anomalo. È meglio usare prima lo &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;strumento di riparazione del sistema iOS&lt;/a&gt; per riportarlo a uno stato normale.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Collega il dispositivo iOS al PC</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. Assicurati che il dispositivo sia sbloccato.</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. Collega un solo dispositivo da scansionare.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Il dispositivo è collegato ma non riconosciuto?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Nessun dispositivo rilevato? Segui i passaggi qui sotto e riprova.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Analisi dell&apos;ambiente del dispositivo</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Backup dei dati del dispositivo iOS %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Decrittografia dei dati %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>Si è verificato un errore e l&apos;analisi del dispositivo non è riuscita. Riprova!</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Dispositivo: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Impossibile leggere il dispositivo. Sbloccalo, tocca «Autorizza» se lo chiede, poi riprova.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Spazio insufficiente! Assicurati che sul dispositivo ci siano più di 200 MB liberi e riprova.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Secondo l&apos;informativa sulla privacy di Apple, iOS 13 e versioni successive richiedono backup crittografati per scansionare registro chiamate, FaceTime e cronologia di Safari. Il programma imposterà la password di backup su &lt;font color=&quot;#558AF8&quot;;&gt;%1 (ricorda questa password)&lt;/font&gt;. Ci vorrà molto tempo. Vuoi continuare?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>Lo spazio su disco non basta per decrittografare tutto il backup. Vuoi continuare?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>Spiacenti, si è verificato un errore(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Vedi le soluzioni&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Tocca «Autorizza» sul dispositivo iOS.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Inserisci il codice sul dispositivo iOS.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Nota: se non vedi la richiesta di autorizzazione, ricollega il dispositivo.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Autorizza questo computer sul dispositivo %1(%2).</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>Analisi del dispositivo</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Inserisci il codice sul dispositivo iOS per continuare.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Sblocca il dispositivo e riprova.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Ricollega il dispositivo e assicurati che la connessione sia stabile. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Riavvia il dispositivo e il programma, poi ricollega il dispositivo.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. Non ha funzionato nulla? Prova a riparare il dispositivo con lo &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;strumento di riparazione del sistema iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Avvia scansione</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>Il dispositivo è scollegato, ricollegalo.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Backup dei dati in corso, vuoi davvero uscire dal programma?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; è collegato! Scegli i tipi di dati da recuperare.</translation>
    </message>
    <message>
        <source>Photos</source>
        <extracomment>Category of pictures; also a tab of chat attachments and the name of an exported folder.</extracomment>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Video nell&apos;album</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Segreteria</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendari</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Memo vocali</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Preferiti di Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Cronologia di Safari</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Registro chiamate</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>Foto delle app</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>Video delle app</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>Audio delle app</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>Documenti delle app</translation>
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
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Dati di sistema</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Dati delle app di terze parti</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>Analisi del dispositivo iOS in corso, ci vorrà un po&apos;....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Il backup di iTunes è crittografato, inserisci la password.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Inserisci la password</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Decrittografa</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Password del backup di iTunes dimenticata?</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>Verifica della password, attendi...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Password errata</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Conversazioni</translation>
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
        <translation>[Allegato]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>A: </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Unsent</source>
        <extracomment>State of a chat message that never left the phone, shown beside it in the exported page.</extracomment>
        <translation>Non inviato</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation>Messaggi individuali</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Messaggi di gruppo</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Messaggi importanti</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>Tipi di LINE Keep</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Testi</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Invio non riuscito</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Citazione:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Leggi tutto</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Scheda contatto</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>Prima di ripristinare i dati, scarica il file!</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Questo file è scaduto!</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Questo messaggio è stato eliminato!</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Tipo di dati non supportato!</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Vocale]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Chiamata vocale]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Scheda contatto]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Posizione]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Documenti]</translation>
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
        <translation type="unfinished">Note</translation>
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
        <translation type="unfinished">Annulla</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished">Continua</translation>
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
        <translation type="unfinished">Sì</translation>
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
        <translation type="unfinished">Cronologia di Safari</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished">Preferiti di Safari</translation>
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
        <translation type="unfinished">Memo vocali</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished">Segreteria</translation>
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
        <translation type="unfinished">Note</translation>
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

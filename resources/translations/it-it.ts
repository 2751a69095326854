<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translatorcomment>Glossary: backup = backup (m.), back up = eseguire il backup; scan = scansione / scansionare; recover/restore = recuperare, recupero; export = esportare, esportazione; device = dispositivo; attachment = allegato; decrypt = decrittografare; encrypted = crittografato; sign in = accedere, accesso; passcode = codice; Trust = «Autorizza»; delete = eliminare; call history = registro chiamate; voicemail = segreteria; starred = importanti; admin = amministratore; disappearing messages = messaggi effimeri. Registro: frasi in forma impersonale (infinito: «Collegare…», «Riprovare»), pulsanti all&apos;imperativo come d&apos;uso («Salva», «Recupera»); i messaggi di sistema delle chat WhatsApp riprendono la forma di WhatsApp («Hai creato il gruppo», «Ann ti ha aggiunto»). Virgolette «…».</translatorcomment>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Data promemoria</translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation>Calendari</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation>Seleziona tutte le righe</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation>Altro numero</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Numero di cellulare</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Numero di casa</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Numero di lavoro</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Numero della scuola</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>Numero iPhone</translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation>Numero Apple Watch</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Numero principale</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Fax di casa</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Fax di lavoro</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Numero cercapersone</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Altra email</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>Email di casa</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>Email di lavoro</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>Email della scuola</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>Email iCloud</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Altro URL</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>URL di casa</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>URL di lavoro</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>URL della scuola</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Altro indirizzo</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Indirizzo di casa</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Indirizzo di lavoro</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Indirizzo della scuola</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Altra data</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Compleanno</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Compleanno (calendario cinese)</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversario</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Altra relazione</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Padre</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Madre</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Fratello</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Sorella</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Fratello maggiore</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Sorella maggiore</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Fratello minore</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Sorella minore</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Marito</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Moglie</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Figlio</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Figlia</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Amico</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Responsabile</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Collega</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Altro profilo social</translation>
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
        <translation>Altra messaggistica istantanea</translation>
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
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Azienda:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Compleanno:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Note:</translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>you</source>
        <translation>te</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation>
            <numerusform>%1 e %n altro contatto</numerusform>
            <numerusform>%1 e altri %n contatti</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Title of a starred WhatsApp message: who sent it, then the chat or person it went to.</extracomment>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation>Audio delle app</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>Documenti delle app</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numero di telefono</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Tipo di chiamata</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Chiamata in entrata</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Chiamata in uscita</translation>
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
        <translation>Registro chiamate</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation>Tutto</translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation>Ultimi 7 giorni</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Ultimo mese</translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation>Ultimi 3 mesi</translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation>Ultimi 6 mesi</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Ultimo anno</translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation>Seleziona periodo</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni fa</translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation>Da (giorni fa)</translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation>A (giorni fa)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
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
        <translation>Allegati dei messaggi</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Video nell&apos;album</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Allegati delle note</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Allegati dei calendari</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Allegati dei promemoria</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>Foto delle app</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>Video delle app</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation>Questa nota è bloccata.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenuto</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Allegati</translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation>Contatti</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messaggi</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Allegati dei messaggi</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Segreteria</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Memo vocali</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Video nell&apos;album</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
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
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Allegati delle note</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Registro chiamate</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendari</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Allegati dei calendari</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Allegati dei promemoria</translation>
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
        <source>WhatsApp Attachment</source>
        <translation>Allegati di WhatsApp</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>Allegati di LINE</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Dati di sistema</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Dati delle app di terze parti</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>Recupero completo dei dati dal dispositivo iOS</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Recupera dati dal dispositivo iOS</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Recupera i dati eliminati direttamente dal dispositivo iOS: messaggi, contatti, immagini e altro ancora.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Recupera dati dal backup di iTunes</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Esegue la scansione del backup di iTunes e mostra l&apos;anteprima dei dati.</translation>
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
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Apri la cartella dei log</translation>
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
        <translation>Per visualizzare questi dati, esportarli sul computer.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) recupera ciò che è andato perso su un iPhone o un iPad: messaggi, contatti, foto, note, chat e altro ancora, direttamente dal dispositivo, da un backup di iTunes o da un backup di iCloud. È sviluppato dal team di Quenrow, che realizza strumenti affidabili per aiutare le persone a recuperare i propri dati.</translation>
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
        <extracomment>Check box above a list of records that ticks every record shown.</extracomment>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Spoken name and tool tip of the funnel button that opens the date filter.</extracomment>
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
        <translation>Il percorso non è valido. Sceglierne un altro.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <extracomment>Spoken for the lock of a password-protected backup in the list of backups.</extracomment>
        <translation>Crittografato</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Il percorso non esiste. Sceglierne un altro per l&apos;esportazione.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Cambia il percorso di esportazione</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Non si dispone dei permessi di lettura e scrittura per il percorso scelto. Sceglierne un altro per l&apos;esportazione.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Cambia il percorso di esportazione</translation>
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
        <translation>Più tardi</translation>
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
        <translation>La versione installata è la più recente.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>È disponibile una nuova versione.</translation>
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
        <translation>Scaricare e analizzare i dati di iCloud richiede un po&apos; di tempo. La durata della scansione dipende dalle dimensioni del backup di iCloud. Attendere.</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Mantenere stabile la connessione del dispositivo durante la scansione. La durata dipende dalla quantità di dati presenti sul dispositivo: più dati ci sono, più tempo serve. Attendere.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>La durata della scansione dipende dalla quantità di dati: se i dati sono molti, servirà parecchio tempo. Attendere.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Nota: se i dati cercati non compaiono, provare le altre modalità di recupero oppure selezionare altri tipi di dati da scansionare.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Nota: se i dati cercati non compaiono, usare «Recupera dati dal backup di iTunes» oppure tornare indietro e selezionare altri tipi di dati da scansionare.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Nessun dato trovato.</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Il dispositivo si trova in uno stato anomalo. Ripararlo prima di continuare.</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Nota: il dispositivo si trova in uno stato anomalo. Si consiglia di ripararlo prima con lo &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;strumento di riparazione del sistema iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Collegare il dispositivo iOS al computer</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. Assicurarsi che il dispositivo sia sbloccato.</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. Collegare un solo dispositivo alla volta.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Il dispositivo è collegato ma non viene riconosciuto?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Nessun dispositivo rilevato? Seguire i passaggi qui sotto e riprovare.</translation>
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
        <translation>Si è verificato un errore durante l&apos;analisi del dispositivo. Riprovare.</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Dispositivo: &lt;font color=&quot;#558AF8&quot;;&gt;%1 (%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Impossibile leggere il dispositivo. Sbloccarlo, toccare «Autorizza» se richiesto, quindi riprovare.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Spazio insufficiente. Assicurarsi che sul dispositivo ci siano più di 200 MB liberi e riprovare.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>In base all&apos;informativa sulla privacy di Apple, da iOS 13 in poi per scansionare il registro chiamate, FaceTime e la cronologia di Safari serve un backup crittografato. Il programma imposterà come password del backup &lt;font color=&quot;#558AF8&quot;;&gt;%1 (annotare questa password)&lt;/font&gt;. L&apos;operazione richiederà molto tempo. Continuare?</translation>
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
        <translation>Lo spazio su disco non basta per decrittografare l&apos;intero backup. Continuare comunque?</translation>
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
        <translation>Si è verificato un errore (%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Possibili soluzioni&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Toccare «Autorizza» sul dispositivo iOS.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Inserire il codice del dispositivo iOS.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Nota: se la richiesta di autorizzazione non compare, scollegare e ricollegare il dispositivo.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Autorizzare questo computer sul dispositivo %1 (%2).</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>Analisi del dispositivo</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Per continuare, inserire il codice sul dispositivo iOS.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Sbloccare il dispositivo e riprovare.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Scollegare e ricollegare il dispositivo, assicurandosi che la connessione sia stabile. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Riavviare il dispositivo e il programma, quindi ricollegare il dispositivo.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. Nessuna soluzione ha funzionato? Provare a riparare il dispositivo con lo &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;strumento di riparazione del sistema iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button that leaves the scan results for the previous page; about 12 characters fit.</extracomment>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <extracomment>Button that starts reading the chosen categories from the device or backup; about 14 characters fit.</extracomment>
        <translation>Avvia scansione</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>Il dispositivo è stato scollegato. Ricollegarlo.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Backup dei dati in corso. Uscire comunque dal programma?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1 (%2)&lt;/font&gt; è collegato. Selezionare i tipi di dati da recuperare.</translation>
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
        <translation>Analisi del dispositivo iOS in corso. L&apos;operazione richiederà un po&apos; di tempo...</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Il backup di iTunes è crittografato. Inserire la password.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Inserire la password</translation>
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
        <translation>Verifica della password in corso...</translation>
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
        <translation>Chat individuali</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Chat di gruppo</translation>
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
        <translation>Tipi di elementi di LINE Keep</translation>
    </message>
    <message>
        <source>Texts</source>
        <extracomment>Kinds of LINE Keep items, as tabs above the list: texts, photos, videos, files, links, other.</extracomment>
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
        <translation>Per recuperare questi dati, scaricare prima il file.</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Questo file è scaduto.</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Questo messaggio è stato eliminato.</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Tipo di dati non supportato.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Messaggio vocale]</translation>
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
        <translation>[Emoji]</translation>
    </message>
    <message>
        <source>&apos;s LINE Chat</source>
        <translation> – Chat di LINE</translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation>Chat individuali</translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation> – Chat individuali</translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation>Chat di gruppo</translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation> – Chat di gruppo</translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation> – LINE Keep</translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation> – Chat di WhatsApp</translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation>Messaggi importanti</translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation> – Messaggi importanti</translation>
    </message>
    <message>
        <source>You created group</source>
        <translation>Hai creato il gruppo</translation>
    </message>
    <message>
        <source>careated group</source>
        <translation>ha creato il gruppo</translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation>Hai cambiato l&apos;immagine del gruppo</translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation>ha cambiato l&apos;immagine del gruppo</translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation>Hai cambiato il nome del gruppo da</translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation>ha cambiato il nome del gruppo da</translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation>Ti sei unito tramite il link d&apos;invito al gruppo</translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation>si è unito tramite il link d&apos;invito al gruppo</translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation>Hai modificato la descrizione del gruppo:</translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation>ha modificato la descrizione del gruppo:</translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>Hai attivato i messaggi effimeri. Tutti i nuovi messaggi scompariranno da questa chat 24 ore dopo l&apos;invio</translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>ha attivato i messaggi effimeri. Tutti i nuovi messaggi scompariranno da questa chat 24 ore dopo l&apos;invio</translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation>ha disattivato i messaggi effimeri</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation>ha modificato le impostazioni del gruppo: solo gli amministratori possono modificare le info del gruppo</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation>ha modificato le impostazioni del gruppo: solo gli amministratori possono inviare messaggi al gruppo</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation>ha modificato le impostazioni del gruppo: tutti i partecipanti possono modificare le info del gruppo</translation>
    </message>
    <message>
        <source>You were added</source>
        <translation>Sei stato aggiunto</translation>
    </message>
    <message>
        <source>You was added</source>
        <translation>Sei stato aggiunto</translation>
    </message>
    <message>
        <source>was added</source>
        <translation>è stato aggiunto</translation>
    </message>
    <message>
        <source>were added</source>
        <translation>sono stati aggiunti</translation>
    </message>
    <message>
        <source> added you</source>
        <translation> ti ha aggiunto</translation>
    </message>
    <message>
        <source> added You</source>
        <translation> ti ha aggiunto</translation>
    </message>
    <message>
        <source>You added </source>
        <translation>Hai aggiunto </translation>
    </message>
    <message>
        <source> added </source>
        <translation> ha aggiunto </translation>
    </message>
    <message>
        <source>You removed </source>
        <translation>Hai rimosso </translation>
    </message>
    <message>
        <source> removed </source>
        <translation> ha rimosso </translation>
    </message>
    <message>
        <source>You left</source>
        <translation>Hai abbandonato il gruppo</translation>
    </message>
    <message>
        <source> left</source>
        <translation> ha abbandonato il gruppo</translation>
    </message>
    <message>
        <source> has joined</source>
        <translation> si è unito al gruppo</translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation>è stato cambiato in</translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation>Hai avviato una chiamata</translation>
    </message>
    <message>
        <source>started a call</source>
        <translation>ha avviato una chiamata</translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation>Hai avviato una videochiamata</translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation>ha avviato una videochiamata</translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation>Hai bloccato questo contatto</translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation>Hai sbloccato questo contatto</translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation>Ora sei amministratore</translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation>è diventato amministratore</translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation>Non sei più amministratore</translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation>non è più amministratore</translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation>Hai creato una lista broadcast</translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation>ha creato una lista broadcast</translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation>Hai creato una lista broadcast con</translation>
    </message>
    <message>
        <source> recipients</source>
        <translation> destinatari</translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation>ha creato una lista broadcast con</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation>ha modificato le impostazioni del gruppo: tutti i partecipanti possono inviare messaggi al gruppo</translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation>Chiamata di gruppo terminata</translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation>Chiamata vocale terminata</translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation>Per cercare, premere «Ctrl» + «F».</translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation>Per salvare questa conversazione in PDF: fare clic sui tre puntini in alto a destra nel browser -&gt; «Stampa» -&gt; come stampante selezionare «Salva come PDF».</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Chiamata in uscita</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Chiamata in entrata</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Priority of a reminder (High, Middle, Low, None).</extracomment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>State of a reminder in its detail row and the exported reminders.</extracomment>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Da completare</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Secondo nome</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Azienda</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Compleanno</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Qualifica</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Soprannome</translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation>Ricerca dei backup di iTunes in corso...</translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation>Decrittografia del backup di iTunes in corso...</translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation>Nota: l&apos;operazione richiederà un po&apos; di tempo. Attendere.</translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation>Decrittografia del backup di iTunes in corso. Annullarla?</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostra password</translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation>Selezionare il tipo di dati da recuperare.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nome dispositivo</translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation>Data del backup</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation>Backup di iTunes</translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation>Nota: se il backup non compare nell&apos;elenco, è possibile &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;sceglierne&lt;/a&gt; uno da un&apos;altra cartella.</translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation>In questa cartella non c&apos;è nessun backup di iTunes. Selezionare un altro backup.</translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation>Per decrittografare questo backup servono circa %1 di spazio libero. Liberare spazio sul disco e riprovare.</translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation>Impossibile decrittografare il backup. Riprovare.</translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation>Impossibile trovare il backup di iTunes.</translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation>Accedi a iCloud</translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation>Nota:
1. Per evitare che i contenuti di iCloud vengano modificati, non collegare il dispositivo al computer.
2. Proteggiamo con la massima cura privacy e sicurezza: i dati dell&apos;account Apple non vengono mai conservati.
3. Al momento non è possibile accedere con il numero di telefono. Per accedere a iCloud usare l&apos;indirizzo email.
</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Apple ID o password dimenticati?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Accedi</translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation>Apple ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation>Controllare la connessione a Internet e riprovare.</translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation>Apple ID o password non corretti.</translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation>iCloud non è disponibile su questa piattaforma.</translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation>Accesso non riuscito per un motivo sconosciuto. Consultare le &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;soluzioni disponibili&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation>Per questo account è attiva l&apos;autenticazione a due fattori. Inserire il codice di verifica ricevuto sul dispositivo.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Consigli di Apple</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Cifra %1</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Codice via SMS %2</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Invia di nuovo il codice %2</translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation>Codice via SMS</translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation>Invia di nuovo il codice</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Troppi tentativi di verifica. Riprovare più tardi.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Codice di verifica errato.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Esci)</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation>Tornare indietro? Sarà necessario accedere di nuovo a iCloud.</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Torna indietro</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation>Selezionare il backup di iTunes da scansionare.</translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation>Selezionare i tipi di dati da recuperare.</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Allegati dei messaggi</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Allegati delle note</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Allegati dei calendari</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Allegati dei promemoria</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>Allegati di WhatsApp</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>Allegati di LINE</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation>Recupera</translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation>Impossibile scaricare i dati. Riprovare o accedere con un altro Apple ID.</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation>Tornare indietro? Sarà necessario scaricare di nuovo i dati.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation>Scansione in corso. Tornare indietro?</translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation>Tornare indietro? Sarà necessario ripetere la scansione.</translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation>Download dei dati dal backup di iCloud in corso. Interromperlo ora? In tal caso i dati non verranno scaricati completamente.</translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation>Interrompere la scansione? In tal caso alcuni dati non verranno scansionati.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation>Scansione in corso. Uscire comunque dal programma?</translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation>La scansione è terminata. Uscire dal programma? I risultati della scansione non verranno salvati.</translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation>Il dispositivo (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) è stato scollegato e la scansione si è interrotta. Il programma elaborerà e mostrerà i dati già scansionati.</translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation>Il dispositivo (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) è stato scollegato: alcuni tipi di dati non potranno essere recuperati.</translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation>Selezionare i dati da recuperare.</translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation>Spazio insufficiente: esportazione dei dati non riuscita. Assicurarsi che sul disco ci siano più di 100 MB liberi.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;È stato scaricato %n elemento. Si consiglia di recuperare i dati il prima possibile.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: se i dati cercati non compaiono, tornare indietro e scaricarli di nuovo.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Sono stati scaricati %n elementi. Si consiglia di recuperare i dati il prima possibile.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: se i dati cercati non compaiono, tornare indietro e scaricarli di nuovo.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Scansione completata: trovato %n elemento. Si consiglia di recuperare i dati il prima possibile.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: continuando a usare il dispositivo, i dati eliminati possono essere sovrascritti facilmente, quindi ogni scansione può dare risultati diversi. Se i dati eliminati che si cercano vengono trovati, si consiglia di recuperarli il prima possibile.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Scansione completata: trovati %n elementi. Si consiglia di recuperare i dati il prima possibile.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: continuando a usare il dispositivo, i dati eliminati possono essere sovrascritti facilmente, quindi ogni scansione può dare risultati diversi. Se i dati eliminati che si cercano vengono trovati, si consiglia di recuperarli il prima possibile.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s Messages</source>
        <translation>Messaggi di %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>a contact&apos;s note</comment>
        <translation>Note</translation>
    </message>
    <message>
        <source>(%1s)</source>
        <extracomment>Seconds left before a new code can be asked for, after the link&apos;s text.</extracomment>
        <translation>(%1 s)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation>Numero Apple Watch</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Numero di casa</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Fax di casa</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Numero principale</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Numero di cellulare</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Numero cercapersone</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Numero della scuola</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Numero di lavoro</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Fax di lavoro</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>Numero iPhone</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>Email di casa</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>Email della scuola</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>Email di lavoro</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>Email iCloud</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>URL di casa</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>URL della scuola</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>URL di lavoro</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Indirizzo di casa</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Indirizzo della scuola</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Indirizzo di lavoro</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversario</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Compleanno</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Compleanno (calendario cinese)</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Fratello</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Collega</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Figlia</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Fratello maggiore</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Sorella maggiore</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Padre</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Amico</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Marito</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Madre</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partner</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Sorella</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Figlio</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Responsabile</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Moglie</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Fratello minore</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Sorella minore</translation>
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
        <translation>Altro numero</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Altra email</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Altro URL</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Altro indirizzo</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Altra data</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Altra relazione</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Altro profilo social</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>Altra messaggistica istantanea</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Allegati</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Tipo di chiamata</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenuto</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Data di creazione</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Data promemoria</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Secondo nome</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Azienda</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Qualifica</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Soprannome</translation>
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
        <translation>Per cambiare il percorso di esportazione, aprire le &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Impostazioni&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation>Esportazione dei dati</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation>Esportazione dei dati %1 %2 %3</translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation>Esportazione dei dati in corso. Interromperla?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation>Recupero non riuscito. Riprovare.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation>Elementi recuperati: %1. Non è stato possibile recuperarne %2.
Mantenere stabile la connessione del dispositivo e riprovare più tardi.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation>Elementi recuperati: %1. Non è stato possibile recuperarne %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation>
            <numerusform>%n elemento recuperato correttamente.</numerusform>
            <numerusform>%n elementi recuperati correttamente.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation>Cronologia di Safari</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Preferiti di Safari</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>mailName</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation>Memo vocali</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Segreteria</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Allegati</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Data di creazione</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Data promemoria</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Elenco</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorità</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
</context>
</TS>

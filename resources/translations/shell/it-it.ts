<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
        <source>Don't open iTunes while the program is running, or the recovery will fail.</source>
        <translation>Non aprire iTunes mentre il programma è in esecuzione, altrimenti il recupero non riuscirà.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Esporta i dati in locale per visualizzarli.</translation>
    </message>
</context>
</TS>

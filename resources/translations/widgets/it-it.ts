<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QObject</name>
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
</context>
</TS>

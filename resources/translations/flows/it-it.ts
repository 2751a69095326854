<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QObject</name>
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
</context>
</TS>

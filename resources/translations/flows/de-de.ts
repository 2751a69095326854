<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
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
</context>
</TS>

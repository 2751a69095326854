<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>Le téléchargement et l&apos;analyse des données iCloud prennent un certain temps. La durée de l&apos;analyse dépend de la taille de votre sauvegarde iCloud. Veuillez patienter !</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Veuillez garder la connexion de l&apos;appareil stable pendant l&apos;analyse. La durée de l&apos;analyse dépend de la quantité de données de l&apos;appareil. Plus il y a de données, plus c&apos;est long. Veuillez patienter.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>La durée de l&apos;analyse dépend de la quantité de vos données. Elle sera longue si vous avez beaucoup de données. Veuillez patienter.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Remarque : si vous ne trouvez pas les données dont vous avez besoin, essayez d&apos;autres fonctions ou choisissez d&apos;autres types de données à analyser.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Remarque : si vous ne trouvez pas les données voulues, utilisez « Récupérer les données d&apos;une sauvegarde iTunes » ou revenez en arrière pour choisir d&apos;autres types de données à analyser.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Aucune donnée trouvée !</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Votre appareil est dans un état anormal, veuillez d&apos;abord le réparer...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Remarque : votre appareil a été détecté dans un état anormal. Utilisez d&apos;abord l&apos;&lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;outil de réparation du système iOS&lt;/a&gt; pour remettre votre appareil dans un état normal.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Veuillez connecter votre appareil iOS au PC</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Remarque :</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. Assurez-vous que votre appareil est déverrouillé.</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. Connectez un seul appareil à analyser.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;L&apos;appareil est connecté mais non reconnu ?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Aucun appareil détecté ? Veuillez suivre les étapes ci-dessous et réessayer.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Analyser l&apos;environnement de l&apos;appareil</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Sauvegarder les données de l&apos;appareil iOS %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Déchiffrer les données %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>Une erreur s&apos;est produite et l&apos;analyse de l&apos;appareil a échoué. Veuillez réessayer !</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Appareil : &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Impossible de lire votre appareil. Déverrouillez-le, touchez « Se fier » s&apos;il le demande, puis réessayez.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Espace insuffisant ! Assurez-vous qu&apos;il reste plus de 200 Mo d&apos;espace libre sur votre appareil et réessayez.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Selon la politique de confidentialité d&apos;Apple, iOS 13 et les versions ultérieures exigent des sauvegardes chiffrées pour analyser l&apos;historique des appels, FaceTime et l&apos;historique Safari. Le programme définira le mot de passe de sauvegarde sur &lt;font color=&quot;#558AF8&quot;;&gt;%1 (retenez bien ce mot de passe)&lt;/font&gt;. Cela prendra longtemps. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>L&apos;espace disque ne suffit pas pour déchiffrer toute la sauvegarde. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>Désolé, une erreur s&apos;est produite(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Voir les solutions&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Touchez « Se fier » sur votre appareil iOS.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Saisissez votre code sur l&apos;appareil iOS.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Remarque : si la demande de confiance n&apos;apparaît pas, rebranchez votre appareil.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Veuillez faire confiance à cet ordinateur sur l&apos;appareil %1(%2).</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>Analyse de votre appareil</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Veuillez saisir le code sur votre appareil iOS pour continuer.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Déverrouillez l&apos;appareil et réessayez.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Rebranchez votre appareil et vérifiez que la connexion est fiable. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Redémarrez votre appareil et le programme, puis reconnectez votre appareil.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. Rien n&apos;a fonctionné ? Essayez de réparer votre appareil avec l&apos;&lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;outil de réparation du système iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Lancer l&apos;analyse</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>Votre appareil est déconnecté, veuillez le reconnecter.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Sauvegarde des données en cours, voulez-vous vraiment quitter le programme ?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; est connecté ! Choisissez les types de données à récupérer.</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Vidéos de l&apos;album</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Messagerie vocale</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Mémos vocaux</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Signets Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Historique Safari</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Historique des appels</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>Photos des apps</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>Vidéos des apps</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>Audios des apps</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>Documents des apps</translation>
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
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Données système</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Données des apps tierces</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>Analyse de votre appareil iOS, cela prendra un certain temps....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Votre sauvegarde iTunes est chiffrée, veuillez saisir votre mot de passe.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Saisir le mot de passe</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Déchiffrer</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Mot de passe de sauvegarde iTunes oublié ?</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>Vérification du mot de passe, veuillez patienter...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
</context>
</TS>

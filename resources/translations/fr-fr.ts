<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translatorcomment>Glossaire : backup = sauvegarde ; scan = analyser / analyse ; recover = récupérer / récupération ; export = exporter / exportation ; device = appareil ; attachment = pièce jointe ; chat = discussion ; export path = dossier d&apos;exportation ; passcode = code ; Trust = Se fier ; sign in / sign out = se connecter / se déconnecter ; verification code = code de validation ; starred = importants ; broadcast list = liste de diffusion ; admin = admin ; bookmarks = signets ; voicemails = messagerie vocale ; voice memos = mémos vocaux ; contact card = fiche contact. Vouvoiement ; espace insécable avant : ; ! ? et à l&apos;intérieur des « ».</translatorcomment>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Date du rappel</translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation>Cocher toutes les lignes</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation>Autre numéro</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Numéro mobile</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Numéro domicile</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Numéro professionnel</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Numéro école</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>Numéro iPhone</translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation>Numéro Apple Watch</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Numéro principal</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Fax domicile</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Fax professionnel</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Bipeur</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Autre e-mail</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>E-mail domicile</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>E-mail professionnel</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>E-mail école</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>E-mail iCloud</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Autre URL</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>URL domicile</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>URL professionnelle</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>URL école</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Autre adresse</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Adresse domicile</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Adresse professionnelle</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Adresse école</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Autres dates</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Anniversaire (calendrier chinois)</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversaire de mariage</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Autres relations</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Père</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Mère</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Frère</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Sœur</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Frère aîné</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Sœur aînée</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Frère cadet</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Sœur cadette</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Mari</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Épouse</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partenaire</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Fils</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Fille</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Ami(e)</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Responsable</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Collègue</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Autre profil social</translation>
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
        <translation>Autre messagerie instantanée</translation>
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
        <translation>%1&#xa0;:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Entreprise&#xa0;:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Anniversaire&#xa0;:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>you</source>
        <translation>vous</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation>
            <numerusform>%1 et %n autre contact</numerusform>
            <numerusform>%1 et %n autres contacts</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Title of a starred WhatsApp message: who sent it, then the chat or person it went to.</extracomment>
        <translation>%1 à %2</translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation>Audio des apps</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>Documents des apps</translation>
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
        <translation>Documents</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Numéro de téléphone</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Type d&apos;appel</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Appel entrant</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Appel sortant</translation>
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
        <translation>Historique des appels</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Dernier mois</translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation>3 derniers mois</translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation>6 derniers mois</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Dernière année</translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation>Choisir la période</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation>De (jours)</translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation>À (jours)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
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
        <translation>Appel vidéo</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Appel vocal</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Appel vidéo de groupe lancé.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Appel vocal de groupe lancé.</translation>
    </message>
</context>
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation>Pièces jointes des messages</translation>
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
        <source>Notes Attachment</source>
        <translation>Pièces jointes des notes</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Pièces jointes des calendriers</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Pièces jointes des rappels</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>Photos des apps</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>Vidéos des apps</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation>Cette note est verrouillée.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Pièces jointes</translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Pièces jointes des messages</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Messagerie vocale</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Mémos vocaux</translation>
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
        <source>FaceTime</source>
        <translation>FaceTime</translation>
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
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Pièces jointes des notes</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Historique des appels</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Pièces jointes des calendriers</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Pièces jointes des rappels</translation>
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
        <translation>Audio des apps</translation>
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
        <source>WhatsApp Attachment</source>
        <translation>Pièces jointes WhatsApp</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>Pièces jointes LINE</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Données système</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Données des apps tierces</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>Récupérez toutes vos données depuis un appareil iOS</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Récupérer depuis un appareil iOS</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Récupère les données supprimées directement sur votre appareil iOS&#xa0;: messages, contacts, photos, etc.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Récupérer depuis une sauvegarde iTunes</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Analyse une sauvegarde iTunes et affiche un aperçu de ses données.</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>Récupérer depuis une sauvegarde iCloud</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>Récupère les données synchronisées avec iCloud.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langues</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don&apos;t open iTunes while the program is running, or the recovery will fail.</source>
        <translation>N&apos;ouvrez pas iTunes pendant que le programme est en cours d&apos;exécution, sinon la récupération échouera.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Pour consulter ces données, exportez-les sur votre ordinateur.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) récupère ce qui a été perdu sur un iPhone ou un iPad&#xa0;: messages, contacts, photos, notes, discussions et bien plus, directement depuis l&apos;appareil, depuis une sauvegarde iTunes ou depuis une sauvegarde iCloud. Il est développé par l&apos;équipe Quenrow, qui conçoit des outils fiables pour aider chacun à retrouver ses données.</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. Tous droits réservés.</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>Tout afficher (%1)</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>Afficher les existants (%1)</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>Afficher les supprimés (%1)</translation>
    </message>
    <message>
        <source>Select All</source>
        <extracomment>Check box above a list of records that ticks every record shown.</extracomment>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Spoken name and tool tip of the funnel button that opens the date filter.</extracomment>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Type %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>Tab %1</source>
        <translation>Onglet %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>Modifier le dossier d&apos;exportation</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>Ce dossier n&apos;est pas valide. Veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <extracomment>Spoken for the lock of a password-protected backup in the list of backups.</extracomment>
        <translation>Chiffrée</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Le dossier d&apos;exportation n&apos;existe pas. Veuillez en choisir un autre.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Modifier le dossier d&apos;exportation</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Vous n&apos;avez pas les droits de lecture et d&apos;écriture sur le dossier choisi. Veuillez choisir un autre dossier d&apos;exportation.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Modifier le dossier d&apos;exportation</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Nouveautés</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Vous utilisez la dernière version.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Une nouvelle version est disponible&#xa0;!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version&#xa0;: %1 | Taille&#xa0;: %2 | Date de publication&#xa0;: %3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>Impossible d&apos;obtenir les informations de mise à jour. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>Le téléchargement et l&apos;analyse des données iCloud prennent un certain temps. La durée de l&apos;analyse dépend de la taille de votre sauvegarde iCloud. Merci de votre patience.</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Veillez à ce que l&apos;appareil reste bien connecté pendant l&apos;analyse. Sa durée dépend de la quantité de données présentes sur l&apos;appareil&#xa0;: plus il y en a, plus elle est longue. Veuillez patienter.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>La durée de l&apos;analyse dépend de la quantité de vos données&#xa0;: elle peut être longue si vous en avez beaucoup. Merci de votre patience.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Remarque&#xa0;: si vous ne trouvez pas les données dont vous avez besoin, essayez un autre mode de récupération ou choisissez d&apos;autres types de données à analyser.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Remarque&#xa0;: si vous ne trouvez pas les données voulues, utilisez «&#xa0;Récupérer depuis une sauvegarde iTunes&#xa0;» ou revenez en arrière pour choisir d&apos;autres types de données à analyser.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Aucune donnée trouvée.</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Votre appareil est dans un état anormal. Veuillez d&apos;abord le réparer…</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Remarque&#xa0;: votre appareil se trouve dans un état anormal. Nous vous conseillons d&apos;utiliser d&apos;abord l&apos;&lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;outil de réparation du système iOS&lt;/a&gt; pour le remettre en état de marche.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Veuillez connecter votre appareil iOS à l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Remarque&#xa0;:</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. Assurez-vous que votre appareil est déverrouillé.</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. Ne connectez qu&apos;un seul appareil à la fois.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;L&apos;appareil est connecté mais n&apos;est pas reconnu&#xa0;?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Aucun appareil détecté&#xa0;? Suivez les étapes ci-dessous, puis réessayez.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Analyse de l&apos;environnement de l&apos;appareil</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Sauvegarde des données de l&apos;appareil iOS %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Déchiffrement des données %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>Une erreur s&apos;est produite et l&apos;analyse de l&apos;appareil a échoué. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Appareil&#xa0;: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Impossible de lire votre appareil. Déverrouillez-le, touchez «&#xa0;Se fier&#xa0;» s&apos;il vous le demande, puis réessayez.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Espace insuffisant. Assurez-vous qu&apos;il reste plus de 200 Mo d&apos;espace libre sur votre appareil, puis réessayez.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Conformément à la politique de confidentialité d&apos;Apple, iOS 13 et les versions ultérieures exigent une sauvegarde chiffrée pour analyser l&apos;historique des appels, FaceTime et l&apos;historique Safari. Le programme va utiliser le mot de passe de sauvegarde &lt;font color=&quot;#558AF8&quot;;&gt;%1 (retenez-le bien)&lt;/font&gt;. Cette opération peut être longue. Voulez-vous continuer&#xa0;?</translation>
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
        <translation>L&apos;espace disque est insuffisant pour déchiffrer toute la sauvegarde. Voulez-vous continuer&#xa0;?</translation>
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
        <translation>Désolé, une erreur s&apos;est produite (%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Voir les solutions&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Touchez «&#xa0;Se fier&#xa0;» sur votre appareil iOS.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Saisissez le code de votre appareil iOS.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Remarque&#xa0;: si la demande «&#xa0;Se fier à cet ordinateur&#xa0;?&#xa0;» n&apos;apparaît pas, débranchez puis rebranchez votre appareil.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Sur l&apos;appareil %1(%2), touchez «&#xa0;Se fier&#xa0;» pour autoriser cet ordinateur.</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>Analyse de votre appareil</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Saisissez le code de votre appareil iOS pour continuer.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Déverrouillez l&apos;appareil et réessayez.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Débranchez puis rebranchez votre appareil et vérifiez que la connexion est stable. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Redémarrez votre appareil et le programme, puis reconnectez votre appareil.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. Rien n&apos;a fonctionné&#xa0;? Essayez de réparer votre appareil avec l&apos;&lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;outil de réparation du système iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button that leaves the scan results for the previous page; about 12 characters fit.</extracomment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <extracomment>Button that starts reading the chosen categories from the device or backup; about 14 characters fit.</extracomment>
        <translation>Lancer l&apos;analyse</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>Votre appareil est déconnecté. Veuillez le reconnecter.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Sauvegarde des données en cours. Voulez-vous vraiment quitter le programme&#xa0;?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; est connecté. Choisissez les types de données à récupérer.</translation>
    </message>
    <message>
        <source>Photos</source>
        <extracomment>Category of pictures; also a tab of chat attachments and the name of an exported folder.</extracomment>
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
        <translation>Audio des apps</translation>
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
        <translation>Analyse de votre appareil iOS en cours. Cela peut prendre un certain temps…</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Cette sauvegarde iTunes est chiffrée. Veuillez saisir son mot de passe.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Saisissez le mot de passe</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Déchiffrer</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Mot de passe de la sauvegarde iTunes oublié&#xa0;?</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>Vérification du mot de passe, veuillez patienter…</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Mot de passe incorrect</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Conversations</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Vidéo]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Audio]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Photo]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Pièce jointe]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>À&#xa0;: </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Unsent</source>
        <extracomment>State of a chat message that never left the phone, shown beside it in the exported page.</extracomment>
        <translation>Non envoyé</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation>Messages individuels</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Messages de groupe</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Messages importants</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>Types de contenu LINE Keep</translation>
    </message>
    <message>
        <source>Texts</source>
        <extracomment>Kinds of LINE Keep items, as tabs above the list: texts, photos, videos, files, links, other.</extracomment>
        <translation>Textes</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Échec de l&apos;envoi</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Citation&#xa0;:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Lire la suite</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Fiche contact</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>Avant de récupérer ces données, veuillez d&apos;abord télécharger le fichier.</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Ce fichier a expiré.</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Ce message a été supprimé.</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Type de données non pris en charge.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Message vocal]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Appel vocal]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Fiche contact]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Position]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Document]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[Autocollant]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[Émoji]</translation>
    </message>
    <message>
        <source>&apos;s LINE Chat</source>
        <translation> – discussion LINE</translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation>Messages individuels</translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation> – messages individuels</translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation>Messages de groupe</translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation> – messages de groupe</translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation> – LINE Keep</translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation> – discussion WhatsApp</translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation>Messages importants</translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation> – messages importants</translation>
    </message>
    <message>
        <source>You created group</source>
        <translation>Vous avez créé le groupe</translation>
    </message>
    <message>
        <source>careated group</source>
        <translation>a créé le groupe</translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation>Vous avez modifié l&apos;icône de ce groupe</translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation>a modifié l&apos;icône de ce groupe</translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation>Vous avez renommé le groupe</translation>
    </message>
    <message>
        <source> to </source>
        <translation> en </translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation>a renommé le groupe</translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation>Vous avez rejoint ce groupe via son lien d&apos;invitation</translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation>a rejoint ce groupe via son lien d&apos;invitation</translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation>Vous avez modifié la description du groupe&#xa0;:</translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation>a modifié la description du groupe&#xa0;:</translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>Vous avez activé les messages éphémères. Tous les nouveaux messages de cette discussion disparaîtront 24 heures après leur envoi</translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>a activé les messages éphémères. Tous les nouveaux messages de cette discussion disparaîtront 24 heures après leur envoi</translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation>a désactivé les messages éphémères</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation>a modifié les paramètres du groupe&#xa0;: seuls les admins peuvent modifier les infos du groupe</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation>a modifié les paramètres du groupe&#xa0;: seuls les admins peuvent envoyer des messages dans ce groupe</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation>a modifié les paramètres du groupe&#xa0;: tous les participants peuvent modifier les infos du groupe</translation>
    </message>
    <message>
        <source>You were added</source>
        <translation>Vous avez été ajouté</translation>
    </message>
    <message>
        <source>You was added</source>
        <translation>Vous avez été ajouté</translation>
    </message>
    <message>
        <source>was added</source>
        <translation>a été ajouté</translation>
    </message>
    <message>
        <source>were added</source>
        <translation>ont été ajoutés</translation>
    </message>
    <message>
        <source> added you</source>
        <translation> vous a ajouté</translation>
    </message>
    <message>
        <source> added You</source>
        <translation> vous a ajouté</translation>
    </message>
    <message>
        <source>You added </source>
        <translation>Vous avez ajouté </translation>
    </message>
    <message>
        <source> added </source>
        <translation> a ajouté </translation>
    </message>
    <message>
        <source>You removed </source>
        <translation>Vous avez retiré </translation>
    </message>
    <message>
        <source> removed </source>
        <translation> a retiré </translation>
    </message>
    <message>
        <source>You left</source>
        <translation>Vous avez quitté le groupe</translation>
    </message>
    <message>
        <source> left</source>
        <translation> a quitté le groupe</translation>
    </message>
    <message>
        <source> has joined</source>
        <translation> a rejoint le groupe</translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation>a été remplacé par</translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation>Vous avez lancé un appel</translation>
    </message>
    <message>
        <source>started a call</source>
        <translation>a lancé un appel</translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation>Vous avez lancé un appel vidéo</translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation>a lancé un appel vidéo</translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation>Vous avez bloqué ce contact</translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation>Vous avez débloqué ce contact</translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation>Vous êtes désormais admin</translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation>est désormais admin</translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation>Vous n&apos;êtes plus admin</translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation>n&apos;est plus admin</translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation>Vous avez créé une liste de diffusion</translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation>a créé une liste de diffusion</translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation>Vous avez créé une liste de diffusion avec</translation>
    </message>
    <message>
        <source> recipients</source>
        <translation> destinataires</translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation>a créé une liste de diffusion avec</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation>a modifié les paramètres du groupe&#xa0;: tous les participants peuvent envoyer des messages dans ce groupe</translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation>Appel de groupe terminé</translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation>Appel vocal terminé</translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation>Appuyez sur «&#xa0;Ctrl&#xa0;» + «&#xa0;F&#xa0;» pour effectuer une recherche.</translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation>Enregistrer cette conversation en PDF&#xa0;? Ouvrez le menu du navigateur (les trois points en haut à droite) -&gt; «&#xa0;Imprimer&#xa0;» -&gt; dans la liste des imprimantes, choisissez «&#xa0;Enregistrer au format PDF&#xa0;».</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Appel sortant</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Appel entrant</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Priority of a reminder (High, Middle, Low, None).</extracomment>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>State of a reminder in its detail row and the exported reminders.</extracomment>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Non terminé</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Surnom</translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation>Recherche des sauvegardes iTunes…</translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation>Déchiffrement de la sauvegarde iTunes…</translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation>Remarque&#xa0;: cette opération peut prendre un certain temps. Merci de votre patience.</translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation>Le déchiffrement de votre sauvegarde iTunes est en cours. Voulez-vous l&apos;annuler&#xa0;?</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Afficher le mot de passe</translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation>Choisissez les types de données à récupérer.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation>Date de sauvegarde</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation>Sauvegardes iTunes</translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation>Remarque&#xa0;: si votre sauvegarde n&apos;apparaît pas dans la liste, vous pouvez &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choisir&lt;/a&gt; une sauvegarde située dans un autre dossier.</translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation>Ce dossier ne contient aucune sauvegarde iTunes. Veuillez choisir une autre sauvegarde.</translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation>Désolé, le déchiffrement de cette sauvegarde nécessite environ %1 d&apos;espace disque. Libérez de l&apos;espace, puis réessayez.</translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation>Désolé, la sauvegarde n&apos;a pas pu être déchiffrée. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation>Désolé, votre sauvegarde iTunes est introuvable.</translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation>Connexion à iCloud</translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation>Remarque&#xa0;:
1. Pour éviter que le contenu iCloud ne soit modifié, ne connectez pas l&apos;appareil à l&apos;ordinateur.
2. Nous prenons votre confidentialité et votre sécurité au sérieux&#xa0;: les informations de votre compte Apple ne sont jamais conservées.
3. La connexion avec un numéro de téléphone n&apos;est pas encore prise en charge. Veuillez vous connecter à iCloud avec votre adresse e-mail.
</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Apple ID ou mot de passe oublié&#xa0;?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation>Apple ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation>Vérifiez votre connexion Internet, puis réessayez.</translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation>Votre Apple ID ou votre mot de passe est incorrect.</translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation>iCloud n&apos;est pas disponible sur cette plateforme.</translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation>La connexion a échoué pour une raison inconnue. Consultez les &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;solutions possibles&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation>L&apos;authentification à deux facteurs est activée pour ce compte. Saisissez le code de validation reçu sur votre appareil.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Conseils d&apos;Apple</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Chiffre %1</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Code par SMS%2</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Renvoyer un code%2</translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation>Code par SMS</translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation>Renvoyer un code</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Trop de tentatives. Réessayez plus tard.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Code de validation incorrect.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Se déconnecter)</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation>Voulez-vous vraiment revenir en arrière&#xa0;? Vous devrez vous reconnecter à iCloud.</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Revenir</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation>Choisissez une sauvegarde iTunes à analyser.</translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation>Choisissez les types de données à récupérer.</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Pièces jointes des messages</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Pièces jointes des notes</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Pièces jointes des calendriers</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Pièces jointes des rappels</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>Pièces jointes WhatsApp</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>Pièces jointes LINE</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation>Échec du téléchargement des données. Réessayez ou connectez-vous avec un autre Apple ID.</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation>Voulez-vous vraiment revenir en arrière&#xa0;? Vous devrez télécharger à nouveau les données.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation>Analyse en cours. Voulez-vous vraiment revenir en arrière&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation>Voulez-vous vraiment revenir en arrière&#xa0;? Vous devrez relancer l&apos;analyse.</translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation>Téléchargement de la sauvegarde iCloud en cours. Voulez-vous vraiment l&apos;arrêter&#xa0;? Les données ne seront pas entièrement téléchargées.</translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation>Voulez-vous vraiment arrêter&#xa0;? L&apos;analyse de certaines données échouera.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation>Analyse en cours. Voulez-vous vraiment quitter le programme&#xa0;?</translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation>L&apos;analyse est terminée. Voulez-vous vraiment quitter&#xa0;? Les résultats de l&apos;analyse ne seront pas conservés.</translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation>Votre appareil (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) a été déconnecté et l&apos;analyse a été interrompue. Le programme va traiter et afficher les données déjà analysées.</translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation>L&apos;appareil (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) est déconnecté&#xa0;: la récupération de certains types de données va échouer.</translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation>Sélectionnez les données à récupérer.</translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation>Espace insuffisant&#xa0;: l&apos;exportation des données a échoué. Assurez-vous de disposer de plus de 100 Mo d&apos;espace libre sur le disque.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n élément a été téléchargé. Récupérez vos données dès que possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Remarque&#xa0;: si vous ne trouvez pas les données dont vous avez besoin, revenez en arrière et relancez le téléchargement.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n éléments ont été téléchargés. Récupérez vos données dès que possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Remarque&#xa0;: si vous ne trouvez pas les données dont vous avez besoin, revenez en arrière et relancez le téléchargement.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;L&apos;analyse est terminée&#xa0;: %n élément trouvé. Récupérez vos données dès que possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Remarque&#xa0;: les données supprimées sont facilement écrasées à mesure que vous utilisez votre appareil&#xa0;; les résultats peuvent donc varier d&apos;une analyse à l&apos;autre. Si vous retrouvez des données supprimées, récupérez-les dès que possible.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;L&apos;analyse est terminée&#xa0;: %n éléments trouvés. Récupérez vos données dès que possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Remarque&#xa0;: les données supprimées sont facilement écrasées à mesure que vous utilisez votre appareil&#xa0;; les résultats peuvent donc varier d&apos;une analyse à l&apos;autre. Si vous retrouvez des données supprimées, récupérez-les dès que possible.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s Messages</source>
        <translation>Messages de %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>a contact&apos;s note</comment>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>(%1s)</source>
        <extracomment>Seconds left before a new code can be asked for, after the link&apos;s text.</extracomment>
        <translation>(%1&#xa0;s)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation>Numéro Apple Watch</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Numéro domicile</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Fax domicile</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Numéro principal</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Numéro mobile</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Bipeur</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Numéro école</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Numéro professionnel</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Fax professionnel</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>Numéro iPhone</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>E-mail domicile</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>E-mail école</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>E-mail professionnel</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>E-mail iCloud</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>URL domicile</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>URL école</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>URL professionnelle</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Adresse domicile</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Adresse école</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Adresse professionnelle</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversaire de mariage</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Anniversaire</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Anniversaire (calendrier chinois)</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Frère</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Collègue</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Fille</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Frère aîné</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Sœur aînée</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Père</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Ami(e)</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Mari</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Mère</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Partenaire</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Sœur</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Fils</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Responsable</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Épouse</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Frère cadet</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Sœur cadette</translation>
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
        <translation>Autre numéro</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Autre e-mail</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Autre URL</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Autre adresse</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Autres dates</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Autres relations</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Autre profil social</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>Autre messagerie instantanée</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Pièces jointes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Type d&apos;appel</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Date du rappel</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Surnom</translation>
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
        <translation>Pour changer de dossier d&apos;exportation, ouvrez les &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Paramètres&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation>Exportation des données</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation>Exportation des données %1 %2 %3</translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation>Exportation des données en cours. Voulez-vous vraiment l&apos;arrêter&#xa0;?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation>La récupération a échoué. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation>Éléments récupérés&#xa0;: %1. Éléments non récupérés&#xa0;: %2.
Veillez à ce que l&apos;appareil reste bien connecté, puis réessayez plus tard.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation>Éléments récupérés&#xa0;: %1. Éléments non récupérés&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation>
            <numerusform>%n élément récupéré avec succès.</numerusform>
            <numerusform>%n éléments récupérés avec succès.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation>Historique Safari</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Signets Safari</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>mailName</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation>Mémos vocaux</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Messagerie vocale</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Pièces jointes</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Date du rappel</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorité</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
</context>
</TS>

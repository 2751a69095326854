<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>Récupérez toutes vos données depuis un appareil iOS</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Récupérer les données de l'appareil iOS</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Récupère les données supprimées directement depuis votre appareil iOS : messages, contacts, images, etc.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Récupérer depuis une sauvegarde iTunes</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Analyse une sauvegarde iTunes et en affiche les données.</translation>
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
        <source>Don't open iTunes while the program is running, or the recovery will fail.</source>
        <translation>N'ouvrez pas iTunes pendant que le programme fonctionne, sinon la récupération échouera.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Exportez les données sur l'ordinateur pour les consulter.</translation>
    </message>
</context>
</TS>

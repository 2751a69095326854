<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) récupère ce qui a été perdu sur un iPhone ou un iPad : messages, contacts, photos, notes, discussions et plus encore, depuis l&apos;appareil lui-même, depuis une sauvegarde iTunes ou depuis une sauvegarde iCloud. Il est conçu par l&apos;équipe Quenrow, qui crée des outils soignés pour rendre aux gens leurs données.</translation>
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
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Filter</source>
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
        <translation>Changer le chemin d&apos;exportation</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>Le chemin n&apos;est pas valide, veuillez en choisir un autre.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>Chiffré</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Le chemin n&apos;existe pas, veuillez changer le chemin d&apos;exportation.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Changer le chemin d&apos;exportation</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>Le chemin choisi n&apos;a pas les droits de lecture et d&apos;écriture, veuillez changer le chemin d&apos;exportation.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Changer le chemin d&apos;exportation</translation>
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
        <translation>Vérification en cours...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>La version actuelle est à jour.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Une nouvelle version est disponible !</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version : %1 | Taille : %2 | Date de sortie : %3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>Impossible d&apos;obtenir les informations de mise à jour. Veuillez réessayer plus tard.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Conversations</source>
        <translation>Conversations</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Vidéos]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Audios]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Photos]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Pièce jointe]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>À : </translation>
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
        <translation>Non envoyé</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Audios</translation>
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
        <translation>Types LINE Keep</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Textes</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Échec de l'envoi</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Citation :</translation>
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
        <translation>Veuillez d'abord télécharger le fichier avant de restaurer les données !</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Ce fichier a expiré !</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Ce message a été supprimé !</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Type de données non pris en charge !</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Vocal]</translation>
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
        <translation>[Documents]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[Autocollant]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[Autocollant]</translation>
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
</TS>

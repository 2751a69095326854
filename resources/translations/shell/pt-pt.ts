<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>Recupere totalmente os seus dados do dispositivo iOS</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Recuperar dados do dispositivo iOS</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Recupera dados apagados diretamente do seu dispositivo iOS, incluindo mensagens, contactos, imagens, etc.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Recuperar dados de uma cópia do iTunes</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Analisa uma cópia de segurança do iTunes e mostra os seus dados.</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>Recuperar dados de uma cópia do iCloud</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>Recupera os dados sincronizados com o iCloud.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Procurar atualizações</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Perguntas frequentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir pasta de registos</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Don't open iTunes while the program is running, or the recovery will fail.</source>
        <translation>Não abra o iTunes enquanto o programa estiver em execução, ou a recuperação falhará.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Exporte os dados para o computador para os ver.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>Recupere por completo sus datos del dispositivo iOS</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Recuperar datos del dispositivo iOS</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Recupera datos eliminados directamente de su dispositivo iOS, como mensajes, contactos, imágenes, etc.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Recuperar datos de una copia de iTunes</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Analiza una copia de seguridad de iTunes y muestra sus datos.</translation>
    </message>
    <message>
        <source>Recover Data from iCloud Backup</source>
        <translation>Recuperar datos de una copia de iCloud</translation>
    </message>
    <message>
        <source>Support to recover data that synced to iCloud.</source>
        <translation>Recupera los datos sincronizados con iCloud.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Idiomas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir carpeta de registros</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Don't open iTunes while the program is running, or the recovery will fail.</source>
        <translation>No abra iTunes mientras el programa esté en marcha o la recuperación fallará.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Exporte los datos al equipo para verlos.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QObject</name>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) recupera lo que se perdió en un iPhone o iPad: mensajes, contactos, fotos, notas, chats y más, desde el propio dispositivo, desde una copia de seguridad de iTunes o desde una copia de seguridad de iCloud. Lo crea el equipo de Quenrow, que desarrolla herramientas cuidadosas para que las personas recuperen sus datos.</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>Mostrar todo (%1)</translation>
    </message>
    <message>
        <source>Show Existing (%1)</source>
        <translation>Mostrar existentes (%1)</translation>
    </message>
    <message>
        <source>Show Deleted (%1)</source>
        <translation>Mostrar eliminados (%1)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
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
        <translation>Pestaña %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>Cambiar la ruta de exportación</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>La ruta no es válida, elija otra.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>La ruta no existe, cambie la ruta de exportación.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Cambiar la ruta de exportación</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>La ruta elegida no tiene permisos de lectura y escritura, cambie la ruta de exportación.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Cambiar la ruta de exportación</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novedades</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>La versión actual está al día.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>¡Hay una nueva versión disponible!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versión: %1 | Tamaño: %2 | Fecha de publicación: %3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>No se pudo obtener la información de actualización. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation type="unfinished">Calendarios</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished">Recordatorios</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Father</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Husband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wife</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Son</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished">Contactos</translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation type="unfinished">Tú</translation>
    </message>
    <message>
        <source>you</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation type="unfinished">Audios de apps</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished">Documentos de apps</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation type="unfinished">Audios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished">Documentos</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorView</name>
    <message>
        <source>FaceTime</source>
        <translation type="unfinished">FaceTime</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation type="unfinished">Historial de llamadas</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">Aceptar</translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation>Videollamada</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Llamada de voz</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Videollamada grupal iniciada.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Llamada de voz grupal iniciada.</translation>
    </message>
</context>
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished">Vídeos del álbum</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation type="unfinished">Fotos de apps</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished">Vídeos de apps</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation type="unfinished">Vídeos</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">Fotos</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Notas</translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation type="unfinished">Contactos</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation type="unfinished">Mensajes</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished">Buzón de voz</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished">Notas de voz</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation type="unfinished">Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation type="unfinished">Vídeos del álbum</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation type="unfinished">FaceTime</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished">Marcadores de Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation type="unfinished">Historial de Safari</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Notas</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call History</source>
        <translation type="unfinished">Historial de llamadas</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation type="unfinished">Calendarios</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished">Recordatorios</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation type="unfinished">Fotos de apps</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation type="unfinished">Vídeos de apps</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation type="unfinished">Audios de apps</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation type="unfinished">Documentos de apps</translation>
    </message>
    <message>
        <source>WhatsApp</source>
        <translation type="unfinished">WhatsApp</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE</source>
        <translation type="unfinished">LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Data</source>
        <translation type="unfinished">Datos del sistema</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation type="unfinished">Datos de apps de terceros</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation type="unfinished">Seleccionar todo</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
        <source>Don&apos;t open iTunes while the program is running, or the recovery will fail.</source>
        <translation>No abra iTunes mientras el programa esté en marcha o la recuperación fallará.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Exporte los datos al equipo para verlos.</translation>
    </message>
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
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>Descargar y analizar los datos de iCloud lleva un tiempo. La duración del análisis depende del tamaño de su copia de iCloud. ¡Tenga paciencia!</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Mantenga estable la conexión del dispositivo durante el análisis. La duración depende de la cantidad de datos del dispositivo. Cuantos más datos, más tarda. Espere, por favor.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>La duración del análisis depende de la cantidad de datos. Si tiene muchos datos, tardará bastante. Tenga paciencia.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Nota: si no encuentra los datos que necesita, pruebe otras funciones o elija otros tipos de datos para analizar.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Nota: si no encuentra los datos que busca, use «Recuperar datos de una copia de iTunes» o vuelva atrás para elegir otros tipos de datos y analizar de nuevo.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>¡No se encontraron datos!</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Su dispositivo está en un estado anómalo; repárelo primero...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Nota: se ha detectado su dispositivo en un estado anómalo. Le conviene usar primero la &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;herramienta de reparación del sistema iOS&lt;/a&gt; para devolverlo a un estado normal.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Conecte su dispositivo iOS al PC</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. Asegúrese de que el dispositivo esté desbloqueado.</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. Conecte un solo dispositivo para analizar.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;¿El dispositivo está conectado pero no se reconoce?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>¿No se detecta ningún dispositivo? Siga los pasos siguientes e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Analizar el entorno del dispositivo</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Copiar los datos del dispositivo iOS %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Descifrar los datos %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>Se produjo un error y falló el análisis del dispositivo. ¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Dispositivo: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>No se puede leer el dispositivo. Desbloquéelo, toque «Confiar» si se lo pide e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>¡No hay espacio suficiente! Asegúrese de que el dispositivo tenga más de 200 MB libres e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Según la política de privacidad de Apple, iOS 13 y posteriores requieren copias cifradas para analizar el registro de llamadas, FaceTime y el historial de Safari. El programa establecerá la contraseña de copia en &lt;font color=&quot;#558AF8&quot;;&gt;%1 (recuerde esta contraseña)&lt;/font&gt;. Tardará bastante. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>No hay espacio en disco suficiente para descifrar toda la copia. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>Lo sentimos, se produjo un error(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Ver soluciones&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Toque «Confiar» en su dispositivo iOS.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Introduzca el código en el dispositivo iOS.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Nota: si no ve la solicitud de confianza, vuelva a conectar el dispositivo.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Confíe en este ordenador en el dispositivo %1(%2).</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>Analizando su dispositivo</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Introduzca el código en su dispositivo iOS para continuar.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Desbloquee el dispositivo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Vuelva a conectar el dispositivo y compruebe que la conexión sea estable. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Reinicie el dispositivo y el programa y vuelva a conectar el dispositivo.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. ¿Nada funcionó? Intente reparar el dispositivo con la &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;herramienta de reparación del sistema iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Iniciar análisis</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>El dispositivo se ha desconectado, vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Se están copiando datos. ¿Seguro que desea salir del programa?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>¡&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; está conectado! Elija los tipos de datos que desea recuperar.</translation>
    </message>
    <message>
        <source>Photos</source>
        <extracomment>Category of pictures; also a tab of chat attachments and the name of an exported folder.</extracomment>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Vídeos del álbum</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Buzón de voz</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Notas de voz</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Marcadores de Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Historial de Safari</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Historial de llamadas</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>Fotos de apps</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>Vídeos de apps</translation>
    </message>
    <message>
        <source>App Audios</source>
        <translation>Audios de apps</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>Documentos de apps</translation>
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
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Datos del sistema</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Datos de apps de terceros</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>Analizando su dispositivo iOS, tardará un poco....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Su copia de iTunes está cifrada; introduzca su contraseña.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Introducir contraseña</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Descifrar</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;¿Olvidó la contraseña de la copia de iTunes?</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>Comprobando la contraseña, espere...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Conversaciones</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Vídeos]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Audios]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Fotos]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Adjunto]</translation>
    </message>
    <message>
        <source>To: </source>
        <translation>Para: </translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Unsent</source>
        <extracomment>State of a chat message that never left the phone, shown beside it in the exported page.</extracomment>
        <translation>No enviado</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Audios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation>Mensajes individuales</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Mensajes de grupo</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Mensajes destacados</translation>
    </message>
    <message>
        <source>LINE Keep</source>
        <translation>LINE Keep</translation>
    </message>
    <message>
        <source>LINE Keep types</source>
        <translation>Tipos de LINE Keep</translation>
    </message>
    <message>
        <source>Texts</source>
        <translation>Textos</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Error al enviar</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Cita:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Leer más</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Tarjeta de contacto</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>¡Descargue primero el archivo antes de restaurar los datos!</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>¡Este archivo ha caducado!</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>¡Este mensaje ha sido eliminado!</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>¡Tipo de datos no compatible!</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Voz]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Llamada de voz]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Tarjeta de contacto]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Ubicación]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Documentos]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[Sticker]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[Sticker]</translation>
    </message>
    <message>
        <source>&apos;s LINE Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You created group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>careated group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You was added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>were added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> added you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> added You</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You added </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> added </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You removed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> removed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> has joined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started a call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> recipients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>School Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Father</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Husband</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Son</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wife</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flickr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LinkedIn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Myspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sina Weibo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facebook Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gadu-Gadu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google Talk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ICQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jabber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSN Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yahoo! Messenger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Notas</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Department</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverNoticeDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished">Aceptar</translation>
    </message>
</context>
<context>
    <name>RecoverPathunreadabilityDialog</name>
    <message>
        <source>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished">Cancelar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished">Continuar</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished">Sí</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation type="unfinished">Historial de Safari</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation type="unfinished">Marcadores de Safari</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mailName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation type="unfinished">Notas de voz</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation type="unfinished">Buzón de voz</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished">Notas</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

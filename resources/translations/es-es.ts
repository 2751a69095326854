<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translatorcomment>Glosario (es-ES, trato de usted): backup = copia de seguridad (abreviado: copia); scan = analizar / análisis; recover = recuperar; export = exportar; device = dispositivo; attachment = adjunto (Adjuntos de ...); computer = ordenador; sign in / sign out = iniciar sesión / cerrar sesión; delete = eliminar; passcode = código; password = contraseña; folder = carpeta; path = ruta; decrypt = descifrar; encrypted = cifrado; You (chat) = Usted; admin = administrador; broadcast list = lista de difusión; disappearing messages = mensajes temporales; quotes = «…»</translatorcomment>
        <translation>Título</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Fecha del aviso</translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation>Marcar todas las filas</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation>Otro teléfono</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Teléfono móvil</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Teléfono de casa</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Teléfono del trabajo</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Teléfono de la escuela</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>Número de iPhone</translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation>Número de Apple Watch</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Teléfono principal</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Fax de casa</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Fax del trabajo</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Buscapersonas</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Otro correo electrónico</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>Correo personal</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>Correo del trabajo</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>Correo de la escuela</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>Correo de iCloud</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Otra URL</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>URL personal</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>URL del trabajo</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>URL de la escuela</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Otra dirección</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Dirección de casa</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Dirección del trabajo</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Dirección de la escuela</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Otras fechas</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Cumpleaños (calendario chino)</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Aniversario</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Otras relaciones</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Padre</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Madre</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Hermano</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Hermana</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Hermano mayor</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Hermana mayor</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Hermano menor</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Hermana menor</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Esposo</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Esposa</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Hijo</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Hija</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Amigo</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Supervisor</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Compañero de trabajo</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Otro perfil social</translation>
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
        <translation>Otra cuenta de mensajería</translation>
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
        <translation>%1:</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Cumpleaños:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
</context>
<context>
    <name>DeviceParser</name>
    <message>
        <source>You</source>
        <translation>Usted</translation>
    </message>
    <message>
        <source>you</source>
        <translation>usted</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation>
            <numerusform>%1 y %n contacto más</numerusform>
            <numerusform>%1 y %n contactos más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Title of a starred WhatsApp message: who sent it, then the chat or person it went to.</extracomment>
        <translation>%1 a %2</translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation>Audios de apps</translation>
    </message>
    <message>
        <source>App Documents</source>
        <translation>Documentos de apps</translation>
    </message>
</context>
<context>
    <name>DocsV1TableView</name>
    <message>
        <source>Audios</source>
        <translation>Audios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
</context>
<context>
    <name>FaceTimeCallHistorModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Número de teléfono</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Tipo de llamada</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Llamada entrante</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Llamada saliente</translation>
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
        <translation>Historial de llamadas</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Último mes</translation>
    </message>
    <message>
        <source>Last three Months</source>
        <translation>Últimos 3 meses</translation>
    </message>
    <message>
        <source>Last Six Months</source>
        <translation>Últimos 6 meses</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Último año</translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation>Seleccionar periodo</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation>Desde (días)</translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation>Hasta (días)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Adjuntos de Mensajes</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Vídeos del álbum</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Adjuntos de Notas</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Adjuntos de Calendarios</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Adjuntos de Recordatorios</translation>
    </message>
    <message>
        <source>App Photos</source>
        <translation>Fotos de apps</translation>
    </message>
    <message>
        <source>App Videos</source>
        <translation>Vídeos de apps</translation>
    </message>
</context>
<context>
    <name>MediaV1TableView</name>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
</context>
<context>
    <name>MemoView</name>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>This note is locked!</source>
        <translation>Esta nota está bloqueada.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Adjuntos</translation>
    </message>
</context>
<context>
    <name>NavigationItemDelegate</name>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Adjuntos de Mensajes</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Buzón de voz</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Notas de voz</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Vídeos del álbum</translation>
    </message>
    <message>
        <source>FaceTime</source>
        <translation>FaceTime</translation>
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
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Adjuntos de Notas</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Historial de llamadas</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Adjuntos de Calendarios</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Adjuntos de Recordatorios</translation>
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
        <source>WhatsApp Attachment</source>
        <translation>Adjuntos de WhatsApp</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>Adjuntos de LINE</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Datos del sistema</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Datos de apps de terceros</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>Recupere por completo los datos de su dispositivo iOS</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Recuperar datos del dispositivo iOS</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Recupera datos eliminados directamente de su dispositivo iOS: mensajes, contactos, imágenes, etc.</translation>
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
        <translation>No abra iTunes mientras el programa esté en funcionamiento; de lo contrario, la recuperación fallará.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Para ver estos datos, expórtelos primero a su ordenador.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>Quenrow (iOS) recupera lo que se ha perdido en un iPhone o iPad (mensajes, contactos, fotos, notas, chats y mucho más) desde el propio dispositivo, desde una copia de seguridad de iTunes o desde una copia de seguridad de iCloud. Lo desarrolla el equipo de Quenrow, que crea herramientas fiables y cuidadas para ayudar a las personas a recuperar sus datos.</translation>
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
        <extracomment>Check box above a list of records that ticks every record shown.</extracomment>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Filter</source>
        <extracomment>Spoken name and tool tip of the funnel button that opens the date filter.</extracomment>
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
        <translation>La ruta no es válida. Elija otra.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <extracomment>Spoken for the lock of a password-protected backup in the list of backups.</extracomment>
        <translation>Cifrada</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>La ruta no existe. Elija otra ruta de exportación.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Cambiar la ruta de exportación</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>La ruta elegida no tiene permisos de lectura y escritura. Elija otra ruta de exportación.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Cambiar la ruta de exportación</translation>
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
        <translation>Más tarde</translation>
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
        <translation>Ya tiene la versión más reciente.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Hay una nueva versión disponible.</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versión: %1 | Tamaño: %2 | Fecha de publicación: %3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>No se ha podido obtener la información de actualización. Inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>Descargar y analizar los datos de iCloud lleva un tiempo. La duración del análisis depende del tamaño de su copia de seguridad de iCloud. Espere, por favor.</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Mantenga estable la conexión del dispositivo durante el análisis. La duración depende de la cantidad de datos del dispositivo: cuantos más datos, más tardará. Espere, por favor.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>La duración del análisis depende de la cantidad de datos. Si tiene muchos datos, tardará bastante. Espere, por favor.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Nota: si no encuentra los datos que necesita, pruebe con otras funciones o elija otros tipos de datos para analizar.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Nota: si no encuentra los datos que busca, use «Recuperar datos de una copia de iTunes» o vuelva atrás, elija otros tipos de datos y analice de nuevo.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>No se han encontrado datos.</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Se ha detectado que su dispositivo está en un estado anómalo. Repárelo primero...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Nota: se ha detectado que su dispositivo está en un estado anómalo. Le recomendamos que use primero la &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;herramienta de reparación del sistema iOS&lt;/a&gt; para devolverlo a un estado normal.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Conecte su dispositivo iOS al ordenador</translation>
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
        <translation>2. Conecte solo un dispositivo para analizarlo.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;¿El dispositivo está conectado pero no se reconoce?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>¿No se detecta ningún dispositivo? Siga estos pasos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Analizar el entorno del dispositivo</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Hacer una copia de seguridad del dispositivo iOS %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Descifrar los datos %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>Se ha producido un error y no se ha podido analizar el dispositivo. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Dispositivo: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>No se puede leer el dispositivo. Desbloquéelo, toque «Confiar» si se le solicita e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>No hay espacio suficiente. Asegúrese de que el dispositivo tenga más de 200 MB libres e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>Según la política de privacidad de Apple, a partir de iOS 13 se necesita una copia de seguridad cifrada para analizar el historial de llamadas, FaceTime y el historial de Safari. El programa establecerá como contraseña de la copia de seguridad &lt;font color=&quot;#558AF8&quot;;&gt;%1 (recuerde esta contraseña)&lt;/font&gt;. El proceso tardará bastante. ¿Desea continuar?</translation>
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
        <translation>No hay espacio en disco suficiente para descifrar toda la copia de seguridad. ¿Desea continuar?</translation>
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
        <translation>Lo sentimos, se ha producido un error (%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Ver soluciones&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Toque «Confiar» en su dispositivo iOS.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Introduzca el código en su dispositivo iOS.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Nota: si no aparece el aviso de confianza, desconecte el dispositivo y vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Confíe en este ordenador desde el dispositivo %1 (%2).</translation>
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
        <translation>2. Desconecte el dispositivo, vuelva a conectarlo y compruebe que la conexión sea estable. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Reinicie el dispositivo y el programa, y vuelva a conectar el dispositivo.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. ¿No ha funcionado nada? Intente reparar el dispositivo con la &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;herramienta de reparación del sistema iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button that leaves the scan results for the previous page; about 12 characters fit.</extracomment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <extracomment>Button that starts reading the chosen categories from the device or backup; about 14 characters fit.</extracomment>
        <translation>Iniciar análisis</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>El dispositivo se ha desconectado. Vuelva a conectarlo.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>Se está haciendo una copia de seguridad de los datos. ¿Seguro que desea salir del programa?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; está conectado. Seleccione los tipos de datos que desea recuperar.</translation>
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
        <translation>Analizando su dispositivo iOS. Esto tardará un poco...</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>Su copia de seguridad de iTunes está cifrada. Introduzca la contraseña.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Descifrar</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;¿Ha olvidado la contraseña de la copia de iTunes?</translation>
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
        <extracomment>Kinds of LINE Keep items, as tabs above the list: texts, photos, videos, files, links, other.</extracomment>
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
        <translation>Para recuperar estos datos, descargue primero el archivo.</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Este archivo ha caducado.</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Este mensaje se ha eliminado.</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Tipo de datos no compatible.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Usted</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Mensaje de voz]</translation>
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
        <translation>[Emojis]</translation>
    </message>
    <message>
        <source>&apos;s LINE Chat</source>
        <translation> – Chat de LINE</translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation>Mensajes individuales</translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation> – Mensajes individuales</translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation>Mensajes de grupo</translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation> – Mensajes de grupo</translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation> – LINE Keep</translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation> – Chat de WhatsApp</translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation>Mensajes destacados</translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation> – Mensajes destacados</translation>
    </message>
    <message>
        <source>You created group</source>
        <translation>Usted ha creado el grupo</translation>
    </message>
    <message>
        <source>careated group</source>
        <translation>ha creado el grupo</translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation>Usted ha cambiado el icono de este grupo</translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation>ha cambiado el icono de este grupo</translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation>Usted ha cambiado el nombre del grupo de</translation>
    </message>
    <message>
        <source> to </source>
        <translation> a </translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation>ha cambiado el nombre del grupo de</translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation>Usted se ha unido mediante el enlace de invitación del grupo</translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation>se ha unido mediante el enlace de invitación del grupo</translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation>Usted ha cambiado la descripción del grupo:</translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation>ha cambiado la descripción del grupo:</translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>Usted ha activado los mensajes temporales. Los mensajes nuevos desaparecerán de este chat 24 horas después de enviarse</translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>ha activado los mensajes temporales. Los mensajes nuevos desaparecerán de este chat 24 horas después de enviarse</translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation>ha desactivado los mensajes temporales</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation>ha cambiado los ajustes del grupo para que solo los administradores puedan editar la información del grupo</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation>ha cambiado los ajustes del grupo para que solo los administradores puedan enviar mensajes al grupo</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation>ha cambiado los ajustes del grupo para que todos los participantes puedan editar la información del grupo</translation>
    </message>
    <message>
        <source>You were added</source>
        <translation>Usted ha sido añadido</translation>
    </message>
    <message>
        <source>You was added</source>
        <translation>Usted ha sido añadido</translation>
    </message>
    <message>
        <source>was added</source>
        <translation>ha sido añadido</translation>
    </message>
    <message>
        <source>were added</source>
        <translation>han sido añadidos</translation>
    </message>
    <message>
        <source> added you</source>
        <translation> le ha añadido</translation>
    </message>
    <message>
        <source> added You</source>
        <translation> le ha añadido</translation>
    </message>
    <message>
        <source>You added </source>
        <translation>Usted ha añadido a </translation>
    </message>
    <message>
        <source> added </source>
        <translation> ha añadido a </translation>
    </message>
    <message>
        <source>You removed </source>
        <translation>Usted ha eliminado a </translation>
    </message>
    <message>
        <source> removed </source>
        <translation> ha eliminado a </translation>
    </message>
    <message>
        <source>You left</source>
        <translation>Usted ha salido del grupo</translation>
    </message>
    <message>
        <source> left</source>
        <translation> ha salido del grupo</translation>
    </message>
    <message>
        <source> has joined</source>
        <translation> se ha unido</translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation>ha cambiado a</translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation>Usted ha iniciado una llamada</translation>
    </message>
    <message>
        <source>started a call</source>
        <translation>ha iniciado una llamada</translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation>Usted ha iniciado una videollamada</translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation>ha iniciado una videollamada</translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation>Usted ha bloqueado a este contacto</translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation>Usted ha desbloqueado a este contacto</translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation>Usted ahora tiene permisos de administrador</translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation>ahora tiene permisos de administrador</translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation>Usted ya no tiene permisos de administrador</translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation>ya no tiene permisos de administrador</translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation>Usted ha creado una lista de difusión</translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation>ha creado una lista de difusión</translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation>Usted ha creado una lista de difusión con</translation>
    </message>
    <message>
        <source> recipients</source>
        <translation> destinatarios</translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation>ha creado una lista de difusión con</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation>ha cambiado los ajustes del grupo para que todos los participantes puedan enviar mensajes al grupo</translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation>Llamada grupal finalizada</translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation>Llamada de voz finalizada</translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation>Pulse «Ctrl» + «F» para buscar.</translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation>¿Desea guardar esta conversación como PDF? Abra el menú de los tres puntos de la esquina superior derecha del navegador, elija «Imprimir» y, como impresora, seleccione «Guardar como PDF».</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Llamada saliente</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Llamada entrante</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Priority of a reminder (High, Middle, Low, None).</extracomment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>State of a reminder in its detail row and the exported reminders.</extracomment>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apodo</translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation>Obteniendo la lista de copias de seguridad de iTunes...</translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation>Descifrando la copia de seguridad de iTunes...</translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation>Nota: este proceso puede tardar un poco. Espere, por favor.</translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation>Se está descifrando su copia de seguridad de iTunes. ¿Desea cancelar?</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostrar contraseña</translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation>Seleccione el tipo de datos que desea recuperar.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nombre del dispositivo</translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation>Fecha de la copia</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation>Copias de seguridad de iTunes</translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation>Nota: si su copia de seguridad no aparece en la lista, puede &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;elegir&lt;/a&gt; una copia de seguridad de otra carpeta para recuperar sus datos.</translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation>No hay ninguna copia de seguridad de iTunes en esta carpeta. Seleccione otra copia.</translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation>Lo sentimos, para descifrar esta copia de seguridad se necesitan unos %1 de espacio libre. Libere espacio en el disco e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation>Lo sentimos, no se ha podido descifrar la copia de seguridad. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation>Lo sentimos, no se ha encontrado su copia de seguridad de iTunes.</translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation>Iniciar sesión en iCloud</translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation>Nota:
1. Para que el contenido de iCloud no cambie, no conecte el dispositivo al ordenador.
2. Nos tomamos muy en serio su privacidad y seguridad: nunca guardamos los datos de su cuenta de Apple.
3. Por ahora no se puede iniciar sesión con un número de teléfono. Use su correo electrónico para iniciar sesión en iCloud.
</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;¿Ha olvidado su Apple ID o la contraseña?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation>Apple ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation>Compruebe su conexión a Internet e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation>El Apple ID o la contraseña no son correctos.</translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation>iCloud no está disponible en esta plataforma.</translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation>No se ha podido iniciar sesión por un motivo desconocido. Consulte las &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;posibles soluciones&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation>Esta cuenta tiene activada la autenticación de doble factor. Introduzca el código de verificación que ha recibido en su dispositivo.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Ayuda de Apple</translation>
    </message>
    <message>
        <source>Digit %1</source>
        <translation>Dígito %1</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;SMS code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Código por SMS%2</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Resend a code%2</source>
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Reenviar el código%2</translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation>Código por SMS</translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation>Reenviar el código</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Demasiados intentos de verificación. Inténtelo más tarde.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;El código de verificación no es correcto.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Cerrar sesión)</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation>¿Seguro que desea volver atrás? Tendrá que iniciar sesión de nuevo en iCloud.</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation>Seleccione una copia de seguridad de iTunes para analizarla.</translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation>Seleccione los tipos de datos que desea recuperar.</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Adjuntos de Mensajes</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Adjuntos de Notas</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Adjuntos de Calendarios</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Adjuntos de Recordatorios</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>Adjuntos de WhatsApp</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>Adjuntos de LINE</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation>No se han podido descargar los datos. Inténtelo de nuevo o inicie sesión con otro Apple ID.</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation>¿Seguro que desea volver atrás? Tendrá que descargar los datos de nuevo.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation>Se están analizando los datos. ¿Seguro que desea volver atrás?</translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation>¿Seguro que desea volver atrás? Tendrá que analizar los datos de nuevo.</translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation>Se están descargando los datos de la copia de seguridad de iCloud. ¿Seguro que desea detener la descarga? Si la detiene, los datos no se descargarán por completo.</translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation>¿Seguro que desea detener el análisis? Si lo detiene, algunos datos no se analizarán.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation>Se están analizando los datos. ¿Seguro que desea salir del programa?</translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation>El análisis ha finalizado. ¿Seguro que desea salir? Si sale, los resultados del análisis no se guardarán.</translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation>Su dispositivo (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) se ha desconectado y el análisis se ha interrumpido. El programa mostrará los datos que se hayan podido analizar.</translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation>El dispositivo (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) se ha desconectado. No se podrán recuperar algunos tipos de datos.</translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation>Seleccione los datos que desea recuperar.</translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation>No hay espacio suficiente y no se han podido exportar los datos. Asegúrese de que haya más de 100 MB libres en el disco.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Se ha descargado %n elemento. Recupere sus datos lo antes posible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: si no encuentra los datos que necesita, vuelva atrás y descárguelos de nuevo.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Se han descargado %n elementos. Recupere sus datos lo antes posible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: si no encuentra los datos que necesita, vuelva atrás y descárguelos de nuevo.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Análisis completado: se ha encontrado %n elemento. Recupere sus datos lo antes posible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: los datos eliminados se sobrescriben con facilidad mientras siga usando el dispositivo, por lo que cada análisis puede dar resultados distintos. Si encuentra los datos eliminados, le recomendamos que los recupere lo antes posible.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Análisis completado: se han encontrado %n elementos. Recupere sus datos lo antes posible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: los datos eliminados se sobrescriben con facilidad mientras siga usando el dispositivo, por lo que cada análisis puede dar resultados distintos. Si encuentra los datos eliminados, le recomendamos que los recupere lo antes posible.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s Messages</source>
        <translation>Mensajes de %1</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>a contact&apos;s note</comment>
        <translation>Notas</translation>
    </message>
    <message>
        <source>(%1s)</source>
        <extracomment>Seconds left before a new code can be asked for, after the link&apos;s text.</extracomment>
        <translation>(%1 s)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation>Número de Apple Watch</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Teléfono de casa</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Fax de casa</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Teléfono principal</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Teléfono móvil</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Buscapersonas</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Teléfono de la escuela</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Teléfono del trabajo</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Fax del trabajo</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>Número de iPhone</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>Correo personal</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>Correo de la escuela</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>Correo del trabajo</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>Correo de iCloud</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>URL personal</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>URL de la escuela</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>URL del trabajo</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Dirección de casa</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Dirección de la escuela</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Dirección del trabajo</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Aniversario</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Cumpleaños</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Cumpleaños (calendario chino)</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Hermano</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Compañero de trabajo</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Hija</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Hermano mayor</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Hermana mayor</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Padre</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Amigo</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Esposo</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Madre</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Pareja</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Hermana</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Hijo</translation>
    </message>
    <message>
        <source>Supervisor</source>
        <translation>Supervisor</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Esposa</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Hermano menor</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Hermana menor</translation>
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
        <translation>Otro teléfono</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Otro correo electrónico</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Otra URL</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Otra dirección</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Otras fechas</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Otras relaciones</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Otro perfil social</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>Otra cuenta de mensajería</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Adjuntos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Tipo de llamada</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Fecha del aviso</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Segundo nombre</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apellidos</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>Department</source>
        <translation>Departamento</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Apodo</translation>
    </message>
</context>
<context>
    <name>RecoverNoticeDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>RecoverPathunreadabilityDialog</name>
    <message>
        <source>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</source>
        <translation>Si desea cambiar la ruta de exportación, vaya a &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Configuración&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation>Exportando datos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Exporting data %1 %2 %3</source>
        <translation>Exportando datos %1 %2 %3</translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation>Se están exportando los datos. ¿Seguro que desea detener la exportación?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation>No se han podido recuperar los datos. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation>Elementos recuperados: %1. Elementos no recuperados: %2.
Mantenga estable la conexión del dispositivo e inténtelo de nuevo más tarde.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation>Elementos recuperados: %1. Elementos no recuperados: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation>
            <numerusform>Se ha recuperado %n elemento correctamente.</numerusform>
            <numerusform>Se han recuperado %n elementos correctamente.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SafariModel</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation>Historial de Safari</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Marcadores de Safari</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>mailName</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoView</name>
    <message>
        <source>Voice Memos</source>
        <translation>Notas de voz</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Buzón de voz</translation>
    </message>
</context>
<context>
    <name>calendarsRemindersView</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Adjuntos</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Fecha de creación</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Fecha del aviso</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Prioridad</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
</context>
</TS>

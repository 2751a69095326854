<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QObject</name>
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
</context>
</TS>

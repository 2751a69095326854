<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>QObject</name>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>Transferir e analisar os dados do iCloud demora algum tempo. A duração da análise depende do tamanho da sua cópia do iCloud. Aguarde com paciência!</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Mantenha a ligação do dispositivo estável durante a análise. A duração depende da quantidade de dados do dispositivo. Quanto mais dados, mais demora. Aguarde.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>A duração da análise depende da quantidade de dados. Se tiver muitos dados, vai demorar bastante. Aguarde com paciência.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Nota: se não encontrar os dados de que precisa, experimente outras funções ou escolha outros tipos de dados para analisar.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Nota: se não encontrar os dados que procura, use «Recuperar dados de cópia do iTunes» ou volte atrás e escolha outros tipos de dados para analisar de novo.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Nenhum dado encontrado!</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>O seu dispositivo está num estado anómalo, repare-o primeiro...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Nota: o seu dispositivo foi detetado num estado anómalo. É melhor usar primeiro a &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;ferramenta de reparação do sistema iOS&lt;/a&gt; para repor o dispositivo num estado normal.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Ligue o seu dispositivo iOS ao PC</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Nota:</translation>
    </message>
    <message>
        <source>1. Make sure your device is unlocked.</source>
        <translation>1. Certifique-se de que o dispositivo está desbloqueado.</translation>
    </message>
    <message>
        <source>2. Make sure connect one device to scan.</source>
        <translation>2. Ligue apenas um dispositivo para analisar.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;O dispositivo está ligado mas não é reconhecido?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Nenhum dispositivo detetado? Siga os passos abaixo e tente de novo.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Analisar o ambiente do dispositivo</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Copiar os dados do dispositivo iOS %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Desencriptar os dados %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>Ocorreu um erro e a análise do dispositivo falhou. Tente de novo!</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Dispositivo: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Não é possível ler o dispositivo. Desbloqueie-o, toque em «Confiar» se ele pedir e tente de novo.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Espaço insuficiente! Certifique-se de que o dispositivo tem mais de 200 MB livres e tente de novo.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>De acordo com a política de privacidade da Apple, o iOS 13 e versões posteriores exigem cópias encriptadas para analisar o registo de chamadas, o FaceTime e o histórico do Safari. O programa vai definir a palavra-passe da cópia como &lt;font color=&quot;#558AF8&quot;;&gt;%1 (memorize esta palavra-passe)&lt;/font&gt;. Vai demorar bastante. Quer continuar?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>There is not enough disk space to decrypt all backup. Do you want to continue?</source>
        <translation>Não há espaço em disco suficiente para desencriptar toda a cópia. Quer continuar?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Sorry, an error occurred(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Check solutions&lt;/a&gt;</source>
        <translation>Lamentamos, ocorreu um erro(%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Ver soluções&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Toque em «Confiar» no seu dispositivo iOS.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Introduza o código no dispositivo iOS.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Nota: se não vir o pedido de confiança, volte a ligar o dispositivo.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Confie neste computador no dispositivo %1(%2).</translation>
    </message>
    <message>
        <source>Analysing Your Device</source>
        <translation>A analisar o seu dispositivo</translation>
    </message>
    <message>
        <source>Please enter passcode on your iOS device to continue.</source>
        <translation>Introduza o código no seu dispositivo iOS para continuar.</translation>
    </message>
    <message>
        <source>1. Unlock the device and try again.</source>
        <translation>1. Desbloqueie o dispositivo e tente de novo.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Volte a ligar o dispositivo e verifique se a ligação é estável. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Reinicie o dispositivo e o programa e volte a ligar o dispositivo.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. Nada resultou? Tente reparar o dispositivo com a &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;ferramenta de reparação do sistema iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <translation>Iniciar análise</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>O dispositivo foi desligado, volte a ligá-lo.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>A copiar dados. Tem a certeza de que quer sair do programa?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; está ligado! Escolha os tipos de dados que quer recuperar.</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Video in album</source>
        <translation>Vídeos do álbum</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contactos</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Correio de voz</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendários</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Memorandos de voz</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Marcadores do Safari</translation>
    </message>
    <message>
        <source>Safari History</source>
        <translation>Histórico do Safari</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Histórico de chamadas</translation>
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
        <translation>Áudios de apps</translation>
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
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Dados do sistema</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Dados de apps de terceiros</translation>
    </message>
    <message>
        <source>Analyzing your iOS device, it will take some time....</source>
        <translation>A analisar o seu dispositivo iOS, vai demorar algum tempo....</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>A sua cópia do iTunes está encriptada, introduza a palavra-passe.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Introduzir palavra-passe</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Desencriptar</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Esqueceu a palavra-passe da cópia do iTunes?</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>A verificar a palavra-passe, aguarde...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Palavra-passe incorreta</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>CalendarsTableModel</name>
    <message>
        <source>Title</source>
        <translatorcomment>Glossário (pt-PT, tratamento formal na 3.ª pessoa, sem «você»): backup = cópia de segurança (abreviado: cópia); scan = analisar / análise; recover = recuperar; export = exportar; device = dispositivo; attachment = anexo (Anexos de ...); computer = computador; connect / disconnect = ligar / desligar; download = transferir; sign in / sign out = iniciar sessão / terminar sessão; delete = eliminar; passcode = código; password = palavra-passe; file = ficheiro; folder = pasta; path = caminho; decrypt = desencriptar; encrypted = encriptado; settings = Definições; chat = conversa; You (chat label) = Eu; admin = administrador; broadcast list = lista de difusão; disappearing messages = mensagens temporárias; starred = com estrela; sticker = autocolante; quotes = «…»</translatorcomment>
        <translation>Título</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Data do lembrete</translation>
    </message>
</context>
<context>
    <name>CalendarsTableView</name>
    <message>
        <source>Calendars</source>
        <translation>Calendários</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
</context>
<context>
    <name>CheckableHeaderView</name>
    <message>
        <source>Check all rows</source>
        <translation>Selecionar todas as linhas</translation>
    </message>
</context>
<context>
    <name>ContactView</name>
    <message>
        <source>Other Number</source>
        <translation>Outro telefone</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Telemóvel</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Telefone de casa</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Telefone do trabalho</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Telefone da escola</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>Número do iPhone</translation>
    </message>
    <message>
        <source>Apple Watch number</source>
        <translation>Número do Apple Watch</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Telefone principal</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Fax de casa</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Fax do trabalho</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Outro e-mail</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>E-mail pessoal</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>E-mail do trabalho</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>E-mail da escola</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>E-mail do iCloud</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Outro URL</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>URL pessoal</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>URL do trabalho</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>URL da escola</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Outra morada</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Morada de casa</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Morada do trabalho</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Morada da escola</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Outras datas</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Aniversário</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Aniversário (calendário chinês)</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Data comemorativa</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Outras relações</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Pai</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Mãe</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Irmão</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Irmã</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Irmão mais velho</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Irmã mais velha</translation>
    </message>
    <message>
        <source>Younger Brother</source>
        <translation>Irmão mais novo</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Irmã mais nova</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Marido</translation>
    </message>
    <message>
        <source>Wife</source>
        <translation>Esposa</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Companheiro</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Filho</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Filha</translation>
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
        <translation>Colega de trabalho</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Outro perfil social</translation>
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
        <translation>Outra conta de mensagens</translation>
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
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Birthday:</source>
        <translation>Aniversário:</translation>
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
        <translation>Eu</translation>
    </message>
    <message>
        <source>you</source>
        <translation>mim</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n other contact(s)</source>
        <translation>
            <numerusform>%1 e mais %n contacto</numerusform>
            <numerusform>%1 e mais %n contactos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Title of a starred WhatsApp message: who sent it, then the chat or person it went to.</extracomment>
        <translation>%1 para %2</translation>
    </message>
</context>
<context>
    <name>DocsTableModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
</context>
<context>
    <name>DocsTableView</name>
    <message>
        <source>App Audios</source>
        <translation>Áudios de apps</translation>
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
        <translation>Áudios</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Número de telefone</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Tipo de chamada</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Chamada recebida</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Chamada efetuada</translation>
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
        <translation>Histórico de chamadas</translation>
    </message>
</context>
<context>
    <name>FiltrationDialog</name>
    <message>
        <source>All</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Last 7 Days</source>
        <translation>Últimos 7 dias</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Último mês</translation>
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
        <translation>Último ano</translation>
    </message>
    <message>
        <source>Custom Range</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Select Time</source>
        <translation>Selecionar período</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dias</translation>
    </message>
    <message>
        <source>From (days)</source>
        <translation>De (dias)</translation>
    </message>
    <message>
        <source>To (days)</source>
        <translation>Até (dias)</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>LineChat</name>
    <message>
        <source>Video call</source>
        <translation>Videochamada</translation>
    </message>
    <message>
        <source>Voice call</source>
        <translation>Chamada de voz</translation>
    </message>
    <message>
        <source>Group video started.</source>
        <translation>Videochamada de grupo iniciada.</translation>
    </message>
    <message>
        <source>Group voice started.</source>
        <translation>Chamada de voz de grupo iniciada.</translation>
    </message>
</context>
<context>
    <name>MediaTableView</name>
    <message>
        <source>Messages Attachment</source>
        <translation>Anexos de Mensagens</translation>
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
        <source>Notes Attachment</source>
        <translation>Anexos de Notas</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Anexos de Calendários</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Anexos de Lembretes</translation>
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
        <translation>Detalhes</translation>
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
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anexos</translation>
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
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Anexos de Mensagens</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Correio de voz</translation>
    </message>
    <message>
        <source>Voice Memos</source>
        <translation>Memos de voz</translation>
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
        <source>FaceTime</source>
        <translation>FaceTime</translation>
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
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Anexos de Notas</translation>
    </message>
    <message>
        <source>Call History</source>
        <translation>Histórico de chamadas</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendários</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Anexos de Calendários</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Lembretes</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Anexos de Lembretes</translation>
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
        <source>WhatsApp Attachment</source>
        <translation>Anexos do WhatsApp</translation>
    </message>
    <message>
        <source>LINE</source>
        <translation>LINE</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>Anexos do LINE</translation>
    </message>
    <message>
        <source>System Data</source>
        <translation>Dados do sistema</translation>
    </message>
    <message>
        <source>Third-party App Data</source>
        <translation>Dados de apps de terceiros</translation>
    </message>
</context>
<context>
    <name>NavigationItemView</name>
    <message>
        <source>Select ALL</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorias</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Recover Your Data from iOS Device Completely</source>
        <translation>Recupere todos os dados do seu dispositivo iOS</translation>
    </message>
    <message>
        <source>Recover Data from iOS Device</source>
        <translation>Recuperar dados do dispositivo iOS</translation>
    </message>
    <message>
        <source>Support to retrieve deleted data from your iOS device directly, including messages, contacts, picture, etc.</source>
        <translation>Recupera dados eliminados diretamente do seu dispositivo iOS: mensagens, contactos, imagens, etc.</translation>
    </message>
    <message>
        <source>Recover Data from iTunes Backup</source>
        <translation>Recuperar dados de uma cópia do iTunes</translation>
    </message>
    <message>
        <source>Support to scan and preview data from iTunes backup.</source>
        <translation>Analisa uma cópia de segurança do iTunes e mostra os respetivos dados.</translation>
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
        <source>Don&apos;t open iTunes while the program is running, or the recovery will fail.</source>
        <translation>Não abra o iTunes enquanto o programa estiver em execução; caso contrário, a recuperação irá falhar.</translation>
    </message>
    <message>
        <source>Please export the data locally for viewing.</source>
        <translation>Para ver estes dados, exporte-os primeiro para o computador.</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>O Quenrow (iOS) recupera o que se perdeu num iPhone ou iPad (mensagens, contactos, fotos, notas, conversas e muito mais) a partir do próprio dispositivo, de uma cópia de segurança do iTunes ou de uma cópia de segurança do iCloud. É desenvolvido pela equipa Quenrow, que cria ferramentas fiáveis e cuidadas para ajudar as pessoas a recuperar os seus dados.</translation>
    </message>
    <message>
        <source>Copyright © 2024 Quenrow. All rights reserved.</source>
        <translation>Copyright © 2024 Quenrow. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Show All (%1)</source>
        <translation>Mostrar tudo (%1)</translation>
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
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>Separador %1</translation>
    </message>
    <message>
        <source>Change data export path</source>
        <translation>Alterar o caminho de exportação</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The path is invalid, please choose again.</source>
        <translation>O caminho não é válido. Escolha outro.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <extracomment>Spoken for the lock of a password-protected backup in the list of backups.</extracomment>
        <translation>Encriptada</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>O caminho não existe. Escolha outro caminho de exportação.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Alterar o caminho de exportação</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>O caminho escolhido não tem permissões de leitura e escrita. Escolha outro caminho de exportação.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Alterar o caminho de exportação</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>What&apos;s New</source>
        <translation>Novidades</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Mais tarde</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Atualizar agora</translation>
    </message>
    <message>
        <source>Waiting for checking...</source>
        <translation>A verificar...</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Já tem a versão mais recente.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Está disponível uma nova versão.</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versão: %1 | Tamanho: %2 | Data de lançamento: %3</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please try again later..</source>
        <translation>Não foi possível obter as informações de atualização. Tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>A carregar</translation>
    </message>
    <message>
        <source>It takes a while to download and analyze the iCloud data. The scanning time depends on the data size of your iCloud backup. Please wait patiently!</source>
        <translation>Transferir e analisar os dados do iCloud demora algum tempo. A duração da análise depende do tamanho da sua cópia de segurança do iCloud. Aguarde, por favor.</translation>
    </message>
    <message>
        <source>Please keep the device connection stable during the scanning process. How long the scan takes depends on the size of the device&apos;s data. The more data, the longer it takes. Please wait.</source>
        <translation>Mantenha a ligação do dispositivo estável durante a análise. A duração depende da quantidade de dados do dispositivo: quanto mais dados, mais demora. Aguarde, por favor.</translation>
    </message>
    <message>
        <source>The scanning time depends on your data size. It will take a long time to scan if you have a lot of data. Please wait patiently.</source>
        <translation>A duração da análise depende da quantidade de dados. Se tiver muitos dados, vai demorar bastante. Aguarde, por favor.</translation>
    </message>
    <message>
        <source>Note: If you can&apos;t find the data you need, try using other features. Or select different types of data to scan.</source>
        <translation>Nota: se não encontrar os dados de que precisa, experimente outras funcionalidades ou escolha outros tipos de dados para analisar.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t find the data you want, please use &quot;Recover Data from iTunes Backup&quot; or go back to select other data types to scan again.</source>
        <translation>Nota: se não encontrar os dados que procura, utilize «Recuperar dados de uma cópia do iTunes» ou volte atrás, escolha outros tipos de dados e analise novamente.</translation>
    </message>
    <message>
        <source>No data found!</source>
        <translation>Não foram encontrados dados.</translation>
    </message>
    <message>
        <source>Your device is detected in an abnormal state, please fix it first...</source>
        <translation>Foi detetado que o seu dispositivo está num estado anómalo. Repare-o primeiro...</translation>
    </message>
    <message>
        <source>Note: Your device has been detected in an abnormal state. You&apos;d better use the &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;iOS System Repair Tool&lt;/a&gt; to fix your device to a normal state first.</source>
        <translation>Nota: foi detetado que o seu dispositivo está num estado anómalo. Recomendamos que utilize primeiro a &lt;a style=&apos;color: #558AF8;text-decoration: none;&apos;href=&quot;%1&quot;&gt;ferramenta de reparação do sistema iOS&lt;/a&gt; para repor o dispositivo num estado normal.</translation>
    </message>
    <message>
        <source>Please connect your iOS device to PC</source>
        <translation>Ligue o seu dispositivo iOS ao computador</translation>
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
        <translation>2. Ligue apenas um dispositivo para o analisar.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;Device is connected but unrecognized?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href = &quot;#&quot;&gt;O dispositivo está ligado mas não é reconhecido?</translation>
    </message>
    <message>
        <source>No device detected? Please follow the steps below to try again.</source>
        <translation>Nenhum dispositivo detetado? Siga os passos abaixo e tente novamente.</translation>
    </message>
    <message>
        <source>Analyze device environment</source>
        <translation>Analisar o ambiente do dispositivo</translation>
    </message>
    <message>
        <source>Back up iOS device data %1</source>
        <translation>Criar uma cópia de segurança do dispositivo iOS %1</translation>
    </message>
    <message>
        <source>Decrypt data %1</source>
        <translation>Desencriptar os dados %1</translation>
    </message>
    <message>
        <source>An error was encountered and the analysis device failed. Please try again!</source>
        <translation>Ocorreu um erro e não foi possível analisar o dispositivo. Tente novamente.</translation>
    </message>
    <message>
        <source>Device: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</source>
        <translation>Dispositivo: &lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Cannot read your device. Please unlock it, tap &quot;Trust&quot; on it if it asks, then try again.</source>
        <translation>Não é possível ler o dispositivo. Desbloqueie-o, toque em «Confiar» se lhe for pedido e tente novamente.</translation>
    </message>
    <message>
        <source>Not enough space! Please make sure there is more than 200MB of free space on your device and try again.</source>
        <translation>Espaço insuficiente. Certifique-se de que o dispositivo tem mais de 200 MB livres e tente novamente.</translation>
    </message>
    <message>
        <source>According to Apple&apos;s privacy policy, iOS13 and above versions require encrypted backups to scan call logs, FaceTime and Safari history. The program will set the backup password to &lt;font color=&quot;#558AF8&quot;;&gt;%1 (please remember this password)&lt;/font&gt;. It will take a long time, are you confirm to continue?</source>
        <translation>De acordo com a política de privacidade da Apple, a partir do iOS 13 é necessária uma cópia de segurança encriptada para analisar o histórico de chamadas, o FaceTime e o histórico do Safari. O programa vai definir como palavra-passe da cópia de segurança &lt;font color=&quot;#558AF8&quot;;&gt;%1 (memorize esta palavra-passe)&lt;/font&gt;. O processo vai demorar bastante. Pretende continuar?</translation>
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
        <translation>Não há espaço em disco suficiente para desencriptar toda a cópia de segurança. Pretende continuar?</translation>
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
        <translation>Lamentamos, ocorreu um erro (%1).&lt;br&gt;&lt;br&gt;&lt;a style=&apos;color:#558AF8;&apos;href =&quot;%2&quot;&gt;Ver soluções&lt;/a&gt;</translation>
    </message>
    <message>
        <source>1. Please tap &quot;Trust&quot; on your iOS device.</source>
        <translation>1. Toque em «Confiar» no seu dispositivo iOS.</translation>
    </message>
    <message>
        <source>2. Please enter your passcode on iOS device.</source>
        <translation>2. Introduza o código no seu dispositivo iOS.</translation>
    </message>
    <message>
        <source>Note: If you don&apos;t see the trust prompt, please re-plug your device.</source>
        <translation>Nota: se o pedido de confiança não aparecer, desligue o dispositivo e volte a ligá-lo.</translation>
    </message>
    <message>
        <source>Please trust this computer on %1(%2) device.</source>
        <translation>Confie neste computador no dispositivo %1 (%2).</translation>
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
        <translation>1. Desbloqueie o dispositivo e tente novamente.</translation>
    </message>
    <message>
        <source>2. Re-plug your device and make sure the connection is reliable. </source>
        <translation>2. Desligue o dispositivo, volte a ligá-lo e certifique-se de que a ligação é estável. </translation>
    </message>
    <message>
        <source>3. Restart your device and program then reconnect your device.</source>
        <translation>3. Reinicie o dispositivo e o programa e, em seguida, volte a ligar o dispositivo.</translation>
    </message>
    <message>
        <source>4. All methods failed? Please try to fix your device with the &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;iOS System Repair Tool&lt;/a&gt;.</source>
        <translation>4. Nada resultou? Tente reparar o dispositivo com a &lt;a style = &apos;color:#558AF8;font-size:16px;text-decoration: none;&apos;href=&quot;#&quot;&gt;ferramenta de reparação do sistema iOS&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Button that leaves the scan results for the previous page; about 12 characters fit.</extracomment>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Start Scan</source>
        <extracomment>Button that starts reading the chosen categories from the device or backup; about 14 characters fit.</extracomment>
        <translation>Iniciar análise</translation>
    </message>
    <message>
        <source>Your device is disconnected, please reconnect.</source>
        <translation>O dispositivo foi desligado. Volte a ligá-lo.</translation>
    </message>
    <message>
        <source>Backing up data, are you sure you want to exit the program?</source>
        <translation>A criar uma cópia de segurança dos dados. Tem a certeza de que pretende sair do programa?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; is connected! Please select the types of data you want to recover.</source>
        <translation>&lt;font color=&quot;#558AF8&quot;;&gt;%1(%2)&lt;/font&gt; está ligado. Selecione os tipos de dados que pretende recuperar.</translation>
    </message>
    <message>
        <source>Photos</source>
        <extracomment>Category of pictures; also a tab of chat attachments and the name of an exported folder.</extracomment>
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
        <translation>Memos de voz</translation>
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
        <translation>A analisar o seu dispositivo iOS. Isto vai demorar algum tempo...</translation>
    </message>
    <message>
        <source>It detected your iTunes backup is encrypted, please enter your password.</source>
        <translation>A sua cópia de segurança do iTunes está encriptada. Introduza a palavra-passe.</translation>
    </message>
    <message>
        <source>Enter password</source>
        <translation>Introduza a palavra-passe</translation>
    </message>
    <message>
        <source>Decrypt</source>
        <translation>Desencriptar</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Forget iTunes backup password?</source>
        <translation>&lt;a style=&apos;color:#558AF8;font-size:16px;&apos;href=&quot;%1&quot;&gt;Esqueceu-se da palavra-passe da cópia do iTunes?</translation>
    </message>
    <message>
        <source>Verifying password, please wait...</source>
        <translation>A verificar a palavra-passe, aguarde...</translation>
    </message>
    <message>
        <source>Wrong password</source>
        <translation>Palavra-passe incorreta</translation>
    </message>
    <message>
        <source>Conversations</source>
        <translation>Conversas</translation>
    </message>
    <message>
        <source>[Videos]</source>
        <translation>[Vídeos]</translation>
    </message>
    <message>
        <source>[Audios]</source>
        <translation>[Áudios]</translation>
    </message>
    <message>
        <source>[Photos]</source>
        <translation>[Fotos]</translation>
    </message>
    <message>
        <source>[Attachment]</source>
        <translation>[Anexo]</translation>
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
        <translation>Não enviada</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message>
        <source>Audios</source>
        <translation>Áudios</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Individual message</source>
        <translation>Mensagens individuais</translation>
    </message>
    <message>
        <source>Group message</source>
        <translation>Mensagens de grupo</translation>
    </message>
    <message>
        <source>Starred message</source>
        <translation>Mensagens com estrela</translation>
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
        <translation>Outros</translation>
    </message>
    <message>
        <source>Failed to send</source>
        <translation>Falha no envio</translation>
    </message>
    <message>
        <source>Quote:</source>
        <translation>Citação:</translation>
    </message>
    <message>
        <source>Read more</source>
        <translation>Ler mais</translation>
    </message>
    <message>
        <source>Contact Card</source>
        <translation>Cartão de contacto</translation>
    </message>
    <message>
        <source>Before restoring data, please download the file first!</source>
        <translation>Para recuperar estes dados, transfira primeiro o ficheiro.</translation>
    </message>
    <message>
        <source>This file has expired!</source>
        <translation>Este ficheiro expirou.</translation>
    </message>
    <message>
        <source>This message has been deleted!</source>
        <translation>Esta mensagem foi eliminada.</translation>
    </message>
    <message>
        <source>Unsupported data type!</source>
        <translation>Tipo de dados não suportado.</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Eu</translation>
    </message>
    <message>
        <source>[Voice]</source>
        <translation>[Mensagem de voz]</translation>
    </message>
    <message>
        <source>[Voice Call]</source>
        <translation>[Chamada de voz]</translation>
    </message>
    <message>
        <source>[Contact Card]</source>
        <translation>[Cartão de contacto]</translation>
    </message>
    <message>
        <source>[Location]</source>
        <translation>[Localização]</translation>
    </message>
    <message>
        <source>[Documents]</source>
        <translation>[Documentos]</translation>
    </message>
    <message>
        <source>[Sticker]</source>
        <translation>[Autocolante]</translation>
    </message>
    <message>
        <source>[Emojis]</source>
        <translation>[Emojis]</translation>
    </message>
    <message>
        <source>&apos;s LINE Chat</source>
        <translation> – Conversas do LINE</translation>
    </message>
    <message>
        <source>Single Messages</source>
        <translation>Mensagens individuais</translation>
    </message>
    <message>
        <source>&apos;s Single Messages</source>
        <translation> – Mensagens individuais</translation>
    </message>
    <message>
        <source>Group Messages</source>
        <translation>Mensagens de grupo</translation>
    </message>
    <message>
        <source>&apos;s Group Messages</source>
        <translation> – Mensagens de grupo</translation>
    </message>
    <message>
        <source>&apos;s LINE Keep</source>
        <translation> – LINE Keep</translation>
    </message>
    <message>
        <source>&apos;s WhatsApp Chat</source>
        <translation> – Conversas do WhatsApp</translation>
    </message>
    <message>
        <source>Starred Messages</source>
        <translation>Mensagens com estrela</translation>
    </message>
    <message>
        <source>&apos;s Starred Messages</source>
        <translation> – Mensagens com estrela</translation>
    </message>
    <message>
        <source>You created group</source>
        <translation>Criou o grupo</translation>
    </message>
    <message>
        <source>careated group</source>
        <translation>criou o grupo</translation>
    </message>
    <message>
        <source>You change this group&apos;s icon</source>
        <translation>Alterou o ícone deste grupo</translation>
    </message>
    <message>
        <source>change this group&apos;s icon</source>
        <translation>alterou o ícone deste grupo</translation>
    </message>
    <message>
        <source>You changed the subject from</source>
        <translation>Alterou o nome do grupo de</translation>
    </message>
    <message>
        <source> to </source>
        <translation> para </translation>
    </message>
    <message>
        <source>changed the subject from</source>
        <translation>alterou o nome do grupo de</translation>
    </message>
    <message>
        <source>You joined using this group&apos;s invite link</source>
        <translation>Entrou através do link de convite deste grupo</translation>
    </message>
    <message>
        <source>joined using this group&apos;s invite link</source>
        <translation>entrou através do link de convite deste grupo</translation>
    </message>
    <message>
        <source>You changed the group description</source>
        <translation>Alterou a descrição do grupo:</translation>
    </message>
    <message>
        <source>changed the group description</source>
        <translation>alterou a descrição do grupo:</translation>
    </message>
    <message>
        <source>You turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>Ativou as mensagens temporárias. As novas mensagens vão desaparecer desta conversa 24 horas depois de serem enviadas</translation>
    </message>
    <message>
        <source>turned on disappearing messages. All new messages will disappear from this chat 24 hours after they&apos;re sent</source>
        <translation>ativou as mensagens temporárias. As novas mensagens vão desaparecer desta conversa 24 horas depois de serem enviadas</translation>
    </message>
    <message>
        <source>turned off disappearing messages</source>
        <translation>desativou as mensagens temporárias</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to edit this groups&apos;s info</source>
        <translation>alterou as definições do grupo para que apenas os administradores possam editar as informações do grupo</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow only admins to send messages to this group</source>
        <translation>alterou as definições do grupo para que apenas os administradores possam enviar mensagens para o grupo</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to edit this group&apos;s info</source>
        <translation>alterou as definições do grupo para que todos os participantes possam editar as informações do grupo</translation>
    </message>
    <message>
        <source>You were added</source>
        <translation>Foi adicionado</translation>
    </message>
    <message>
        <source>You was added</source>
        <translation>Foi adicionado</translation>
    </message>
    <message>
        <source>was added</source>
        <translation>foi adicionado</translation>
    </message>
    <message>
        <source>were added</source>
        <translation>foram adicionados</translation>
    </message>
    <message>
        <source> added you</source>
        <translation> adicionou-o</translation>
    </message>
    <message>
        <source> added You</source>
        <translation> adicionou-o</translation>
    </message>
    <message>
        <source>You added </source>
        <translation>Adicionou </translation>
    </message>
    <message>
        <source> added </source>
        <translation> adicionou </translation>
    </message>
    <message>
        <source>You removed </source>
        <translation>Removeu </translation>
    </message>
    <message>
        <source> removed </source>
        <translation> removeu </translation>
    </message>
    <message>
        <source>You left</source>
        <translation>Saiu do grupo</translation>
    </message>
    <message>
        <source> left</source>
        <translation> saiu do grupo</translation>
    </message>
    <message>
        <source> has joined</source>
        <translation> entrou no grupo</translation>
    </message>
    <message>
        <source>has been changed to</source>
        <translation>foi alterado para</translation>
    </message>
    <message>
        <source>You started a call</source>
        <translation>Iniciou uma chamada</translation>
    </message>
    <message>
        <source>started a call</source>
        <translation>iniciou uma chamada</translation>
    </message>
    <message>
        <source>You started a video call</source>
        <translation>Iniciou uma videochamada</translation>
    </message>
    <message>
        <source>started a video call</source>
        <translation>iniciou uma videochamada</translation>
    </message>
    <message>
        <source>You blocked this contact</source>
        <translation>Bloqueou este contacto</translation>
    </message>
    <message>
        <source>You unblocked this contact</source>
        <translation>Desbloqueou este contacto</translation>
    </message>
    <message>
        <source>You‘re now an admin</source>
        <translation>Passou a ter permissões de administrador</translation>
    </message>
    <message>
        <source>became an admin</source>
        <translation>passou a ter permissões de administrador</translation>
    </message>
    <message>
        <source>You‘re no longer an admin</source>
        <translation>Já não tem permissões de administrador</translation>
    </message>
    <message>
        <source>became an non-admin</source>
        <translation>deixou de ter permissões de administrador</translation>
    </message>
    <message>
        <source>You created a broadcast list</source>
        <translation>Criou uma lista de difusão</translation>
    </message>
    <message>
        <source>created a broadcast list</source>
        <translation>criou uma lista de difusão</translation>
    </message>
    <message>
        <source>You create a broadcast list whith</source>
        <translation>Criou uma lista de difusão com</translation>
    </message>
    <message>
        <source> recipients</source>
        <translation> destinatários</translation>
    </message>
    <message>
        <source>created a broadcast list with</source>
        <translation>criou uma lista de difusão com</translation>
    </message>
    <message>
        <source>changed this group&apos;s settings to allow all participants to send messages to this group</source>
        <translation>alterou as definições do grupo para que todos os participantes possam enviar mensagens para o grupo</translation>
    </message>
    <message>
        <source>Group call ended</source>
        <translation>Chamada de grupo terminada</translation>
    </message>
    <message>
        <source>Voice call ended</source>
        <translation>Chamada de voz terminada</translation>
    </message>
    <message>
        <source>Please press &quot;Ctrl&quot; + &quot;F&quot; to search.</source>
        <translation>Prima «Ctrl» + «F» para pesquisar.</translation>
    </message>
    <message>
        <source>Save this session as PDF? Find the three dots in the upper right corner of the browser -&gt; find &quot;Print&quot; -&gt; the pinter option and select &quot;Save as PDF&quot;.</source>
        <translation>Pretende guardar esta conversa em PDF? Abra o menu dos três pontos no canto superior direito do navegador, escolha «Imprimir» e, como impressora, selecione «Guardar como PDF».</translation>
    </message>
    <message>
        <source>Outgoing Call</source>
        <translation>Chamada efetuada</translation>
    </message>
    <message>
        <source>Incoming Call</source>
        <translation>Chamada recebida</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>Priority of a reminder (High, Middle, Low, None).</extracomment>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Completed</source>
        <extracomment>State of a reminder in its detail row and the exported reminders.</extracomment>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Unfinished</source>
        <translation>Por concluir</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nome próprio</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Segundo nome</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apelido</translation>
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
        <translation>Aniversário</translation>
    </message>
    <message>
        <source>Job Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Nickname</source>
        <translation>Alcunha</translation>
    </message>
    <message>
        <source>Getting iTunes backup list....</source>
        <translation>A obter a lista de cópias de segurança do iTunes...</translation>
    </message>
    <message>
        <source>Decrypting iTunes backup....</source>
        <translation>A desencriptar a cópia de segurança do iTunes...</translation>
    </message>
    <message>
        <source>Note: This will take some time, please be patient.</source>
        <translation>Nota: este processo pode demorar algum tempo. Aguarde, por favor.</translation>
    </message>
    <message>
        <source>You are decrypting your iTunes backup, do you want to cancel?</source>
        <translation>A cópia de segurança do iTunes está a ser desencriptada. Pretende cancelar?</translation>
    </message>
    <message>
        <source>Show password</source>
        <translation>Mostrar palavra-passe</translation>
    </message>
    <message>
        <source>Please select the data type you need to recover.</source>
        <translation>Selecione o tipo de dados que pretende recuperar.</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Nome do dispositivo</translation>
    </message>
    <message>
        <source>Backup Time</source>
        <translation>Data da cópia</translation>
    </message>
    <message>
        <source>Device Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>iTunes backups</source>
        <translation>Cópias de segurança do iTunes</translation>
    </message>
    <message>
        <source>Note: If your backup is not shown in the list, you can &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;choose&lt;/a&gt; a backup file from another folder to recover.</source>
        <translation>Nota: se a sua cópia de segurança não aparecer na lista, pode &lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;escolher&lt;/a&gt; uma cópia de segurança noutra pasta para recuperar os seus dados.</translation>
    </message>
    <message>
        <source>There is no iTunes backup file in this folder, please select another backup.</source>
        <translation>Não existe nenhuma cópia de segurança do iTunes nesta pasta. Selecione outra cópia.</translation>
    </message>
    <message>
        <source>Sorry, decrypting this backup will take approximately %1 of space. Please clean up your disk and try again.</source>
        <translation>Lamentamos, mas para desencriptar esta cópia de segurança são necessários cerca de %1 de espaço livre. Liberte espaço no disco e tente novamente.</translation>
    </message>
    <message>
        <source>Sorry, the backup could not be decrypted. Please try again.</source>
        <translation>Lamentamos, não foi possível desencriptar a cópia de segurança. Tente novamente.</translation>
    </message>
    <message>
        <source>Sorry, your iTunes backup file was not found.</source>
        <translation>Lamentamos, não foi encontrada a sua cópia de segurança do iTunes.</translation>
    </message>
    <message>
        <source>Sign into iCloud</source>
        <translation>Iniciar sessão no iCloud</translation>
    </message>
    <message>
        <source>Note:
1. To prevent iCloud content from being changed, please don&apos;t connect the device to the computer.
2. We take your privacy and security seriously and will never keep your Apple account details.
3. Phone number is not supported at the moment! Please use email to sign into iCloud.
</source>
        <translation>Nota:
1. Para que o conteúdo do iCloud não seja alterado, não ligue o dispositivo ao computador.
2. Levamos muito a sério a sua privacidade e segurança: nunca guardamos os dados da sua conta Apple.
3. De momento, não é possível iniciar sessão com um número de telefone. Utilize o seu e-mail para iniciar sessão no iCloud.
</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Forgot Apple ID or Password?</source>
        <translation>&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;Esqueceu-se do Apple ID ou da palavra-passe?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Iniciar sessão</translation>
    </message>
    <message>
        <source>Apple ID</source>
        <translation>Apple ID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;%1&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Please check your internet connection and try again!</source>
        <translation>Verifique a sua ligação à Internet e tente novamente.</translation>
    </message>
    <message>
        <source>Your Apple ID or password is incorrect!</source>
        <translation>O Apple ID ou a palavra-passe estão incorretos.</translation>
    </message>
    <message>
        <source>iCloud is not available on this platform.</source>
        <translation>O iCloud não está disponível nesta plataforma.</translation>
    </message>
    <message>
        <source>Login failed due to unknown reasons! Please check for &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;available solutions&lt;/a&gt;.</source>
        <translation>Não foi possível iniciar sessão por um motivo desconhecido. Consulte as &lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;%1&quot;&gt;soluções disponíveis&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Two-factor authentication is enabled for this account. Please enter the verification code received on the device.</source>
        <translation>Esta conta tem a autenticação de dois fatores ativada. Introduza o código de verificação que recebeu no dispositivo.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Apple advice</source>
        <translation>&lt;a style=&apos;color: #558AF8;;font-size: 16px;&apos;href = &quot;#&quot;&gt;Ajuda da Apple</translation>
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
        <translation>&lt;a style=&apos;color:%1;font-size:16px;&apos;href=&quot;#&quot;&gt;Reenviar o código%2</translation>
    </message>
    <message>
        <source>SMS code</source>
        <translation>Código por SMS</translation>
    </message>
    <message>
        <source>Resend a code</source>
        <translation>Reenviar o código</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Frequent verification, try later!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;Demasiadas tentativas de verificação. Tente mais tarde.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>&lt;font color=&quot;#e9006a&quot;&gt;Incorrect verification code!&lt;/font&gt;</source>
        <translation>&lt;font color=&quot;#e9006a&quot;&gt;O código de verificação está incorreto.&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Sign out)</source>
        <translation>%1&lt;a style=&apos;color: #558AF8;font-weight: 400;font-size: 16px;&apos;href=&quot;#&quot;&gt;(Terminar sessão)</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-sign into iCloud after returning.</source>
        <translation>Tem a certeza de que pretende voltar atrás? Terá de iniciar sessão novamente no iCloud.</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Next</source>
        <extracomment>Button below the list of iTunes backups that goes on to the choice of categories; about 12 characters fit.</extracomment>
        <translation>Seguinte</translation>
    </message>
    <message>
        <source>Please select an iTunes backup to scan.</source>
        <translation>Selecione uma cópia de segurança do iTunes para analisar.</translation>
    </message>
    <message>
        <source>Please select the data types you want to recover.</source>
        <translation>Selecione os tipos de dados que pretende recuperar.</translation>
    </message>
    <message>
        <source>Messages Attachment</source>
        <translation>Anexos de Mensagens</translation>
    </message>
    <message>
        <source>Notes Attachment</source>
        <translation>Anexos de Notas</translation>
    </message>
    <message>
        <source>Calendars Attachment</source>
        <translation>Anexos de Calendários</translation>
    </message>
    <message>
        <source>Reminders Attachment</source>
        <translation>Anexos de Lembretes</translation>
    </message>
    <message>
        <source>WhatsApp Attachment</source>
        <translation>Anexos do WhatsApp</translation>
    </message>
    <message>
        <source>LINE Attachment</source>
        <translation>Anexos do LINE</translation>
    </message>
    <message>
        <source>Recover</source>
        <extracomment>Button of the scan results that writes the ticked records to a folder (verb); about 12 characters fit.</extracomment>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Failed to download data! Please try again or sign in with another Apple ID.</source>
        <translation>Não foi possível transferir os dados. Tente novamente ou inicie sessão com outro Apple ID.</translation>
    </message>
    <message>
        <source>Are you sure you want to return? You will need to re-download the data after returning.</source>
        <translation>Tem a certeza de que pretende voltar atrás? Terá de transferir os dados novamente.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to return?</source>
        <translation>A analisar os dados. Tem a certeza de que pretende voltar atrás?</translation>
    </message>
    <message>
        <source>Are you sure you want to return? If you do, you need to scan data again.</source>
        <translation>Tem a certeza de que pretende voltar atrás? Terá de analisar os dados novamente.</translation>
    </message>
    <message>
        <source>Downloading data from iCloud backup, are you sure you want to stop now? Data cannot be completely downloaded after stopping.</source>
        <translation>A transferir os dados da cópia de segurança do iCloud. Tem a certeza de que pretende parar a transferência? Se parar, os dados não serão transferidos na totalidade.</translation>
    </message>
    <message>
        <source>Are you sure you want to stop? If you do, some of the data scanning will fail.</source>
        <translation>Tem a certeza de que pretende parar a análise? Se parar, alguns dados não serão analisados.</translation>
    </message>
    <message>
        <source>Scanning data, are you sure you want to exit the program?</source>
        <translation>A analisar os dados. Tem a certeza de que pretende sair do programa?</translation>
    </message>
    <message>
        <source>The scanning process is complete, are you sure you want to exit? If you exit, the scan results will not be saved.</source>
        <translation>A análise foi concluída. Tem a certeza de que pretende sair? Se sair, os resultados da análise não serão guardados.</translation>
    </message>
    <message>
        <source>Your device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) has been disconnected and scanning has been interrupted.The program will parse and display the successfully scanned data.</source>
        <translation>O seu dispositivo (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) foi desligado e a análise foi interrompida. O programa vai mostrar os dados que foi possível analisar.</translation>
    </message>
    <message>
        <source>The device (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) is disconnected, some data type recovery will fail!</source>
        <translation>O dispositivo (&lt;font style=&apos;color:#558AF8;&apos;&gt;%1&lt;/font&gt;) foi desligado. Não será possível recuperar alguns tipos de dados.</translation>
    </message>
    <message>
        <source>Please select the data you want to recover.</source>
        <translation>Selecione os dados que pretende recuperar.</translation>
    </message>
    <message>
        <source>Insufficient space, export data failed! Please ensure that there is more than 100MB in the disk space.</source>
        <translation>Espaço insuficiente: não foi possível exportar os dados. Certifique-se de que existem mais de 100 MB livres no disco.</translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n piece(s) data has been downloaded, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: Please go back and download again if you can&apos;t find the data you need.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Foi transferido %n item. Recupere os seus dados o mais rapidamente possível.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: se não encontrar os dados de que precisa, volte atrás e transfira-os novamente.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Foram transferidos %n itens. Recupere os seus dados o mais rapidamente possível.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: se não encontrar os dados de que precisa, volte atrás e transfira-os novamente.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;%n data has been scanned completely, please recover your data as soon as possible.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Note: The deleted data will be overwritten easily as you keep using your device, so the program will scan for different results each time. If you find the deleted data, it is recommended to recover it as soon as possible.&lt;/font&gt;</source>
        <translation>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Análise concluída: foi encontrado %n item. Recupere os seus dados o mais rapidamente possível.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: os dados eliminados são facilmente substituídos enquanto continuar a utilizar o dispositivo, pelo que cada análise pode dar resultados diferentes. Se encontrar os dados eliminados, recomendamos que os recupere o mais rapidamente possível.&lt;/font&gt;</numerusform>
            <numerusform>&lt;p&gt;&lt;font style=&apos;color: #333333;&apos;&gt;Análise concluída: foram encontrados %n itens. Recupere os seus dados o mais rapidamente possível.&lt;/font&gt;&lt;/p&gt;&lt;br/&gt;&lt;font style=&apos;color: #D9001B;&apos;&gt;Nota: os dados eliminados são facilmente substituídos enquanto continuar a utilizar o dispositivo, pelo que cada análise pode dar resultados diferentes. Se encontrar os dados eliminados, recomendamos que os recupere o mais rapidamente possível.&lt;/font&gt;</numerusform>
        </translation>
    </message>
    <message>
        <source>%1&apos;s Messages</source>
        <translation>Mensagens de %1</translation>
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
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>RecoverAsCsv</name>
    <message>
        <source>Apple Watch number</source>
        <translation>Número do Apple Watch</translation>
    </message>
    <message>
        <source>Home Number</source>
        <translation>Telefone de casa</translation>
    </message>
    <message>
        <source>Home Fax Number</source>
        <translation>Fax de casa</translation>
    </message>
    <message>
        <source>Main Number</source>
        <translation>Telefone principal</translation>
    </message>
    <message>
        <source>Mobile Number</source>
        <translation>Telemóvel</translation>
    </message>
    <message>
        <source>Pager Number</source>
        <translation>Pager</translation>
    </message>
    <message>
        <source>School Number</source>
        <translation>Telefone da escola</translation>
    </message>
    <message>
        <source>Work Number</source>
        <translation>Telefone do trabalho</translation>
    </message>
    <message>
        <source>Work Fax Number</source>
        <translation>Fax do trabalho</translation>
    </message>
    <message>
        <source>iPhone Number</source>
        <translation>Número do iPhone</translation>
    </message>
    <message>
        <source>Home Email</source>
        <translation>E-mail pessoal</translation>
    </message>
    <message>
        <source>School Email</source>
        <translation>E-mail da escola</translation>
    </message>
    <message>
        <source>Work Email</source>
        <translation>E-mail do trabalho</translation>
    </message>
    <message>
        <source>iCloud Email</source>
        <translation>E-mail do iCloud</translation>
    </message>
    <message>
        <source>Home URL</source>
        <translation>URL pessoal</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>School URL</source>
        <translation>URL da escola</translation>
    </message>
    <message>
        <source>Work URL</source>
        <translation>URL do trabalho</translation>
    </message>
    <message>
        <source>Home Address</source>
        <translation>Morada de casa</translation>
    </message>
    <message>
        <source>School Address</source>
        <translation>Morada da escola</translation>
    </message>
    <message>
        <source>Work Address</source>
        <translation>Morada do trabalho</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Data comemorativa</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Aniversário</translation>
    </message>
    <message>
        <source>Chinese Birthdays</source>
        <translation>Aniversário (calendário chinês)</translation>
    </message>
    <message>
        <source>Brother</source>
        <translation>Irmão</translation>
    </message>
    <message>
        <source>Co-worker</source>
        <translation>Colega de trabalho</translation>
    </message>
    <message>
        <source>Daughter</source>
        <translation>Filha</translation>
    </message>
    <message>
        <source>Elder Brother</source>
        <translation>Irmão mais velho</translation>
    </message>
    <message>
        <source>Elder Sister</source>
        <translation>Irmã mais velha</translation>
    </message>
    <message>
        <source>Father</source>
        <translation>Pai</translation>
    </message>
    <message>
        <source>Friend</source>
        <translation>Amigo</translation>
    </message>
    <message>
        <source>Husband</source>
        <translation>Marido</translation>
    </message>
    <message>
        <source>Mother</source>
        <translation>Mãe</translation>
    </message>
    <message>
        <source>Partner</source>
        <translation>Companheiro</translation>
    </message>
    <message>
        <source>Sister</source>
        <translation>Irmã</translation>
    </message>
    <message>
        <source>Son</source>
        <translation>Filho</translation>
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
        <translation>Irmão mais novo</translation>
    </message>
    <message>
        <source>Younger Sister</source>
        <translation>Irmã mais nova</translation>
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
        <translation>Outro telefone</translation>
    </message>
    <message>
        <source>Other Email</source>
        <translation>Outro e-mail</translation>
    </message>
    <message>
        <source>Other URL</source>
        <translation>Outro URL</translation>
    </message>
    <message>
        <source>Other Address</source>
        <translation>Outra morada</translation>
    </message>
    <message>
        <source>Other dates</source>
        <translation>Outras datas</translation>
    </message>
    <message>
        <source>Other relationships</source>
        <translation>Outras relações</translation>
    </message>
    <message>
        <source>Other social profile</source>
        <translation>Outro perfil social</translation>
    </message>
    <message>
        <source>Other instant message</source>
        <translation>Outra conta de mensagens</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anexos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Call Type</source>
        <translation>Tipo de chamada</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Data de criação</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Data do lembrete</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Nome próprio</translation>
    </message>
    <message>
        <source>Middle name</source>
        <translation>Segundo nome</translation>
    </message>
    <message>
        <source>Last name</source>
        <translation>Apelido</translation>
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
        <translation>Alcunha</translation>
    </message>
</context>
<context>
    <name>RecoverNoticeDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RecoverPathunreadabilityDialog</name>
    <message>
        <source>If you wan to change the file export path, go to &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Settings&lt;/a&gt;.</source>
        <translation>Se pretender alterar o caminho de exportação, aceda a &lt;a style=&apos;color: #558AF8;font-size:14px;text-decoration: none;&apos;href=&quot;#&quot;&gt;Definições&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>RecoverProgressDialog</name>
    <message>
        <source>Exporting data</source>
        <translation>A exportar dados</translation>
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
        <translation>A exportar dados %1 %2 %3</translation>
    </message>
    <message>
        <source>Exporting data, are you sure you want to stop?</source>
        <translation>A exportar os dados. Tem a certeza de que pretende parar a exportação?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
</context>
<context>
    <name>RecoverSuccessDialog</name>
    <message>
        <source>Recover failed! Please try again.</source>
        <translation>Não foi possível recuperar os dados. Tente novamente.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.
please keep your device connection stable and try again later.</source>
        <translation>Itens recuperados: %1. Itens não recuperados: %2.
Mantenha a ligação do dispositivo estável e tente novamente mais tarde.</translation>
    </message>
    <message>
        <source>%1 data restored successful, but %2 data restored failed.</source>
        <translation>Itens recuperados: %1. Itens não recuperados: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n data restored successfully!</source>
        <translation>
            <numerusform>Foi recuperado %n item com êxito.</numerusform>
            <numerusform>Foram recuperados %n itens com êxito.</numerusform>
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
        <translation>Categoria</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>SafariView</name>
    <message>
        <source>Safari History</source>
        <translation>Histórico do Safari</translation>
    </message>
    <message>
        <source>Safari Bookmarks</source>
        <translation>Marcadores do Safari</translation>
    </message>
</context>
<context>
    <name>VoiceMailMemoModel</name>
    <message>
        <source>memoName</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>mailName</source>
        <translation>Nome</translation>
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
        <translation>Memos de voz</translation>
    </message>
    <message>
        <source>Voicemails</source>
        <translation>Correio de voz</translation>
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
        <translation>Início</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Attachments</source>
        <translation>Anexos</translation>
    </message>
    <message>
        <source>Creation Date</source>
        <translation>Data de criação</translation>
    </message>
    <message>
        <source>Reminder Date</source>
        <translation>Data do lembrete</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Localização</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
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
        <translation>Prioridade</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>QObject</name>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Quenrow (iOS) brings back what was lost on an iPhone or iPad: messages, contacts, photos, notes, chats and more, from the device itself, from an iTunes backup or from an iCloud backup. It is made by the Quenrow team, who build careful tools for getting people&apos;s data back.</source>
        <translation>O Quenrow (iOS) recupera o que se perdeu num iPhone ou iPad: mensagens, contactos, fotografias, notas, conversas e muito mais, a partir do próprio dispositivo, de uma cópia de segurança do iTunes ou de uma cópia de segurança do iCloud. É feito pela equipa Quenrow, que cria ferramentas cuidadosas para devolver às pessoas os seus dados.</translation>
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
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
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
        <translation>O caminho não é válido, escolha outro.</translation>
    </message>
    <message>
        <source>Encrypted</source>
        <translation>Encriptado</translation>
    </message>
    <message>
        <source>The file path does not exist, please change the path to export.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>O caminho não existe, altere o caminho de exportação.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Alterar o caminho de exportação</translation>
    </message>
    <message>
        <source>The path you chose does not have read and write permissions, please change the file export path.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Change the data export path</source>
        <translation>O caminho escolhido não tem permissões de leitura e escrita, altere o caminho de exportação.&lt;a style=&apos;color: #558AF8;&apos;href = &quot;#&quot;&gt;&lt;br&gt;&lt;br&gt;Alterar o caminho de exportação</translation>
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
        <translation>Lembrar mais tarde</translation>
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
        <translation>A versão atual está atualizada.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Está disponível uma nova versão!</translation>
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
</context>
</TS>

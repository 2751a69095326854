// The metadata of a WhatsApp media item, which names the message a reply
// quotes, as the WhatsApp scan reads it from ChatStorage.sqlite and follows
// the quote chain.
#include "backupbuilder.h"
#include "chatstoragebuilder.h"
#include "fuzzsupport.h"
#include "idbexecutor.h"

#include <memory>
#include <string>

using namespace testsupport;

namespace
{
    std::string g_backup;
    std::unique_ptr<fuzzsupport::Column> g_metadata;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    fuzzsupport::quietLogs();
    BackupBuilder backup(fuzzsupport::freshFolder("backup"));
    ChatStorageBuilder chat;
    const int session = chat.addSession("15550100@s.whatsapp.net", "Ann");
    const int group = chat.addSession("120363000000@g.us", "Group", 1);
    const int member = chat.addGroupMember(group, "15550100@s.whatsapp.net");
    chat.addPushName("15550100@s.whatsapp.net", "Ann");
    // Messages the fuzzed metadata may name (the seeds name them): plain,
    // in a group, and one that quotes back, which makes a loop.
    ChatStorageBuilder::Message first;
    first.session = session;
    first.stanzaId = "3A1001";
    first.text = "first";
    chat.addMessage(first);
    ChatStorageBuilder::Message inGroup;
    inGroup.session = group;
    inGroup.groupMember = member;
    inGroup.stanzaId = "3A1002";
    inGroup.text = "in the group";
    chat.addMessage(inGroup);
    // The reply whose metadata each input replaces (media item 1).
    ChatStorageBuilder::Message reply;
    reply.session = session;
    reply.stanzaId = "3A1003";
    reply.text = "reply";
    ChatStorageBuilder::MediaItem fuzzed;
    fuzzed.metadata = ChatStorageBuilder::quoteMetadata("3A1001");
    chat.addMessage(reply, fuzzed);
    ChatStorageBuilder::Message back;
    back.session = session;
    back.stanzaId = "3A1004";
    back.text = "quotes the reply";
    ChatStorageBuilder::MediaItem quoting;
    quoting.metadata = ChatStorageBuilder::quoteMetadata("3A1003");
    chat.addMessage(back, quoting);
    const std::string database = chat.addTo(backup);
    backup.write();
    g_backup = backup.folder();
    g_metadata =
        std::make_unique<fuzzsupport::Column>(backup.pathOf(database), "UPDATE ZWAMEDIAITEM SET ZMETADATA = ?1 WHERE Z_PK = 1");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    g_metadata->set(data, size);
    fuzzsupport::scan(g_backup, DBAPP_WHATSAPP);
    return 0;
}

// The content metadata of LINE messages (a keyed archive) as the LINE scan
// reads it from Line.sqlite: calls in a chat and in a group, contacts and
// shared files.
#include "backupbuilder.h"
#include "fuzzsupport.h"
#include "idbexecutor.h"
#include "linebackup.h"

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
    // No picture server is ever asked: the rows name no pictures, and this
    // one would refuse.
    setenv("QUENROW_LINE_PICTURE_URL", "http://127.0.0.1:9", 1);
    BackupBuilder backup(fuzzsupport::freshFolder("backup"));
    LineBackup line;
    line.addGroup(1, std::string("g100"), std::string("Group"), std::nullopt);
    line.addGroupUser(1, std::string("u1c0ffee"));
    line.addMember(1, 1);
    line.addUser(1, std::string("u1c0ffee"), std::string("Ann"), std::nullopt, std::nullopt, 1600000000000);
    line.addChat(1, std::string("u1c0ffee"), 0);
    line.addChat(2, std::string("g100"), 2);
    const std::string metadata = lineMetadata({"DURATION", "RESULT", "TYPE", "12000", "NORMAL", "V"});
    // Every kind whose metadata the scan reads, in a chat and in a group.
    const int kinds[] = {6, 13, 14};
    int64_t pk = 1;
    for (int64_t chat : {1, 2}) {
        for (int kind : kinds) {
            LineBackup::Message m;
            m.pk = pk;
            m.contentType = kind;
            m.chat = chat;
            m.sender = 1;
            m.sendStatus = 1;
            m.timestamp = 1600000000000 + pk;
            m.id = std::to_string(1000 + pk);
            m.metadata = metadata;
            line.addMessage(m);
            ++pk;
        }
    }
    line.addTo(backup);
    backup.write();
    g_backup = backup.folder();
    g_metadata = std::make_unique<fuzzsupport::Column>(
        backup.pathOf(fileIdOf(LineBackup::Domain, LineBackup::ChatDatabasePath)),
        "UPDATE ZMESSAGE SET ZCONTENTMETADATA = ?1");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    g_metadata->set(data, size);
    fuzzsupport::scan(g_backup, DBAPP_LINE);
    return 0;
}

#pragma once

class DeviceParser;
class RecoverNatManager;
class ScaniTunesBackupManage;
class ViewNativeDataManage;
class iCloudHelp;

// The services of the scan-result page, connected as the shell wires a
// page: the scan's and the pull's ends and the export's signals queued to
// the page, the record store's announcements straight into the page's feed
// (they come on the scan's thread, some under the store's lock, and the
// feed only gathers them). The program wires its own services from the
// page's registration; tests wire theirs.
namespace ScanResultWiring {

struct Services
{
    ScaniTunesBackupManage *scanner = nullptr;
    iCloudHelp *cloud = nullptr;
    DeviceParser *store = nullptr;
    RecoverNatManager *recover = nullptr;

    // The program's own.
    static Services standard();
};

void wire(ViewNativeDataManage *page, const Services &services);

} // namespace ScanResultWiring

#include "exportjobs.h"

#include "copyproxy.h"
#include "devicedata.h"
#include "deviceparser.h"
#include "exportsink.h"
#include "recovernatmanager.h"
#include "recovernatmanager_p.h"
#include "tableexportjob.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {

// The writers' copies go to the export's copy queue, their counts to the
// manager.
class ManagerExportSink : public ExportSink
{
public:
    void queueCopy(const QString &source, const QString &destination) override
    {
        CopyProxy::instance()->addTask(source, destination);
    }
    void increaseTotal() override { RecoverNatManager::instance()->increaseTotal(); }
    void increaseSucceeded() override { RecoverNatManager::instance()->increaseSucceeded(); }
    void increaseProcessed() override { RecoverNatManager::instance()->increaseProcessed(); }
};

} // namespace

void ExportJobs::installManagerSink()
{
    static ManagerExportSink sink;
    ExportSink::install(&sink);
}

void ExportJobs::exportTable(RecoverNatManagerPrivate *d, const QString &folder, const QString &name, int id)
{
    const QVariantList list = DeviceParser::instance()->records(DeviceData::DeviceGroup, id);
    if (list.isEmpty() || !d->ensureFolder(folder))
        return;
    installManagerSink();
    RecoverNatManager *manager = d->q;
    // The manager lives in the GUI thread: a writer's error reaches it queued.
    TableExportJob::run(folder, name, id, list, d->running, QCoreApplication::applicationDirPath(),
                        [manager](RecoverError::ErrorType error) {
                            QMetaObject::invokeMethod(manager, "slotError", Qt::QueuedConnection,
                                                      Q_ARG(RecoverError::ErrorType, error));
                        });
}

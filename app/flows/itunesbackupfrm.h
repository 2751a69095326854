#pragma once

#include <QMap>
#include <QScopedPointer>
#include <QString>
#include <QVariant>
#include <QWidget>

#include <functional>

class AcquireiTunesBackupFrm;
class DecodeBackupDialog;
class FTableWidget;
class FlowLinkLabel;
class ScaniTunesBackupManage;
class iTunesBackupNullFrm;
class iTunesBackupFrmPrivate;

// The iTunes flow's first page: the backups found on this computer in a
// table (newest first), a link to add a backup folder from elsewhere, and,
// for an encrypted backup, the space check, the password and the
// decryption into a copy of the program's own, which the scan then reads.
//
// The decryption's progress and end come in through onTaskProgress (the
// module's setTaskProgress): the first step closes the password dialog and
// shows the progress; a successful end goes on to the data-type page once;
// a failed one removes the partial copy and says so; the user's cancel
// stops it and removes the copy.
class iTunesBackupFrm : public QWidget
{
    Q_OBJECT

public:
    // The table's columns.
    enum Column
    {
        LockColumn = 0,
        NameColumn,
        TimeColumn,
        ModelColumn,
        SizeColumn,
        RawSizeColumn, // hidden
        PathColumn     // hidden
    };

    explicit iTunesBackupFrm(QWidget *parent = nullptr);
    ~iTunesBackupFrm() override;

    // The service that lists the backups; its list signals reach this page
    // queued. Without one nothing is listed.
    void setBackupService(ScaniTunesBackupManage *service);
    // Free bytes where the decrypted copy goes: by default those of the
    // volume holding the backup root.
    void setFreeSpaceProvider(std::function<quint64()> provider);

    // Lists the backups once per page life; later calls change nothing.
    void refreshList();
    // The module's Next on this page.
    void next();
    // The folder the scan reads: the chosen backup or its decrypted copy.
    QString selectedBackupPath() const;
    bool hasCurrentRow() const;
    void onTaskProgress(int task, QVariant state, QVariant current, QVariant total);

    FTableWidget *table() const;
    FlowLinkLabel *importLink() const;
    AcquireiTunesBackupFrm *acquireFrm() const;
    iTunesBackupNullFrm *nullFrm() const;
    DecodeBackupDialog *decodeDialog() const;

signals:
    // The chosen backup is ready: the module shows the data-type page.
    void sigNextButtonClicked();
    // Enables or disables the module's Next.
    void sigViewButtonState(bool enabled);

public slots:
    void slotScannerStop();
    void slotBackupInfo(QMap<QString, QString> info);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void importBackup();
    void startListing(const QString &folder);
    void decryptBackup(const QString &folder);
    void onDecryptionProgress(int current, int total);
    void onDecryptionEnd(const QString &cryptPath, bool ok);
    void onDecodeDialogFinished(int result);
    void finishDecryption();
    void removeDecryptedCopy();
    void placeOverlays();
    void describeLocks();
    bool isRowLocked(int row) const;
    int chosenRow() const;

    QScopedPointer<iTunesBackupFrmPrivate> d;
};

#pragma once

#include "xdialog.h"

#include <QScopedPointer>

class RecoverProgressDialogPrivate;

// Shows a running export: "Exporting data" with moving dots, the
// processed/total counter, a progress bar and a line naming what is being
// written. The page restarts it before each export and feeds it the export
// manager's signals; it may arrive hundreds of times a second, so the dialog
// keeps the latest values and shows them at most every 50 ms (at once when
// the export is finished).
//
// Closing it while the export runs asks first; it emits sigDlgClosed once
// per run, when it closes. It does not stop the export itself.
class RecoverProgressDialog : public XDialog
{
    Q_OBJECT

public:
    static constexpr int RefreshMs = 50;
    static constexpr int DotsMs = 800;

    explicit RecoverProgressDialog(QWidget *parent = nullptr);
    ~RecoverProgressDialog() override;

    // Before each showing: counter "0/0", bar and detail line cleared, dots
    // moving again.
    void restart();
    void retranslateUi();
    void setProgress(double processed, double total, double succeeded);
    // The item, tail and lead texts of the file being written; empty ones
    // keep what was there.
    void setFileProcess(const QString &item, const QString &tail, const QString &lead);
    // true clears the lead text, false the item and tail texts.
    void clearFileProcess(bool leadOnly);
    // The page marks the export finished before it closes the dialog: the
    // last values show at once and an open stop question goes away.
    void setFinished(bool finished);
    bool isFinished() const;
    // Escape closes through closeEvent, with its question.
    void reject() override;

    // The item as the detail line shows it: 15 characters or more become
    // the first 5, "..." and the last 8.
    static QString shortenedItem(const QString &item);

signals:
    void sigDlgClosed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showPending();
    void advanceDots();
    void rebuildDetail();

    QScopedPointer<RecoverProgressDialogPrivate> d;
};

#pragma once

#include "abstractdataview.h"

#include <QScopedPointer>

class AttachmentTableViewPrivate;
class DocsV1TableView;
class MediaV1TableView;

namespace VxLineAttachment {
class AttachmentHeadView;
}

// The attachments of a chat category ("WhatsApp Attachment" 0x20001, "LINE
// Attachment" 0x40001) on four pages chosen by a row of buttons: photos
// (kind 2), videos (kind 0), audio files (kind 1) and documents (any other
// kind). Every operation of the scan-result page is spread over the four
// pages; the records come from the store's attachment lists of the
// category. The counts for the tool bar are those of the page on show, told
// again when another page is chosen.
class AttachmentTableView : public AbstractDataView
{
    Q_OBJECT

public:
    static constexpr int PageCount = 4;

    explicit AttachmentTableView(int typeId, QWidget *parent = nullptr);
    ~AttachmentTableView() override;

    void appendItemByKind(int kind, const QVariant &record) override;
    // The list is not used: the pages are filled from the store.
    void setDataList(const QList<QVariant> &records) override;
    void setCheckEnabled(bool enabled) override;
    void setAllChecked(int checkState, bool visibleOnly, bool refreshHeader) override;
    // Over the pages that hold records.
    int checkState(bool visibleOnly) const override;
    void setFilterMode(int mode) override;
    void search(const QString &keyword) override;
    // The page on show only.
    void stopLoading() override;
    void clear() override;
    void showCurrent() override;

    VxLineAttachment::AttachmentHeadView *headView() const;
    // Page 0 photos, 1 videos, 2 audio files, 3 documents.
    AbstractDataView *page(int index) const;
    int currentPage() const;
    // The page of an attachment kind.
    static int pageOfKind(int kind);

private:
    int recordCount(int page) const;
    void onCurrentPageChanged(int index);

    QScopedPointer<AttachmentTableViewPrivate> d;
};

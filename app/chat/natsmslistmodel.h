#pragma once

#include "devicedata.h"

#include <QAbstractListModel>
#include <QList>
#include <QVariant>

#include <functional>

// The conversations of the message view, one row per
// DeviceData::SMSSessionInfo record, exposed a page of 100 at a time
// (canFetchMore/fetchMore); loadAll exposes the rest in one step.
//
// Roles: Qt::DisplayRole the record itself; the item roles DeletedRole,
// CheckableRole, CheckStateRole, TimeRole and ContactTextRole (avatar path);
// the text alignment and the foreground colour (red for deleted data). For
// assistive tools Qt::AccessibleTextRole is the name as shown,
// Qt::AccessibleDescriptionRole the date and the preview as shown, and
// Qt::CheckStateRole the check state with Qt::ItemIsUserCheckable while the
// record is checkable; setData refuses Qt::CheckStateRole, so that a tick
// goes through the view's own path once.
class NatSmsListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int PageSize = 100;
    // Characters of a name or preview that a row shows.
    static constexpr int ShownLength = 80;

    explicit NatSmsListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    // A reset showing the first page, or every record.
    void setPagedList(const QList<QVariant> &records);
    void setFullList(const QList<QVariant> &records);
    // One record more, shown at the end.
    void appendRecord(const QVariant &record);
    // Replaces one record without any signal.
    void replaceRecord(int row, const QVariant &record);
    // Lets change edit every record in place, without any signal.
    void changeRecords(const std::function<void(QVariant &)> &change);
    void clear();
    void loadAll();

    int recordCount() const;
    const QList<QVariant> &records() const;
    // The rows of the list holding the conversation key, -1 when none.
    int rowOfKey(const QString &key) const;
    // Replaces the list inside a reset, keeping what is shown; for changes
    // of many records at once.
    void resetRecords(const QList<QVariant> &records);

    // The record's conversation; an empty one for a variant of another type.
    static const DeviceData::SMSSessionInfo &session(const QVariant &record);
    // The message a row previews: the preview message when set, else the
    // last message.
    static DeviceData::SMSInfo previewedMessage(const DeviceData::SMSSessionInfo &session);
    // The preview's text as shown: the kind of attachment in brackets, or the
    // first characters of a text.
    static QString previewText(const DeviceData::SMSInfo &message);

private:
    QList<QVariant> m_records;
    int m_shown = 0;
};

#pragma once

#include "recordlistview.h"

#include <QScopedPointer>

class ContactViewPrivate;
class QStandardItemModel;
class XImageBox;
class XLabel;

// The view of Contacts (1): the contact list on the left and, on the right,
// the chosen contact's picture and name above one labelled row per field
// that has a value (company, phones, e-mails, URLs, addresses, birthday,
// dates, related names, social profiles, instant messaging, note).
// Labels such as "_$!<Mobile>!$_" read as "Mobile Number:"
// (ContactLabels). The device's texts are shown as they stand, a search's
// matches coloured.
class ContactView : public RecordListView
{
    Q_OBJECT

public:
    ContactView(int group, int typeId, QWidget *parent = nullptr);
    ~ContactView() override;

    // The detail pane's widgets.
    XImageBox *pictureBox() const;
    XLabel *nameLabel() const;
    QListView *fieldList() const;
    QStandardItemModel *fieldModel() const;

protected:
    void showRecord(const QModelIndex &proxyIndex) override;
    void clearDetailPane() override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildDetailPane();
    void showPicture(const QString &path);
    void nameAccessibleTexts();

    QScopedPointer<ContactViewPrivate> d;
};

#include "contactview.h"

#include "contactinfodelegate.h"
#include "contactitemdelegate.h"
#include "contactlabels.h"
#include "contactlistmodel.h"
#include "contactsortproxymodel.h"
#include "devicedata.h"
#include "picturerequests.h"
#include "viewstyle.h"
#include "viewtext.h"
#include "ximagebox.h"
#include "xlabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListView>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QVBoxLayout>

using DeviceData::ContactInfo;

namespace
{
    const char DefaultPicture[] = ":/Images/defult-user.png";
    constexpr int PictureSide = 64;

    // Every character an Arabic letter or a space (an empty name too).
    bool isArabicOnly(const QString &name)
    {
        for (const QChar c : name) {
            if (c != QLatin1Char(' ') && (c.unicode() < 0x0600 || c.unicode() > 0x06FF))
                return false;
        }
        return true;
    }
}

class ContactViewPrivate
{
public:
    XImageBox *picture = nullptr;
    XLabel *nameLabel = nullptr;
    QListView *fieldList = nullptr;
    QStandardItemModel *fieldModel = nullptr;
    ContactInfoDelegate *infoDelegate = nullptr;
    PictureRequests *pictures = nullptr;
    QString shownPicture; // the file the box waits for

    // One detail row: the label with its colon, the value as the pane
    // shows it and as assistive tools read it.
    void addRow(const QString &label, const QString &valueHtml, const QString &plain, bool deleted)
    {
        auto *item = new QStandardItem;
        item->setData(QStringList{label, valueHtml, deleted ? QStringLiteral("1") : QStringLiteral("0")},
                      Qt::DisplayRole);
        item->setData(QStringLiteral("%1 %2").arg(label, plain), Qt::AccessibleTextRole);
        item->setSizeHint(QSize(ContactInfoDelegate::RowWidth, ContactInfoDelegate::rowHeight(valueHtml, fieldList->font())));
        item->setEditable(false);
        fieldModel->appendRow(item);
    }

    void addValue(const QString &label, const QString &value, const QString &keyword, bool deleted)
    {
        if (!value.isEmpty())
            addRow(label, ViewText::markedLines(value, keyword), value, deleted);
    }

    void addList(ContactLabels::List list, const DeviceData::LabelledValues &values, const QString &keyword,
                 bool deleted)
    {
        for (const auto &pair : values) {
            if (pair.second.isEmpty())
                continue;
            const QString label = ContactView::tr("%1:").arg(ContactLabels::text(list, pair.first));
            if (list != ContactLabels::Addresses) {
                addValue(label, pair.second, keyword, deleted);
                continue;
            }
            // The store breaks address lines with "<br>", the one tag kept.
            const QStringList lines = pair.second.split(QStringLiteral("<br>"));
            QStringList shown;
            for (const QString &line : lines)
                shown << ViewText::marked(line, keyword);
            addRow(label, shown.join(QStringLiteral("<br>")), lines.join(QStringLiteral(", ")), deleted);
        }
    }
};

ContactView::ContactView(int group, int typeId, QWidget *parent)
    : RecordListView(group, typeId, new ContactListModel(group, typeId), new ContactSortProxyModel, parent)
    , d(new ContactViewPrivate)
{
    auto *rows = new ContactItemDelegate(listProxy());
    setRowDelegate(rows);
    connect(rows, &ContactItemDelegate::pictureArrived, listView()->viewport(), qOverload<>(&QWidget::update));
    d->pictures = new PictureRequests({QSize(PictureSide, PictureSide), QSize(PictureSide, PictureSide)}, this);
    connect(d->pictures, &PictureRequests::arrived, this, [this](const QString &path) {
        if (path == d->shownPicture)
            showPicture(path);
    });
    setDetailPane(buildDetailPane());
    nameAccessibleTexts();
}

ContactView::~ContactView() = default;

XImageBox *ContactView::pictureBox() const
{
    return d->picture;
}

XLabel *ContactView::nameLabel() const
{
    return d->nameLabel;
}

QListView *ContactView::fieldList() const
{
    return d->fieldList;
}

QStandardItemModel *ContactView::fieldModel() const
{
    return d->fieldModel;
}

QWidget *ContactView::buildDetailPane()
{
    auto *pane = new QWidget(this);
    ViewStyle::fillWindow(pane, QColor(251, 251, 251));

    d->picture = new XImageBox(pane);
    d->picture->setFixedSize(PictureSide, PictureSide);
    d->picture->setPixmap(QPixmap(QString::fromLatin1(DefaultPicture)));

    d->nameLabel = new XLabel(pane);
    d->nameLabel->setWordWrap(true);
    d->nameLabel->setMinimumWidth(480);
    d->nameLabel->setTextFormat(Qt::RichText);
    d->nameLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    d->fieldModel = new QStandardItemModel(this);
    d->infoDelegate = new ContactInfoDelegate(this);
    QScrollArea *scroll = nullptr;
    d->fieldList = ViewStyle::detailList(d->fieldModel, d->infoDelegate, QStringLiteral("lightgray"), pane, &scroll);
    ViewStyle::fitListToRows(d->fieldList, ContactInfoDelegate::RowWidth);

    auto *header = new QWidget(pane);
    header->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    header->setFixedHeight(80);
    auto *headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(14, 0, 0, 0);
    headerLayout->setSpacing(10);
    headerLayout->addWidget(d->picture);
    headerLayout->addWidget(d->nameLabel);

    auto *line = new QWidget(pane);
    line->setFixedHeight(2);
    ViewStyle::fillWindow(line, Qt::white);

    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(10, 25, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(header);
    layout->addWidget(line);
    layout->addSpacing(10);
    layout->addWidget(scroll);
    return pane;
}

void ContactView::nameAccessibleTexts()
{
    listView()->setAccessibleName(tr("Contacts"));
    d->fieldList->setAccessibleName(tr("Details"));
}

void ContactView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        nameAccessibleTexts();
    RecordListView::changeEvent(event);
}

void ContactView::clearDetailPane()
{
    d->shownPicture.clear();
    d->picture->setRound(false);
    d->picture->setPixmap(QPixmap(QString::fromLatin1(DefaultPicture)));
    d->nameLabel->clear();
    d->nameLabel->setToolTip(QString());
    d->fieldModel->clear();
    ViewStyle::fitListToRows(d->fieldList, ContactInfoDelegate::RowWidth);
}

void ContactView::showPicture(const QString &path)
{
    QImage image;
    if (!path.isEmpty() && d->pictures->find(path, &image) && !image.isNull()) {
        d->picture->setRound(true);
        d->picture->setPixmap(QPixmap::fromImage(image));
        return;
    }
    // Until the picture arrives, and for good when it cannot be read.
    d->picture->setRound(false);
    d->picture->setPixmap(QPixmap(QString::fromLatin1(DefaultPicture)));
}

void ContactView::showRecord(const QModelIndex &proxyIndex)
{
    if (!proxyIndex.isValid())
        return;
    RecordRowDelegate *rows = rowDelegate();
    if (proxyIndex.row() != rows->currentRow())
        listView()->viewport()->update();
    rows->setCurrentRow(proxyIndex.row());

    const ContactInfo &contact = ContactListModel::contactOf(proxyIndex.data(Qt::DisplayRole));
    const bool deleted = contact.deleted;
    const QString keyword = listProxy()->keyword();

    d->shownPicture = contact.photoPath;
    showPicture(contact.photoPath);

    XLabel *name = d->nameLabel;
    name->setStyleSheet(QStringLiteral("font-size: 18px;color:%1;")
                            .arg(deleted ? QStringLiteral("#e73e28") : QStringLiteral("#333333")));
    name->ensurePolished();
    // Sides as seen, whatever way the name's own text runs.
    name->setAlignment(Qt::AlignAbsolute | Qt::AlignVCenter
                       | (isArabicOnly(contact.sortName) ? Qt::AlignRight : Qt::AlignLeft));
    const QFontMetrics metrics(name->font());
    const QString shown = metrics.horizontalAdvance(contact.sortName) > name->width()
                              ? metrics.elidedText(contact.sortName, Qt::ElideMiddle, name->width())
                              : contact.sortName;
    name->setText(ViewText::marked(shown, keyword));
    name->setToolTip(ViewText::toolTip(contact.sortName));

    d->fieldModel->clear();
    d->addValue(tr("Company:"), contact.organization, keyword, deleted);
    d->addList(ContactLabels::Phones, contact.phones, keyword, deleted);
    d->addList(ContactLabels::Emails, contact.emails, keyword, deleted);
    d->addList(ContactLabels::Urls, contact.urls, keyword, deleted);
    d->addList(ContactLabels::Addresses, contact.addresses, keyword, deleted);
    d->addValue(tr("Birthday:"), contact.birthday, keyword, deleted);
    d->addList(ContactLabels::Dates, contact.dates, keyword, deleted);
    d->addList(ContactLabels::RelatedNames, contact.relatedNames, keyword, deleted);
    d->addList(ContactLabels::SocialProfiles, contact.socialProfiles, keyword, deleted);
    d->addList(ContactLabels::InstantMessages, contact.instantMessaging, keyword, deleted);
    d->addValue(tr("Notes:"), contact.note, keyword, deleted);

    ViewStyle::fitListToRows(d->fieldList, ContactInfoDelegate::RowWidth);
}

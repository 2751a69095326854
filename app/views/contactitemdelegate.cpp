#include "contactitemdelegate.h"

#include "checkabletableitemdelegate.h"
#include "contactlistmodel.h"
#include "devicedata.h"
#include "picturerequests.h"
#include "recordaccess.h"
#include "recordlistproxymodel.h"
#include "viewtext.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>

ContactItemDelegate::ContactItemDelegate(RecordListProxyModel *proxy)
    : RecordRowDelegate(proxy)
    , m_pictures(new PictureRequests({QSize(PictureSide, PictureSide), QSize(PictureSide, PictureSide)}, this))
    , m_defaultPicture(QPixmap(QStringLiteral(":/Images/defult-user.png"))
                           .scaled(PictureSide, PictureSide, Qt::KeepAspectRatio, Qt::SmoothTransformation))
{
    connect(m_pictures, &PictureRequests::arrived, this, &ContactItemDelegate::pictureArrived);
}

QSize ContactItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(RowHeight);
    return size;
}

QString ContactItemDelegate::nameHtml(const QString &fullName, const QString &keyword)
{
    return ViewText::marked(fullName.left(NameLength), keyword);
}

void ContactItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QRect row = opt.rect;
    const QVariant record = index.data(Qt::DisplayRole);
    const DeviceData::ContactInfo &contact = ContactListModel::contactOf(record);

    painter->save();
    QFont font = painter->font();
    font.setPixelSize(16);
    painter->setFont(font);
    painter->setPen(QColor(QStringLiteral("#333333")));
    painter->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    if (index.row() == currentRow())
        painter->fillRect(row, QColor(QStringLiteral("#F1F6FF")));
    else if (opt.state & QStyle::State_MouseOver)
        painter->fillRect(row, QColor(QStringLiteral("#F2F2F2")));

    drawCheckBox(painter, row, DeviceData::checkState(record), DeviceData::isCheckable(record));

    QImage picture;
    m_pictures->find(contact.photoPath, &picture);
    if (!picture.isNull()) {
        const QRect box(row.x() + 49, row.y() + (row.height() - PictureSide) / 2, PictureSide, PictureSide);
        painter->save();
        QPainterPath circle;
        circle.addEllipse(QRectF(box));
        painter->setClipPath(circle);
        painter->drawImage(box, picture);
        painter->restore();
    } else if (!m_defaultPicture.isNull()) {
        const int side = int(m_defaultPicture.height() / m_defaultPicture.devicePixelRatio());
        painter->drawPixmap(row.x() + 49, row.y() + (row.height() - side) / 2, m_defaultPicture);
    }

    const QFontMetrics metrics(font);
    QStyleOptionViewItem nameOption(opt);
    nameOption.rect = QRect(row.x() + 95, row.y() + (row.height() - metrics.height()) / 2,
                            row.right() - (row.x() + 95) + 1, row.height() - (row.height() - metrics.height()) / 2);
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &nameOption, widget);
    const QColor colour = opt.palette.color(QPalette::Text);
    QTextDocument document;
    CheckableTableItemDelegate::layoutCellText(document, nameHtml(contact.sortName, proxy()->keyword()), font,
                                               textRect.width(), colour);
    painter->save();
    painter->translate(textRect.topLeft());
    painter->setClipRect(QRect(QPoint(0, 0), textRect.size()));
    document.drawContents(painter);
    painter->restore();

    painter->setPen(QColor(240, 240, 240));
    painter->drawLine(row.x(), row.bottom(), row.x() + row.width(), row.bottom());
    painter->restore();
}

#include "natsmsitemdelegate.h"

#include "chattext.h"
#include "itemroles.h"
#include "natsmslistmodel.h"
#include "picturerequests.h"
#include "viewstyle.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextCursor>
#include <QTextDocument>

namespace
{
    constexpr int BoxSize = 20;
    const QString kEllipsis = QStringLiteral("...");
}

NatSmsItemDelegate::NatSmsItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_checkBox(new QCheckBox)
    , m_pictures(new PictureRequests({QSize(AvatarSize, AvatarSize), QSize(AvatarSize, AvatarSize)}, this))
{
    m_checkBox->setStyleSheet(ViewStyle::checkPictureSheet());
    connect(m_pictures, &PictureRequests::arrived, this, &NatSmsItemDelegate::pictureArrived);
    const QPixmap picture(QStringLiteral(":/Images/defult-user.png"));
    if (!picture.isNull())
        m_defaultAvatar = picture.scaled(AvatarSize, AvatarSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

NatSmsItemDelegate::~NatSmsItemDelegate() = default;

int NatSmsItemDelegate::currentRow() const
{
    return m_currentRow;
}

void NatSmsItemDelegate::setCurrentRow(int row)
{
    m_currentRow = row;
}

QString NatSmsItemDelegate::keyword() const
{
    return m_keyword;
}

void NatSmsItemDelegate::setKeyword(const QString &keyword)
{
    m_keyword = keyword;
}

QRect NatSmsItemDelegate::checkBoxHitRect(const QRect &rowRect)
{
    // The box is painted at x + 15; clicks count from x + 20.
    return QRect(rowRect.x() + 20, rowRect.y() + (rowRect.height() - BoxSize) / 2, BoxSize, BoxSize);
}

QPixmap NatSmsItemDelegate::avatarFor(const QString &path) const
{
    // Decoded by the loader, never while painting; the default picture
    // shows until the avatar arrives, and stays for one that cannot be read.
    QImage picture;
    if (path.isEmpty() || !m_pictures->find(path, &picture) || picture.isNull())
        return m_defaultAvatar;
    return QPixmap::fromImage(picture);
}

void NatSmsItemDelegate::drawText(QPainter *painter, const QRect &rect, const QString &plain, const QColor &colour,
                                  int pixelSize) const
{
    QFont font = painter->font();
    font.setPixelSize(pixelSize);
    QTextDocument document;
    document.setDocumentMargin(0);
    document.setDefaultFont(font);
    QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
    option.setWrapMode(QTextOption::NoWrap);
    document.setDefaultTextOption(option);
    const QString wrap = QStringLiteral("<font color=\"%1\">%2</font>");
    document.setHtml(wrap.arg(colour.name(), ChatText::marked(plain, m_keyword)));
    if (document.idealWidth() > rect.width()) {
        const int ellipsis = QFontMetrics(font).horizontalAdvance(kEllipsis);
        const QPointF at(rect.width() - ellipsis, QFontMetrics(font).height() / 2.0);
        const int position = document.documentLayout()->hitTest(at, Qt::FuzzyHit);
        if (position >= 0) {
            QTextCursor cursor(&document);
            cursor.setPosition(position);
            cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            cursor.insertHtml(wrap.arg(colour.name(), kEllipsis));
        }
    }
    painter->save();
    painter->translate(rect.topLeft());
    const QRect clip(0, 0, rect.width(), rect.height());
    painter->setClipRect(clip);
    // Vertically centred in its rectangle.
    painter->translate(0, (rect.height() - document.size().height()) / 2);
    document.drawContents(painter);
    painter->restore();
}

void NatSmsItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    if (!index.isValid())
        return;
    const QVariant record = index.data(Qt::DisplayRole);
    const DeviceData::SMSSessionInfo &info = NatSmsListModel::session(record);
    const QColor itemColour = index.data(Qt::ForegroundRole).value<QColor>();
    const QRect rect = option.rect;

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font = painter->font();
    font.setPixelSize(16);
    painter->setFont(font);

    if (index.row() == m_currentRow)
        painter->fillRect(rect, QColor(QStringLiteral("#F1F6FF")));
    else if (option.state & QStyle::State_MouseOver)
        painter->fillRect(rect, QColor(QStringLiteral("#F2F2F2")));

    QStyleOptionButton box;
    box.rect = QRect(rect.x() + 15, rect.y() + (rect.height() - BoxSize) / 2, BoxSize, BoxSize);
    box.state = index.data(CheckStateRole).toInt() == 2 ? QStyle::State_On : QStyle::State_Off;
    if (index.data(CheckableRole).toBool())
        box.state |= QStyle::State_Enabled;
    m_checkBox->style()->drawControl(QStyle::CE_CheckBox, &box, painter, m_checkBox.data());

    const QPixmap avatar = avatarFor(info.avatar);
    if (!avatar.isNull()) {
        const QSize size = avatar.size() / avatar.devicePixelRatio();
        const QRect place(rect.x() + 46, rect.y() + (rect.height() - size.height()) / 2, size.width(),
                          size.height());
        QPainterPath circle;
        circle.addEllipse(place);
        painter->save();
        painter->setClipPath(circle);
        painter->drawPixmap(place, avatar);
        painter->restore();
    } else if (!m_defaultAvatar.isNull()) {
        painter->drawPixmap(rect.x() + 46, rect.y() + (rect.height() - m_defaultAvatar.height()) / 2,
                            m_defaultAvatar);
    }

    const QColor nameColour = info.deleted ? itemColour : QColor(QStringLiteral("#333333"));
    drawText(painter, QRect(rect.x() + 90, rect.y() + 5, rect.width() - 166, 28),
             info.displayName.left(NatSmsListModel::ShownLength), nameColour, 16);

    const DeviceData::SMSInfo message = NatSmsListModel::previewedMessage(info);
    const QColor greyColour = info.deleted ? itemColour : QColor(QStringLiteral("#999999"));
    QFont dateFont = font;
    dateFont.setPixelSize(14);
    painter->setFont(dateFont);
    painter->setPen(greyColour);
    painter->drawText(QRect(rect.x() + rect.width() - 100, rect.y() + 3, 90, 24), Qt::AlignRight | Qt::AlignVCenter,
                      message.dayText);

    const int previewTop = rect.height() - 8 - QFontMetrics(font).height();
    drawText(painter, QRect(rect.x() + 90, rect.y() + previewTop, rect.width() - 95, 28),
             NatSmsListModel::previewText(message), greyColour, 16);

    painter->setPen(QColor(240, 240, 240));
    painter->drawLine(rect.x(), rect.bottom(), rect.right(), rect.bottom());
    painter->restore();
}

QSize NatSmsItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(RowHeight);
    return size;
}

bool NatSmsItemDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                     const QModelIndex &index)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && checkBoxHitRect(option.rect).contains(mouse->pos())) {
            emit checkBoxClicked(index);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

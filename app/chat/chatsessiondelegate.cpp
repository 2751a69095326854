#include "chatsessiondelegate.h"

#include "chatsessionmodel.h"
#include "chattext.h"
#include "checkabletableitemdelegate.h"
#include "itemroles.h"
#include "picturerequests.h"
#include "viewstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>

namespace
{
    QPixmap fitted(const QString &path, int side)
    {
        const QPixmap picture(path);
        return picture.isNull() ? picture : picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
}

ChatSessionDelegate::ChatSessionDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_checkBox(new QCheckBox)
    , m_pictures(new PictureRequests({QSize(PictureSide, PictureSide), QSize(PictureSide, PictureSide)}, this))
    , m_person(fitted(QStringLiteral(":/Images/wa/messgae/persion.png"), PictureSide))
    , m_group(fitted(QStringLiteral(":/Images/wa/messgae/group.png"), PictureSide))
    , m_asterisk(QStringLiteral(":/Images/wa/messgae/asterisk.png"))
{
    m_checkBox->setStyleSheet(ViewStyle::checkPictureSheet());
    connect(m_pictures, &PictureRequests::arrived, this, &ChatSessionDelegate::pictureArrived);
}

ChatSessionDelegate::~ChatSessionDelegate() = default;

int ChatSessionDelegate::currentRow() const
{
    return m_currentRow;
}

void ChatSessionDelegate::setCurrentRow(int row)
{
    m_currentRow = row;
}

QRect ChatSessionDelegate::checkBoxHitRect(const QRect &rowRect)
{
    return QRect(rowRect.x() + 20, rowRect.y() + (rowRect.height() - BoxSize) / 2, BoxSize, BoxSize);
}

void ChatSessionDelegate::drawText(QPainter *painter, const QRect &rect, const QString &plain, const QString &keyword,
                                   const QColor &colour, int pixelSize) const
{
    QFont font = painter->font();
    font.setPixelSize(pixelSize);
    QTextDocument document;
    CheckableTableItemDelegate::layoutCellText(document, ChatText::marked(plain, keyword), font, rect.width(),
                                               colour);
    painter->save();
    painter->translate(rect.topLeft());
    painter->setClipRect(QRect(0, 0, rect.width(), rect.height()));
    painter->translate(0, (rect.height() - document.size().height()) / 2);
    document.drawContents(painter);
    painter->restore();
}

void ChatSessionDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!index.isValid())
        return;
    const QRect rect = option.rect;
    const bool deleted = index.data(DeletedRole).toBool();
    const QColor itemColour = index.data(Qt::ForegroundRole).value<QColor>();
    const QString keyword = index.data(ChatSessionModel::KeywordRole).toString();

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

    QImage picture;
    m_pictures->find(index.data(ContactTextRole).toString(), &picture);
    const QRect place(rect.x() + 46, rect.y() + (rect.height() - PictureSide) / 2, PictureSide, PictureSide);
    if (!picture.isNull()) {
        painter->save();
        QPainterPath circle;
        circle.addEllipse(QRectF(place));
        painter->setClipPath(circle);
        painter->drawImage(place, picture);
        painter->restore();
    } else {
        const QPixmap &fallback = index.data(ChatSessionModel::GroupRole).toBool() ? m_group : m_person;
        if (!fallback.isNull())
            painter->drawPixmap(QRect(place.topLeft(), fallback.size() / fallback.devicePixelRatio()), fallback);
    }

    const QColor nameColour = deleted ? itemColour : QColor(QStringLiteral("#333333"));
    drawText(painter, QRect(rect.x() + 90, rect.y() + 5, rect.width() - 166, 28),
             index.data(ChatSessionModel::NameRole).toString(), keyword, nameColour, 16);

    const QColor greyColour = deleted ? itemColour : QColor(QStringLiteral("#999999"));
    QFont timeFont = font;
    timeFont.setPixelSize(14);
    painter->setFont(timeFont);
    painter->setPen(greyColour);
    if (index.data(ChatSessionModel::StarredRole).toBool() && !m_asterisk.isNull())
        painter->drawPixmap(rect.x() + rect.width() - 20, rect.y() + (rect.height() - m_asterisk.height()) / 2 + 2,
                            m_asterisk);
    painter->drawText(QRect(rect.x() + rect.width() - 100, rect.y() + 3, 90, 24), Qt::AlignRight | Qt::AlignVCenter,
                      index.data(ChatSessionModel::TimeTextRole).toString());

    const int summaryTop = rect.height() - 8 - QFontMetrics(font).height();
    drawText(painter, QRect(rect.x() + 90, rect.y() + summaryTop, rect.width() - 95, 28),
             index.data(ChatSessionModel::SummaryRole).toString(), keyword, greyColour, 16);

    painter->setPen(QColor(240, 240, 240));
    painter->drawLine(rect.x(), rect.bottom(), rect.x() + rect.width(), rect.bottom());
    painter->restore();
}

QSize ChatSessionDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(RowHeight);
    return size;
}

bool ChatSessionDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
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

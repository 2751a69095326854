#include "linekeeptableheaderview.h"

#include "imageutils.h"
#include "linekeepitemdelegate.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QListView>
#include <QStandardItemModel>

LineKeepTableHeaderView::LineKeepTableHeaderView(QWidget *parent)
    : QWidget(parent)
    , m_list(new QListView(this))
    , m_model(new QStandardItemModel(this))
    , m_delegate(new VxLineKepp::ItemDelegate(this))
{
    m_list->setResizeMode(QListView::Adjust);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setDragEnabled(false);
    m_list->setMouseTracking(true);
    m_list->setProperty("style", QStringLiteral("white"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(m_delegate);
    m_list->viewport()->installEventFilter(this);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);

    const QSize iconSize(IconSide, IconSide);
    //: Kinds of LINE Keep items, as tabs above the list: texts, photos, videos, files, links, other.
    addKeepType(0, QStringLiteral(QT_TRANSLATE_NOOP("QObject", "Texts")),
                QStringLiteral(":/Images/native/lineKeepBar/text-icon@2x.png"), iconSize);
    addKeepType(1, QStringLiteral(QT_TRANSLATE_NOOP("QObject", "Photos")),
                QStringLiteral(":/Images/native/lineKeepBar/picture-icon@2x.png"), iconSize);
    addKeepType(2, QStringLiteral(QT_TRANSLATE_NOOP("QObject", "Videos")),
                QStringLiteral(":/Images/native/lineKeepBar/video-icon@2x.png"), iconSize);
    addKeepType(3, QStringLiteral(QT_TRANSLATE_NOOP("QObject", "Audios")),
                QStringLiteral(":/Images/native/lineKeepBar/audio-icon@2x.png"), iconSize);
    addKeepType(4, QStringLiteral(QT_TRANSLATE_NOOP("QObject", "Documents")),
                QStringLiteral(":/Images/native/lineKeepBar/document-icon@2x.png"), iconSize);
    addKeepType(5, QStringLiteral(QT_TRANSLATE_NOOP("QObject", "Other")),
                QStringLiteral(":/Images/native/lineKeepBar/other-icon@2x.png"), iconSize);
    retranslate();

    connect(m_list, &QListView::clicked, this, [this](const QModelIndex &index) {
        const bool chosenByPress = index.row() == m_chosenByPress;
        m_chosenByPress = -1;
        if (!chosenByPress)
            choose(index.row());
    });
    // Keys and assistive tools move the current row without a click.
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &index) {
        if (!index.isValid() || index.row() == m_delegate->currentRow())
            return;
        choose(index.row());
        m_chosenByPress = index.row();
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                if (!selected.indexes().isEmpty() && selected.indexes().first().row() != m_delegate->currentRow())
                    choose(selected.indexes().first().row());
            });
}

QListView *LineKeepTableHeaderView::listView() const
{
    return m_list;
}

int LineKeepTableHeaderView::currentRow() const
{
    return m_delegate->currentRow();
}

void LineKeepTableHeaderView::setCurrentRow(int row)
{
    m_delegate->setCurrentRow(row);
    m_list->viewport()->update();
}

void LineKeepTableHeaderView::addKeepType(int type, const QString &name, const QString &iconPath,
                                          const QSize &iconSize)
{
    QPixmap image(iconPath);
    // Our artwork is drawn at the size it is shown, whatever its name says.
    image.setDevicePixelRatio(1.0);
    m_delegate->appendPixmap(image.isNull() ? image : scalePixmap(image, iconSize.width(), image.height()));
    auto *item = new QStandardItem;
    item->setData(QVariant::fromValue(LineKeepTypeEntry{name, type}), Qt::DisplayRole);
    item->setData(QObject::tr(name.toUtf8().constData()), Qt::AccessibleTextRole);
    m_model->appendRow(item);
}

void LineKeepTableHeaderView::choose(int row)
{
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    m_delegate->setCurrentRow(row);
    m_list->viewport()->update();
    emit sigClickedKeepType(index.data(Qt::DisplayRole).value<LineKeepTypeEntry>().type);
}

bool LineKeepTableHeaderView::eventFilter(QObject *watched, QEvent *event)
{
    // A press starts afresh: a click ends what it began.
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonPress)
        m_chosenByPress = -1;
    return QWidget::eventFilter(watched, event);
}

void LineKeepTableHeaderView::retranslate()
{
    m_list->setAccessibleName(QObject::tr("LINE Keep types"));
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem *item = m_model->item(row);
        const LineKeepTypeEntry entry = item->data(Qt::DisplayRole).value<LineKeepTypeEntry>();
        item->setData(QObject::tr(entry.name.toUtf8().constData()), Qt::AccessibleTextRole);
    }
}

void LineKeepTableHeaderView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        m_list->viewport()->update();
    }
    QWidget::changeEvent(event);
}

#include "abstractdataview.h"

class AbstractDataViewPrivate
{
public:
    int typeId = 0;
    int filterMode = 0;
    int filterFlag = 0;
};

AbstractDataView::AbstractDataView(int typeId, QWidget *parent)
    : QWidget(parent)
    , d(new AbstractDataViewPrivate)
{
    d->typeId = typeId;
    setAttribute(Qt::WA_DeleteOnClose);
    // The white ground a GL surface would have been cleared to.
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, Qt::white);
    setPalette(ground);
}

AbstractDataView::~AbstractDataView() = default;

int AbstractDataView::typeId() const
{
    return d->typeId;
}

int AbstractDataView::filterMode() const
{
    return d->filterMode;
}

int AbstractDataView::filterFlag() const
{
    return d->filterFlag;
}

void AbstractDataView::appendItem(const QVariant &)
{
}

void AbstractDataView::appendItemByKind(int, const QVariant &)
{
}

void AbstractDataView::setDataList(const QList<QVariant> &)
{
}

void AbstractDataView::updateItem(const QString &, const QVariant &)
{
}

void AbstractDataView::setMessageList(const QList<QVariant> &)
{
}

void AbstractDataView::resetMessages()
{
}

void AbstractDataView::setCheckEnabled(bool)
{
}

void AbstractDataView::setAllChecked(int, bool, bool)
{
}

int AbstractDataView::checkState(bool) const
{
    return 0;
}

CSortFilterProxyModel *AbstractDataView::proxyModel() const
{
    return nullptr;
}

void AbstractDataView::setFilterMode(int mode)
{
    d->filterMode = mode;
}

void AbstractDataView::setFilterFlag(int flag)
{
    d->filterFlag = flag;
}

void AbstractDataView::showFiltrationDialog()
{
}

void AbstractDataView::search(const QString &)
{
}

void AbstractDataView::stopLoading()
{
}

void AbstractDataView::clear()
{
}

void AbstractDataView::showCurrent()
{
}

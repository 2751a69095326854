#pragma once

#include <QScopedPointer>
#include <QSize>
#include <QWidget>

class QListView;
class QStandardItemModel;
class TypeSelectionViewPrivate;

// A grid of category cards (TypeItemDelegate) that the user ticks. Each row
// is a QStandardItem holding a Vx::DataItemInfo as its display data.
class TypeSelectionView : public QWidget
{
    Q_OBJECT

public:
    explicit TypeSelectionView(QWidget *parent = nullptr);
    ~TypeSelectionView() override;

    // The icon is read at iconSize when that size is valid.
    void addItem(int id, const QString &name, const QString &iconPath, const QSize &iconSize, int state);
    void setDisplayMode(int mode);
    void setItemSize(const QSize &size);
    QStandardItemModel *model() const;
    QListView *listView() const;

signals:
    void checkStateChanged(int row, int state);
    void clicked(int id);

private:
    QScopedPointer<TypeSelectionViewPrivate> d;
};

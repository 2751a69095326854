#pragma once

#include <QListView>

class TypeItemDelegate;

// The grid of category cards inside a TypeSelectionView. A class of its
// own so that assistive tools get the cards as checkable list items.
class TypeCardListView : public QListView
{
    Q_OBJECT

public:
    explicit TypeCardListView(QWidget *parent = nullptr);

    void setCardDelegate(TypeItemDelegate *delegate);
    // The card's click, as the mouse gives it.
    void clickRow(int row);
    // The card's name as the person reads it.
    QString cardName(int row) const;
    bool isCardChecked(int row) const;

protected:
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QVector<int> &roles = QVector<int>()) override;

private:
    TypeItemDelegate *m_delegate = nullptr;
};

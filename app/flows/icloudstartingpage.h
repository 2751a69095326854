#pragma once

#include "vxkwidget.h"

#include <QScopedPointer>
#include <QVector>

class QCheckBox;
class TypeSelectionView;
class iCloudStartingPagePrivate;

// The iCloud flow's data-type page: the six categories the iCloud library
// can pull, as cards under one tri-state "Select ALL" box. sigSelectState
// tells whether anything is chosen.
class iCloudStartingPage : public VxkWidget
{
    Q_OBJECT

public:
    explicit iCloudStartingPage(QWidget *parent = nullptr);
    ~iCloudStartingPage() override;

    // The ids of the checked cards, in row order.
    QVector<int> selectedCategories() const;
    bool hasSelection() const;

    QCheckBox *selectAllBox() const;
    TypeSelectionView *view() const;

signals:
    void sigSelectState(bool anySelected);

protected:
    void changeEvent(QEvent *event) override;

private:
    void onCardChanged(int state);
    void onSelectAllClicked();
    void retranslate();

    QScopedPointer<iCloudStartingPagePrivate> d;
};

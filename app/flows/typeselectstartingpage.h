#pragma once

#include <QScopedPointer>
#include <QVector>
#include <QWidget>

class QCheckBox;
class TypeSelectionView;
class TypeSelectStartingPagePrivate;

// The category choice of the device and iTunes flows: the system and the
// third-party app categories as two grids of cards, the tri-state boxes
// "Select ALL", "System Data" and "Third-party App Data", and a busy row for
// while the device is analysed. sigSelectState tells whether anything is
// chosen.
class TypeSelectStartingPage : public QWidget
{
    Q_OBJECT

public:
    explicit TypeSelectStartingPage(QWidget *parent = nullptr);
    ~TypeSelectStartingPage() override;

    // The ids of the checked cards: the system grid's in row order, then the
    // app grid's.
    QVector<int> selectedItems() const;
    bool isAnySelected() const;
    void showAnalyzing(bool show);
    bool isAnalyzingShown() const;

    // Sets again the texts built in code (the boxes' accessible names).
    void retranslate();

    QCheckBox *selectAllBox() const;
    QCheckBox *systemBox() const;
    QCheckBox *appBox() const;
    TypeSelectionView *systemView() const;
    TypeSelectionView *appView() const;

signals:
    void sigSelectState(bool anySelected);

protected:
    void changeEvent(QEvent *event) override;

private:
    void onItemChanged(bool system, int state);
    void applyGroup(bool system);
    void onSelectAllClicked();
    void updateSelectAll();

    QScopedPointer<TypeSelectStartingPagePrivate> d;
};

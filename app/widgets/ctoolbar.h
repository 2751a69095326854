#pragma once

#include <QScopedPointer>
#include <QWidget>

class CToolBarPrivate;

// The 48-pixel bar above the scan-result views. It shows one page at a time
// (setBarType):
//
//   0  the simulated scan progress and a stop button
//   1  show selector, "Select All", filter button
//   2  show selector, search box (4 is the same)
//   3  show selector, "Select All", search box
//   5  five type buttons, "Select All", search box
//   6  show selector, second selector ("Type"), "Select All", search box
//
// Any other type leaves the bar empty. It owns no data: its owner feeds it
// counts and check states and listens to its signals.
class CToolBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int NoType = 0xFFFFFF;
    static constexpr int ProgressMaximum = 720000;

    explicit CToolBar(QWidget *parent = nullptr);
    ~CToolBar() override;

    // Replaces the page; the old one and its controls are deleted later.
    void setBarType(int type);
    int barType() const;

    // Type 5: the checked type button's id; else the show selector's index;
    // -1 without a selector.
    int currentIndex() const;
    void setCurrentIndex(int index);
    // The count in brackets of show-selector entry index (0 all, 1 existing,
    // 2 deleted).
    void setTypeCount(int index, int count);
    bool hasCheckAll() const;
    // A Qt::CheckState, partially checked included.
    void setCheckState(int state);
    void setSearchEnabled(bool enabled);

    bool isScanning() const;
    // The progress runs on by itself, fast at first and slower towards
    // 90 %, until stopScanning sets it to 100 %.
    void startScanning();
    void stopScanning();
    // Hides the progress, empties the search box (a search for nothing) and
    // stops the progress timer.
    void hideScanWidgets();
    void setProgressValue(int value);
    void startTimer(int interval);
    void stopTimer();
    // The texts of the current page in the current language.
    void resetUI();

signals:
    void scanningStopped();
    void filterClicked();
    void searched(const QString &text);
    void currentIndexChanged(int index);
    void checkAllClicked(int state);
    void typeIndexChanged(int index);

private slots:
    void onProgressTick();

private:
    QScopedPointer<CToolBarPrivate> d;
};

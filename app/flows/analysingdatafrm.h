#pragma once

#include <QScopedPointer>
#include <QWidget>

class AnalysingDataFrmPrivate;

// What the scan-result page shows while a scan runs: a large busy picture
// and a note worded after the scan's source (ModuleManager's current
// module). The note is set again on every show, and the picture turns only
// while the page shows.
class AnalysingDataFrm : public QWidget
{
    Q_OBJECT

public:
    explicit AnalysingDataFrm(QWidget *parent = nullptr);
    ~AnalysingDataFrm() override;

    void updateSourceText();
    bool isAnimating() const;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QScopedPointer<AnalysingDataFrmPrivate> d;
};

#pragma once

#include <QScopedPointer>
#include <QWidget>

class AnalysisDataNullFrmPrivate;

// What the scan-result page shows when a finished scan found nothing: "No
// data found!" and a note worded after the scan's source, set again on
// every show.
class AnalysisDataNullFrm : public QWidget
{
    Q_OBJECT

public:
    explicit AnalysisDataNullFrm(QWidget *parent = nullptr);
    ~AnalysisDataNullFrm() override;

    void updateSourceText();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QScopedPointer<AnalysisDataNullFrmPrivate> d;
};

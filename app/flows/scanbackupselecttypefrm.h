#pragma once

#include <QVector>
#include <QWidget>

class QLabel;
class TypeSelectStartingPage;

// The device module's page for a trusted phone: its name and the category
// choice.
class ScanBackupSelectTypeFrm : public QWidget
{
    Q_OBJECT

public:
    explicit ScanBackupSelectTypeFrm(QWidget *parent = nullptr);

    bool isAnySelected() const;
    QVector<int> selectedItems() const;
    void showAnalyzing(bool show);
    // The title names the current device.
    void refreshTexts();

    QString titleText() const;
    TypeSelectStartingPage *typePage() const;

signals:
    void sigSelectState(bool anySelected);

private:
    QLabel *m_title = nullptr;
    TypeSelectStartingPage *m_types = nullptr;
};

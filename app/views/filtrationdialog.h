#pragma once

#include "fdialog.h"

#include <QList>

class QLabel;
class QPushButton;
class XLabel;
class XLineEdit;

// Lets the user keep the records of a recent time span in a media grid: all,
// the last 7 days, month, three months, six months, year, or a custom range
// of whole days back. OK emits sigFliter (the dialog stays open; its owner
// reads choice(), fromDays() and toDays() and closes it).
//
// Choice codes: 0 All, 1 Last 7 Days, 2 Last Month, 3 Last three Months,
// 4 Last Six Months, 5 Last Year, 8 Custom Range.
class FiltrationDialog : public FDialog
{
    Q_OBJECT

public:
    static constexpr int CustomRange = 8;

    explicit FiltrationDialog(QWidget *parent = nullptr);

    // The button pressed last.
    int choice() const;
    // The custom range's fields; an empty field reads 0.
    int fromDays() const;
    int toDays() const;
    // Shows the choice of the last OK pressed again.
    void restoreChoice();
    void retranslateUi();

signals:
    void sigFliter();

private:
    void choose(int index);
    void reset();
    void showCustomFields(bool shown);

    XLabel *m_title = nullptr;
    QList<QPushButton *> m_timeButtons; // in the order of kCodes
    XLineEdit *m_from = nullptr;
    XLineEdit *m_to = nullptr;
    QLabel *m_toLabel = nullptr;
    QLabel *m_daysLabel = nullptr;
    QPushButton *m_reset = nullptr;
    QPushButton *m_ok = nullptr;
    int m_choice = 0;
    int m_confirmed = 0;
};

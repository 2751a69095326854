#pragma once

#include "fdialog.h"

#include <QScopedPointer>

class FiltrationDialogPrivate;

// Lets the user narrow a media view to a recent time span: all, the last
// 7 days, month, three months, six months, year, or a custom range of days
// back from now. The view keeps one dialog, calls restoreChoice before each
// showing and applies choice(), fromDays() and toDays() on sigFliter; the
// dialog does not close itself.
//
// Choice codes: 0 all, 1 last 7 days, 2 last month, 3 last three months,
// 4 last six months, 5 last year, 8 custom range.
class FiltrationDialog : public FDialog
{
    Q_OBJECT

public:
    enum Choice
    {
        All = 0,
        Last7Days = 1,
        LastMonth = 2,
        LastThreeMonths = 3,
        LastSixMonths = 4,
        LastYear = 5,
        CustomRange = 8
    };

    explicit FiltrationDialog(QWidget *parent = nullptr);
    ~FiltrationDialog() override;

    // The button last pressed.
    int choice() const;
    // The custom range's numbers of days; an empty field reads 0.
    int fromDays() const;
    int toDays() const;
    // Back to the choice of the last OK (its numbers too for a custom
    // range), dropping what was chosen since without OK.
    void restoreChoice();
    void retranslateUi();

signals:
    void sigFliter();

protected:
    void changeEvent(QEvent *event) override;

private:
    void choose(int code);
    void reset();
    void confirm();

    QScopedPointer<FiltrationDialogPrivate> d;
};

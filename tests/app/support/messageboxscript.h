#pragma once

#include "xmessagebox.h"

#include <QList>

// Answers message boxes without showing them, for as long as it lives:
//
//     MessageBoxScript script({2});
//     page.quit();                           // asks; the box "returns" 2
//     QCOMPARE(script.shown().first().text, tr("..."));
//
// It fails the test when it ends with answers left over or after boxes that
// found no answer (they returned 0).
class MessageBoxScript
{
public:
    explicit MessageBoxScript(const QList<int> &answers);
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript &) = delete;
    MessageBoxScript &operator=(const MessageBoxScript &) = delete;

    // Every box shown so far, in order.
    QList<XMessageBox::Shown> shown();

private:
    QList<XMessageBox::Shown> m_shown;
};

#include "messageboxscript.h"

#include <QtTest>

MessageBoxScript::MessageBoxScript(const QList<int> &answers)
{
    XMessageBox::scriptAnswers(answers);
}

MessageBoxScript::~MessageBoxScript()
{
    m_shown += XMessageBox::takeShown();
    const XMessageBox::ScriptEnd end = XMessageBox::endScript();
    if (QTest::currentTestFailed())
        return;
    if (!end.unusedAnswers.isEmpty()) {
        const QByteArray message = "MessageBoxScript: " + QByteArray::number(end.unusedAnswers.size())
                                   + " answer(s) left unused";
        QTest::qFail(message.constData(), __FILE__, __LINE__);
        return;
    }
    if (end.unexpectedBoxes > 0) {
        QByteArray message = "MessageBoxScript: " + QByteArray::number(end.unexpectedBoxes)
                             + " box(es) shown with no answer left:";
        for (const XMessageBox::Shown &box : qAsConst(m_shown)) {
            if (!box.scripted)
                message += " \"" + box.text.toUtf8() + '"';
        }
        QTest::qFail(message.constData(), __FILE__, __LINE__);
    }
}

QList<XMessageBox::Shown> MessageBoxScript::shown()
{
    m_shown += XMessageBox::takeShown();
    return m_shown;
}

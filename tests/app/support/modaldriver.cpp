#include "modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace
{
    struct Handler
    {
        QByteArray typeName;
        std::function<bool(QWidget *)> accepts;
        std::function<void(QWidget *)> act;
        QDeadlineTimer deadline;
        int timeoutMs = 0;
        QPointer<QWidget> skip; // the modal already up when the action was armed
    };

    class Driver : public QObject
    {
    public:
        explicit Driver(QObject *parent)
            : QObject(parent)
        {
            m_timer.setInterval(0);
            connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
        }

        void add(Handler handler)
        {
            m_queue.append(std::move(handler));
            m_timer.start();
        }

        int pending() const { return m_queue.size(); }

        void clear()
        {
            m_queue.clear();
            m_timer.stop();
        }

    private:
        void tick()
        {
            if (m_queue.isEmpty()) {
                m_timer.stop();
                return;
            }
            Handler &head = m_queue.first();
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible() && modal != head.skip && modal != m_lastActed && head.accepts(modal)) {
                const Handler taken = m_queue.takeFirst();
                if (m_queue.isEmpty())
                    m_timer.stop();
                m_lastActed = modal;
                taken.act(modal);
                return;
            }
            if (head.deadline.hasExpired()) {
                const QByteArray message = "ModalDriver: no modal " + head.typeName + " came within "
                                           + QByteArray::number(head.timeoutMs) + " ms";
                clear();
                QTest::qFail(message.constData(), __FILE__, __LINE__);
                ModalDriver::rejectAllModals();
            }
        }

        QTimer m_timer;
        QList<Handler> m_queue;
        QPointer<QWidget> m_lastActed;
    };

    Driver *driver()
    {
        static QPointer<Driver> instance;
        if (!instance)
            instance = new Driver(qApp);
        return instance;
    }

    QString plainText(QString text)
    {
        return text.remove(QLatin1Char('&'));
    }
}

void ModalDriver::enqueue(const QByteArray &typeName, std::function<bool(QWidget *)> accepts,
                          std::function<void(QWidget *)> act, int timeoutMs)
{
    Handler handler;
    handler.typeName = typeName;
    handler.accepts = std::move(accepts);
    handler.act = std::move(act);
    handler.deadline = QDeadlineTimer(timeoutMs);
    handler.timeoutMs = timeoutMs;
    handler.skip = QApplication::activeModalWidget();
    driver()->add(std::move(handler));
}

bool ModalDriver::clickButton(QWidget *root, const QString &textOrName)
{
    if (!root)
        return false;
    const auto buttons = root->findChildren<QAbstractButton *>();
    for (QAbstractButton *button : buttons) {
        if (!button->isVisible())
            continue;
        if (plainText(button->text()) == textOrName || button->objectName() == textOrName
            || button->accessibleName() == textOrName) {
            button->click();
            return true;
        }
    }
    return false;
}

bool ModalDriver::typeText(QWidget *root, const QString &text, const QString &name)
{
    if (!root)
        return false;
    const auto edits = root->findChildren<QLineEdit *>();
    QLineEdit *target = nullptr;
    for (QLineEdit *edit : edits) {
        if (name.isEmpty() ? edit->hasFocus() : (edit->objectName() == name || edit->accessibleName() == name)) {
            target = edit;
            break;
        }
    }
    if (!target && name.isEmpty() && !edits.isEmpty())
        target = edits.first();
    if (!target)
        return false;
    QTest::keyClicks(target, text);
    return true;
}

void ModalDriver::rejectAllModals()
{
    // Bounded: a dialog that refuses to go is hidden instead.
    for (int round = 0; round < 64; ++round) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal)
            modal->hide();
    }
}

int ModalDriver::pending()
{
    return driver()->pending();
}

void ModalDriver::clear()
{
    driver()->clear();
}

#include "kitaccessible.h"
#include "modaldriver.h"
#include "widgetkit.h"
#include "xbusyindicator.h"
#include "xdialog.h"
#include "xdiybtn.h"
#include "ximagebox.h"
#include "xlabel.h"
#include "xmessagebox.h"
#include "xpushbutton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

// A painted control of another library, registered as later windows will.
class PaintedSwitch : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool checkable READ isCheckable CONSTANT)
    Q_PROPERTY(bool checked READ isChecked)

public:
    bool isCheckable() const { return true; }
    bool isChecked() const { return m_on; }
    Q_INVOKABLE void click() { m_on = !m_on; }

private:
    bool m_on = false;
};

// German for the two names the kit gives itself.
class GermanNames : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        if (qstrcmp(source, "Close") == 0)
            return QStringLiteral("Schlie\u00dfen");
        if (qstrcmp(source, "Loading") == 0)
            return QStringLiteral("Wird geladen");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

// A card of a page, derived from the kit's card without a registration of its own.
class CategoryCard : public XDiyBtn
{
    Q_OBJECT
};

namespace
{
    QAccessibleInterface *face(QObject *object)
    {
        return QAccessible::queryAccessibleInterface(object);
    }

    QStringList actionsOf(QObject *object)
    {
        QAccessibleInterface *iface = face(object);
        return iface && iface->actionInterface() ? iface->actionInterface()->actionNames() : QStringList();
    }

    // Role and name of every button below iface.
    void collectButtons(QAccessibleInterface *iface, QList<QPair<QAccessible::Role, QString>> &out)
    {
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface *child = iface->child(i);
            if (!child)
                continue;
            if (child->role() == QAccessible::Button || child->role() == QAccessible::PushButton)
                out << qMakePair(child->role(), child->text(QAccessible::Name));
            collectButtons(child, out);
        }
    }
}

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        KitAccessible::registerClass("PaintedSwitch", QAccessible::CheckBox);
    }

    void rolesNamesAndActions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("actions");
        const QString press = QAccessibleActionInterface::pressAction();
        const QString toggle = QAccessibleActionInterface::toggleAction();
        QTest::newRow("card") << "card" << int(QAccessible::Button) << "Photos" << QStringList {press, toggle};
        QTest::newRow("derived card") << "derived" << int(QAccessible::Button) << "Notes" << QStringList {press, toggle};
        QTest::newRow("busy indicator") << "busy" << int(QAccessible::Animation) << "Loading" << QStringList();
        QTest::newRow("image") << "image" << int(QAccessible::Graphic) << "" << QStringList();
        QTest::newRow("push button: Qt's own") << "push" << int(QAccessible::Button) << "Recover" << QStringList {press};
        QTest::newRow("another library's control") << "switch" << int(QAccessible::CheckBox) << "Wi-Fi"
                                                   << QStringList {press, toggle};
    }

    void rolesNamesAndActions()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(QStringList, actions);
        QWidget window;
        QWidget *widget = nullptr;
        if (control == "card") {
            auto *card = new XDiyBtn(&window);
            card->setText(QStringLiteral("Photos"));
            widget = card;
        } else if (control == "derived") {
            auto *card = new CategoryCard;
            card->setParent(&window);
            card->setText(QStringLiteral("Notes"));
            widget = card;
        } else if (control == "busy") {
            widget = new XBusyIndicator(&window);
        } else if (control == "image") {
            widget = new XImageBox(&window);
        } else if (control == "push") {
            auto *button = new XPushButton(&window);
            button->setText(QStringLiteral("Recover"));
            widget = button;
        } else {
            widget = new PaintedSwitch;
            widget->setParent(&window);
            widget->setAccessibleName(QStringLiteral("Wi-Fi"));
        }
        QAccessibleInterface *iface = face(widget);
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
        for (const QString &action : actions)
            QVERIFY2(actionsOf(widget).contains(action), qPrintable(action));
        if (actions.isEmpty())
            QVERIFY(!actionsOf(widget).contains(QAccessibleActionInterface::pressAction()));
    }

    void cardStates()
    {
        XDiyBtn card;
        card.setText(QStringLiteral("Photos"));
        QAccessibleInterface *iface = face(&card);
        QVERIFY(iface->state().checkable);
        QVERIFY(!iface->state().checked);
        QVERIFY(!iface->state().focusable);
        card.setFocusPolicy(Qt::StrongFocus);
        QVERIFY(iface->state().focusable);
        card.setChecked(true);
        QVERIFY(iface->state().checked);
        QTest::mousePress(&card, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(iface->state().pressed);
        QTest::mouseRelease(&card, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!iface->state().pressed);
        card.setEnabled(false);
        QVERIFY(iface->state().disabled);
        QVERIFY(!actionsOf(&card).contains(QAccessibleActionInterface::pressAction()));
    }

    void pressIsQueued()
    {
        XDiyBtn card;
        card.setText(QStringLiteral("Photos"));
        QSignalSpy clicks(&card, &XDiyBtn::clicked);
        face(&card)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 0); // not inside the assistive call
        QVERIFY(!card.isChecked());
        QTRY_COMPARE(clicks.count(), 1);
        QVERIFY(card.isChecked());
    }

    void pressOnADisabledCardDoesNothing()
    {
        XDiyBtn card;
        card.setEnabled(false);
        QSignalSpy clicks(&card, &XDiyBtn::clicked);
        face(&card)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(20);
        QCOMPARE(clicks.count(), 0);
    }

    void pushButtonPressIsAsynchronous()
    {
        XPushButton button;
        button.setText(QStringLiteral("OK"));
        QSignalSpy clicks(&button, &XPushButton::clicked);
        face(&button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 0);
        QTRY_COMPARE(clicks.count(), 1);
    }

    void dialogCloseButtonIsNamed()
    {
        XDialog dialog;
        dialog.setTitle(QStringLiteral("Backup"));
        auto *close = dialog.findChild<XPushButton *>(QStringLiteral("TitleCloseButton"));
        QCOMPARE(face(close)->text(QAccessible::Name), QStringLiteral("Close"));
        QCOMPARE(face(&dialog)->text(QAccessible::Name), QStringLiteral("Backup"));
        dialog.setTitle(QString());
        QCOMPARE(face(&dialog)->text(QAccessible::Name), QStringLiteral("Quenrow (iOS)"));
        // The title label keeps no name of its own: its text is what is read.
        auto *title = dialog.findChild<XLabel *>();
        QVERIFY(title->accessibleName().isEmpty());
    }

    void messageBoxButtonsAreNamedByTheirTexts()
    {
        QList<QPair<QAccessible::Role, QString>> buttons;
        QString message;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            collectButtons(face(box), buttons);
            for (XLabel *label : box->findChildren<XLabel *>()) {
                if (label->wordWrap())
                    message = face(label)->text(QAccessible::Name);
            }
            QVERIFY(ModalDriver::clickButton(box, QStringLiteral("Cancel")));
        });
        XMessageBox::question(nullptr, QString(), QStringLiteral("Exit <b>now</b>?"),
                              {QStringLiteral("Cancel"), QStringLiteral("OK")}, 2);
        QStringList names;
        for (const auto &button : buttons)
            names << button.second;
        QCOMPARE(names, (QStringList {QStringLiteral("Close"), QStringLiteral("Cancel"), QStringLiteral("OK")}));
        QCOMPARE(message, QStringLiteral("Exit now?")); // read as plain text
    }

    void namesFollowTheLanguage()
    {
        XDialog dialog;
        XBusyIndicator busy;
        auto *close = dialog.findChild<XPushButton *>(QStringLiteral("TitleCloseButton"));
        GermanNames german;
        QCoreApplication::installTranslator(&german);
        QTRY_COMPARE(face(close)->text(QAccessible::Name), QStringLiteral("Schlie\u00dfen"));
        QTRY_COMPARE(face(&busy)->text(QAccessible::Name), QStringLiteral("Wird geladen"));
        QCoreApplication::removeTranslator(&german);
        QTRY_COMPARE(face(close)->text(QAccessible::Name), QStringLiteral("Close"));
        QTRY_COMPARE(face(&busy)->text(QAccessible::Name), QStringLiteral("Loading"));
    }

    void anotherLibrarysControlToggles()
    {
        PaintedSwitch control;
        QAccessibleInterface *iface = face(&control);
        QVERIFY(iface->state().checkable);
        iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(!control.isChecked());
        QTRY_VERIFY(control.isChecked());
        QVERIFY(iface->state().checked);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

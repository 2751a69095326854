#include "dpiscale.h"
#include "homepagefrm.h"
#include "languagetable.h"
#include "modulebasefrm.h"
#include "modulemanager.h"
#include "moduleregistry.h"
#include "taskbarprogress.h"
#include "widgetkit.h"

#include "mobiledeviceobject.h"
#include "oneclickwidget.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

// A page of a test's own, to tell it from the empty default.
class NamedPage : public ModuleBaseFrm
{
    Q_OBJECT
};

class ShellUnitsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initWidgetKit(); }

    void eachHomeCardEmitsItsOwnSignalOncePerClick_data()
    {
        QTest::addColumn<int>("card");
        QTest::newRow("device") << 0;
        QTest::newRow("iTunes") << 1;
        QTest::newRow("iCloud") << 2;
    }

    void eachHomeCardEmitsItsOwnSignalOncePerClick()
    {
        QFETCH(int, card);
        HomePageFrm home;
        QSignalSpy device(&home, &HomePageFrm::sigRecoverFromiOSDeviceClicked);
        QSignalSpy itunes(&home, &HomePageFrm::sigRecoverFromiTunesClicked);
        QSignalSpy icloud(&home, &HomePageFrm::sigRecoverFromiCloudClicked);
        OneClickWidget *widget = home.card(card);
        QVERIFY(widget);
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        // A click on the card's title reaches the card.
        QLabel *inside = nullptr;
        for (QLabel *label : widget->findChildren<QLabel *>()) {
            if (label->text() == widget->title())
                inside = label;
        }
        QVERIFY(inside);
        QTest::mouseClick(inside, Qt::LeftButton, {}, inside->rect().center());
        const QList<int> counts {device.count(), itunes.count(), icloud.count()};
        QList<int> expected {0, 0, 0};
        expected[card] = 1;
        QCOMPARE(counts, expected);
        // Screen readers hear the card's own title and description.
        QVERIFY(!widget->title().isEmpty() && !widget->description().isEmpty());
        QCOMPARE(widget->accessibleName(), widget->title());
        QCOMPARE(widget->accessibleDescription(), widget->description());

        home.setCardEnabled(card, false);
        QTest::mouseClick(widget, Qt::LeftButton);
        QCOMPARE(device.count() + itunes.count() + icloud.count(), 1);
        QVERIFY(widget->graphicsEffect());
        home.setCardEnabled(card, true);
        QVERIFY(!widget->graphicsEffect());
    }

    void homeCardsAreTheKitsCards()
    {
        HomePageFrm home;
        const QList<QSize> sizes {{400, 520}, {460, 240}, {460, 240}};
        const QList<int> kinds {0, 2, 2};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(home.card(i)->size(), sizes.at(i));
            QCOMPARE(home.card(i)->layoutKind(), kinds.at(i));
        }
        QCOMPARE(home.card(0)->title(), QStringLiteral("Recover Data from iOS Device"));
        QCOMPARE(home.card(1)->title(), QStringLiteral("Recover Data from iTunes Backup"));
        QCOMPARE(home.card(2)->description(), QStringLiteral("Support to recover data that synced to iCloud."));
    }

    void dpiToScale_data()
    {
        QTest::addColumn<float>("dpi");
        QTest::addColumn<QString>("scale");
        QTest::newRow("96: none") << 96.0f << "1";
        QTest::newRow("144: 1.5 x 0.956") << 144.0f << "1.434";
        QTest::newRow("100: rounds up to 1") << 100.0f << "1";
        QTest::newRow("192") << 192.0f << "1.912";
        QTest::newRow("72: never below 1") << 72.0f << "1";
        QTest::newRow("0: a screen without a size") << 0.0f << "1";
    }

    void dpiToScale()
    {
        QFETCH(float, dpi);
        QFETCH(QString, scale);
        // The text main() hands Qt.
        QCOMPARE(QString::number(double(::dpiToScale(dpi)), 'g', 6), scale);
    }

    void withoutADisplayTheDpiIs96()
    {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        float dpi = 0;
        QCOMPARE(computeDpiScale(dpi), 1.0f);
        QCOMPARE(dpi, 96.0f);
        if (!display.isEmpty())
            qputenv("DISPLAY", display);
    }

    void languageTable_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("points");
        QTest::newRow("5 English") << 5 << ":/translations/en-us.qm" << "Calibri" << 11;
        QTest::newRow("7 Russian") << 7 << ":/translations/ru-ru.qm" << "Calibri" << 11;
        QTest::newRow("8 German") << 8 << ":/translations/de-de.qm" << "Calibri" << 11;
        QTest::newRow("11 Portuguese") << 11 << ":/translations/pt-pt.qm" << "Calibri" << 11;
        QTest::newRow("12 Japanese") << 12 << ":/translations/ja-ja.qm" << "Microsoft Yahei" << 9;
        QTest::newRow("14 Chinese, traditional") << 14 << ":/translations/zh-tw.qm" << "Microsoft Yahei" << 9;
        QTest::newRow("15 Yahei") << 15 << ":/translations/mic-remix.qm" << "Microsoft Yahei" << 9;
        QTest::newRow("16 Calibri") << 16 << ":/translations/cal-remix.qm" << "Calibri" << 11;
        QTest::newRow("4 outside: English") << 4 << ":/translations/en-us.qm" << "Calibri" << 11;
        QTest::newRow("17 outside: English") << 17 << ":/translations/en-us.qm" << "Calibri" << 11;
        QTest::newRow("-1 outside: English") << -1 << ":/translations/en-us.qm" << "Calibri" << 11;
    }

    void languageTable()
    {
        QFETCH(int, id);
        QFETCH(QString, file);
        QFETCH(QString, family);
        QFETCH(int, points);
        const LanguageTable::Language language = LanguageTable::language(id);
        QCOMPARE(language.translationFile, file);
        QCOMPARE(language.fontFamily, family);
        QCOMPARE(language.pointSize, points);
    }

    void settingTheCurrentModuleAgainIsSilent()
    {
        ModuleManager *manager = ModuleManager::instance();
        manager->setCurrent(ModuleManager::Home);
        QSignalSpy changed(manager, &ModuleManager::currentChanged);
        manager->setCurrent(ModuleManager::ITunesBackup);
        manager->setCurrent(ModuleManager::ITunesBackup);
        manager->setCurrent(ModuleManager::Home);
        manager->setCurrent(ModuleManager::Home);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.at(0).at(0).value<ModuleManager::ModuleType>(), ModuleManager::ITunesBackup);
        QCOMPARE(changed.at(1).at(0).value<ModuleManager::ModuleType>(), ModuleManager::Home);
        QCOMPARE(manager->current(), ModuleManager::Home);
    }

    void theDefaultPageReleasesADisconnectedDeviceOnce()
    {
        ModuleBaseFrm page;
        QPointer<MobileDeviceObject> device = new MobileDeviceObject;
        QSignalSpy destroyed(device.data(), &QObject::destroyed);
        page.setDeviceDisconnected(device, true);
        QVERIFY(device); // later, from the event loop
        QTRY_VERIFY(!device);
        QCOMPARE(destroyed.size(), 1);
        page.setDeviceDisconnected(nullptr, false); // nothing to release
        QVERIFY(page.quit());
    }

    void theRegistryGivesEmptyPagesForUnregisteredSlots()
    {
        ModuleRegistry *registry = ModuleRegistry::instance();
        registry->unregisterPage(ModuleRegistry::ICloud);
        QVERIFY(!registry->isRegistered(ModuleRegistry::ICloud));
        QScopedPointer<ModuleBaseFrm> empty(registry->createPage(ModuleRegistry::ICloud));
        QCOMPARE(empty->metaObject(), &ModuleBaseFrm::staticMetaObject);

        QWidget *wiredWindow = nullptr;
        ModuleBaseFrm *wiredPage = nullptr;
        registry->registerPage(ModuleRegistry::ICloud, [] { return new NamedPage; },
                               [&](ModuleBaseFrm *page, QWidget *window) {
                                   wiredPage = page;
                                   wiredWindow = window;
                               });
        QVERIFY(registry->isRegistered(ModuleRegistry::ICloud));
        QScopedPointer<ModuleBaseFrm> named(registry->createPage(ModuleRegistry::ICloud));
        QVERIFY(qobject_cast<NamedPage *>(named.data()));
        QWidget window;
        registry->wirePage(ModuleRegistry::ICloud, named.data(), &window);
        QCOMPARE(wiredPage, named.data());
        QCOMPARE(wiredWindow, &window);

        // A factory that gives nothing still gives a page.
        registry->registerPage(ModuleRegistry::ICloud, [] { return static_cast<ModuleBaseFrm *>(nullptr); });
        QScopedPointer<ModuleBaseFrm> fallback(registry->createPage(ModuleRegistry::ICloud));
        QVERIFY(fallback);
        registry->unregisterPage(ModuleRegistry::ICloud);
    }

    void taskbarProgressKeepsItsValueInRange_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("kept");
        QTest::newRow("inside") << 42 << 42;
        QTest::newRow("above") << 150 << 100;
        QTest::newRow("below") << -3 << 0;
    }

    void taskbarProgressKeepsItsValueInRange()
    {
        QFETCH(int, value);
        QFETCH(int, kept);
        TaskbarProgress progress;
        progress.setRange(0, 100);
        progress.setValue(value);
        QCOMPARE(progress.value(), kept);
        QVERIFY(!progress.isVisible());
    }
};

QTEST_MAIN(ShellUnitsTest)
#include "shellunits_test.moc"

#include "messageboxscript.h"
#include "modaldriver.h"
#include "shots.h"
#include "widgetkit.h"
#include "xbusyindicator.h"
#include "ximagebox.h"
#include "xlabel.h"
#include "xmessagebox.h"
#include "xpushbutton.h"

#include <QDesktopServices>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

namespace
{
    const QColor kBlue(85, 138, 248);
    const QColor kWhite(255, 255, 255);

    // The box's own buttons, left to right (the title bar's close button aside).
    QList<XPushButton *> buttonsOf(XMessageBox *box)
    {
        QList<XPushButton *> buttons;
        for (XPushButton *button : box->findChildren<XPushButton *>()) {
            if (button->objectName() != QLatin1String("TitleCloseButton"))
                buttons << button;
        }
        std::sort(buttons.begin(), buttons.end(),
                  [box](XPushButton *a, XPushButton *b) { return a->mapTo(box, QPoint()).x() < b->mapTo(box, QPoint()).x(); });
        return buttons;
    }

    // The body colour of each button in what the box shows.
    QList<QColor> bodiesOf(XMessageBox *box)
    {
        const QImage image = box->grab().toImage();
        QList<QColor> bodies;
        for (XPushButton *button : buttonsOf(box))
            bodies << QColor(image.pixel(button->mapTo(box, QPoint(8, button->height() / 2))));
        return bodies;
    }

    XLabel *messageLabelOf(XMessageBox *box)
    {
        for (XLabel *label : box->findChildren<XLabel *>()) {
            if (label->wordWrap())
                return label;
        }
        return nullptr;
    }

    void clickLink(XMessageBox *box)
    {
        XLabel *label = messageLabelOf(box);
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->contentsRect().left() + 8, label->height() / 2));
    }
}

// Stands in for the system's browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

class XMessageBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initWidgetKit(); }

    void cleanup()
    {
        QCOMPARE(ModalDriver::pending(), 0);
        ModalDriver::clear();
        QVERIFY(!QApplication::activeModalWidget());
    }

    void onlyTheDefaultButtonIsFilled_data()
    {
        QTest::addColumn<int>("defaultId");
        QTest::addColumn<QList<QColor>>("bodies");
        QTest::newRow("default 2 of 3") << 2 << QList<QColor> {kWhite, kBlue, kWhite};
        QTest::newRow("default 1") << 1 << QList<QColor> {kBlue, kWhite, kWhite};
        QTest::newRow("default 0: none") << 0 << QList<QColor> {kWhite, kWhite, kWhite};
        QTest::newRow("default -1: none") << -1 << QList<QColor> {kWhite, kWhite, kWhite};
        QTest::newRow("default past the end: none") << 4 << QList<QColor> {kWhite, kWhite, kWhite};
    }

    void onlyTheDefaultButtonIsFilled()
    {
        QFETCH(int, defaultId);
        QFETCH(QList<QColor>, bodies);
        QList<QColor> seen;
        QList<int> ids;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            seen = bodiesOf(box);
            for (XPushButton *button : buttonsOf(box))
                ids << button->property("id").toInt();
            QVERIFY(ModalDriver::clickButton(box, QStringLiteral("Three")));
        });
        const int answer = XMessageBox::question(nullptr, QString(), QStringLiteral("Pick one."),
                                                 {QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")},
                                                 defaultId);
        QCOMPARE(answer, 3);
        QCOMPARE(seen, bodies);
        QCOMPARE(ids, (QList<int> {1, 2, 3}));
    }

    void eachButtonAnswersItsPosition_data()
    {
        QTest::addColumn<QString>("click");
        QTest::addColumn<int>("answer");
        QTest::newRow("first") << "Cancel" << 1;
        QTest::newRow("second") << "OK" << 2;
    }

    void eachButtonAnswersItsPosition()
    {
        QFETCH(QString, click);
        QFETCH(int, answer);
        ModalDriver::onNext<XMessageBox>([click](XMessageBox *box) { QVERIFY(ModalDriver::clickButton(box, click)); });
        QCOMPARE(XMessageBox::warning(nullptr, QString(), QStringLiteral("Your device is disconnected, please reconnect."),
                                      {QStringLiteral("Cancel"), QStringLiteral("OK")}, 2),
                 answer);
    }

    void closingAnswersZero_data()
    {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("escape");
        QTest::newRow("close button") << QStringList {QStringLiteral("OK")} << false;
        QTest::newRow("no buttons: close button") << QStringList() << false;
        QTest::newRow("Escape key") << QStringList {QStringLiteral("OK")} << true;
    }

    void closingAnswersZero()
    {
        QFETCH(QStringList, buttons);
        QFETCH(bool, escape);
        int closed = 0;
        int count = -1;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            count = buttonsOf(box).size();
            connect(box, &XMessageBox::closed, box, [&closed] { ++closed; });
            if (escape)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                QVERIFY(ModalDriver::clickButton(box, QStringLiteral("Close")));
        });
        QCOMPARE(XMessageBox::information(nullptr, QString(), QStringLiteral("Notice"), buttons), 0);
        QCOMPARE(count, buttons.size());
        QCOMPARE(closed, escape ? 0 : 1);
    }

    void aLinkAnswers255()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        ModalDriver::onNext<XMessageBox>([](XMessageBox *box) { clickLink(box); });
        const int answer = XMessageBox::information(
            nullptr, QString(), QStringLiteral("<a href=\"https://help.example.test/faq\">Help</a>"),
            {QStringLiteral("OK")}, 1, false);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(answer, XMessageBox::LinkClicked);
        QVERIFY(catcher.opened.isEmpty());
    }

    void withLinksOnTheLinkOpensAndTheBoxStays()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        bool stayed = false;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            clickLink(box);
            QCoreApplication::processEvents();
            stayed = box->isVisible();
            QVERIFY(ModalDriver::clickButton(box, QStringLiteral("OK")));
        });
        const int answer = XMessageBox::information(
            nullptr, QString(), QStringLiteral("<a href=\"https://help.example.test/faq\">Help</a>"),
            {QStringLiteral("OK")}, 1, true);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QVERIFY(stayed);
        QCOMPARE(answer, 1);
        QCOMPARE(catcher.opened, (QList<QUrl> {QUrl(QStringLiteral("https://help.example.test/faq"))}));
    }

    void theBoxIsGoneAfterwards()
    {
        QPointer<XMessageBox> shown;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            shown = box;
            QVERIFY(box->isModal());
            QVERIFY(ModalDriver::clickButton(box, QStringLiteral("OK")));
        });
        QWidget parent;
        XMessageBox::success(&parent, QString(), QStringLiteral("Done"), {QStringLiteral("OK")});
        QVERIFY(shown.isNull());
    }

    void iconKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("image");
        QTest::newRow("none") << 0 << "";
        QTest::newRow("question") << 1 << ":/Images/question.png";
        QTest::newRow("information") << 2 << ":/Images/information.png";
        QTest::newRow("warning: the information image") << 3 << ":/Images/information.png";
        QTest::newRow("small success") << 4 << ":/Images/icon_success_min.png";
        QTest::newRow("success") << 5 << ":/Images/icon_success.png";
        QTest::newRow("unknown kind: no image") << 9 << "";
    }

    void iconKinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, image);
        XMessageBox box;
        box.setIcon(kind);
        QCOMPARE(box.icon(), kind);
        XImageBox *icon = box.findChildren<XImageBox *>().last();
        QCOMPARE(icon->size(), QSize(50, 50)); // the space stays, image or not
        QVERIFY(!icon->isHidden());
        if (image.isEmpty()) {
            QVERIFY(icon->pixmap().isNull());
        } else {
            QCOMPARE(icon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                     QImage(image).convertToFormat(QImage::Format_ARGB32));
        }
    }

    void kindsLookTheirPart_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("question") << 1 << "question" << "Backing up data, are you sure you want to exit the program?"
                                  << QStringList {"Cancel", "OK"};
        QTest::newRow("information") << 2 << "information" << "Please check your internet connection and try again!"
                                     << QStringList {"OK"};
        QTest::newRow("warning") << 3 << "warning" << "Your device is disconnected, please reconnect."
                                 << QStringList {"Return", "Retry"};
        QTest::newRow("small success") << 4 << "success-small" << "The password was changed." << QStringList {"OK"};
        QTest::newRow("success") << 5 << "success"
                                 << "Recovered 1,204 files. <a href=\"https://help.example.test\">Open the folder</a>"
                                 << QStringList {"Close", "Open"};
    }

    void kindsLookTheirPart()
    {
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QStringList, buttons);
        QString shot;
        QSize size;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            size = box->size();
            shot = saveShot(box, QStringLiteral("messagebox-") + name);
            QVERIFY(ModalDriver::clickButton(box, buttons.last()));
        });
        QCOMPARE(XMessageBox::showMessage(nullptr, kind, QString(), text, buttons, buttons.size()), buttons.size());
        QVERIFY(!shot.isEmpty());
        QVERIFY(size.width() >= 540 && size.width() <= 600);
        QVERIFY(size.height() >= 240 && size.height() <= 290);
    }

    void aLongButtonTextWidensItsButton()
    {
        XMessageBox box;
        box.setButtons({QStringLiteral("OK"), QStringLiteral("Download the newest version now")}, 2);
        const QList<XPushButton *> buttons = buttonsOf(&box);
        QCOMPARE(buttons.size(), 2);
        QCOMPARE(buttons.at(0)->minimumWidth(), 120);
        QVERIFY(buttons.at(1)->minimumWidth() > 120);
        QCOMPARE(buttons.at(1)->font().pixelSize(), 15);
    }

    void aLongTextMakesTheBoxTallerInsteadOfCuttingIt_data()
    {
        QTest::addColumn<int>("sentences");
        QTest::newRow("short: the usual size") << 1;
        QTest::newRow("longer than the usual size allows") << 12;
    }

    void aLongTextMakesTheBoxTallerInsteadOfCuttingIt()
    {
        QFETCH(int, sentences);
        int shownHeight = 0;
        int textHeight = 0;
        int boxHeight = 0;
        ModalDriver::onNext<XMessageBox>([&](XMessageBox *box) {
            XLabel *label = messageLabelOf(box);
            shownHeight = label->height();
            textHeight = label->heightForWidth(label->width());
            boxHeight = box->height();
            ModalDriver::clickButton(box, QStringLiteral("OK"));
        });
        const QString text = QStringLiteral("Die gelöschten Daten werden leicht überschrieben. ").repeated(sentences);
        XMessageBox::success(nullptr, QString(), text, {QStringLiteral("OK")});
        QVERIFY2(textHeight > 0 && shownHeight >= textHeight,
                 qPrintable(QStringLiteral("%1 px for %2 px of text").arg(shownHeight).arg(textHeight)));
        QVERIFY(boxHeight >= 240);
    }

    void buttonsAreOnlyAdded()
    {
        XMessageBox box;
        box.setButtons({QStringLiteral("A"), QStringLiteral("B")}, 1);
        box.setButtons({}, 2); // an empty list changes nothing, the default id neither
        QCOMPARE(box.defaultId(), 1);
        box.setButtons({QStringLiteral("C")}, 1);
        QCOMPARE(buttonsOf(&box).size(), 3);
        QCOMPARE(buttonsOf(&box).last()->property("id").toInt(), 1);
    }

    void theTextIsRichTheTitlePlain()
    {
        ModalDriver::onNext<XMessageBox>([](XMessageBox *box) {
            QCOMPARE(messageLabelOf(box)->textFormat(), Qt::RichText);
            QCOMPARE(box->text(), QStringLiteral("<b>Photos</b> &amp; videos"));
            for (XLabel *label : box->findChildren<XLabel *>()) {
                if (label != messageLabelOf(box))
                    QCOMPARE(label->textFormat(), Qt::PlainText);
            }
            QCOMPARE(box->windowTitle(), QStringLiteral("<i>Title</i>"));
            QVERIFY(ModalDriver::clickButton(box, QStringLiteral("OK")));
        });
        XMessageBox::question(nullptr, QStringLiteral("<i>Title</i>"), QStringLiteral("<b>Photos</b> &amp; videos"),
                              {QStringLiteral("OK")});
    }

    void loadingForm()
    {
        XMessageBox box;
        box.showLoading(QStringLiteral("Working"), QStringLiteral("Getting the backup list..."),
                        {QStringLiteral("Cancel")});
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(!box.isModal());
        auto *busy = box.findChild<XBusyIndicator *>();
        QVERIFY(busy->isVisible());
        QVERIFY(busy->isRunning());
        QCOMPARE(busy->image().size(), QSize(49, 49));
        QVERIFY(box.findChildren<XImageBox *>().last()->isHidden());
        QVERIFY(box.findChild<XPushButton *>(QStringLiteral("TitleCloseButton"))->parentWidget()->isHidden());
        QCOMPARE(buttonsOf(&box).size(), 1);
        QCOMPARE(box.defaultId(), 1);
        QVERIFY(!saveShot(&box, QStringLiteral("messagebox-loading")).isEmpty());
    }

    void scriptedBoxesAnswerInOrder()
    {
        MessageBoxScript script({2, 1});
        QCOMPARE(XMessageBox::question(nullptr, QString(), QStringLiteral("First?"),
                                       {QStringLiteral("Cancel"), QStringLiteral("OK")}, 2),
                 2);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(XMessageBox::warning(nullptr, QStringLiteral("T"), QStringLiteral("Second"), {QStringLiteral("OK")}), 1);
        const QList<XMessageBox::Shown> shown = script.shown();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).kind, int(XMessageBox::Question));
        QCOMPARE(shown.at(0).text, QStringLiteral("First?"));
        QCOMPARE(shown.at(0).buttons, (QStringList {QStringLiteral("Cancel"), QStringLiteral("OK")}));
        QCOMPARE(shown.at(0).defaultId, 2);
        QCOMPARE(shown.at(1).kind, int(XMessageBox::Warning));
        QCOMPARE(shown.at(1).title, QStringLiteral("T"));
        QCOMPARE(shown.at(1).defaultId, 1);
        QCOMPARE(shown.at(1).answer, 1);
    }

    void theScriptCountsWhatIsLeft()
    {
        XMessageBox::scriptAnswers({3, 4});
        QVERIFY(XMessageBox::isScripted());
        QCOMPARE(XMessageBox::information(nullptr, QString(), QStringLiteral("A"), {QStringLiteral("OK")}), 3);
        XMessageBox::ScriptEnd end = XMessageBox::endScript();
        QCOMPARE(end.unusedAnswers, QList<int> {4});
        QCOMPARE(end.unexpectedBoxes, 0);

        XMessageBox::scriptAnswers({});
        QCOMPARE(XMessageBox::information(nullptr, QString(), QStringLiteral("B"), {QStringLiteral("OK")}), 0);
        const QList<XMessageBox::Shown> shown = XMessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY(!shown.first().scripted);
        end = XMessageBox::endScript();
        QCOMPARE(end.unexpectedBoxes, 1);
        QVERIFY(!XMessageBox::isScripted());
    }
};

QTEST_MAIN(XMessageBoxTest)
#include "xmessagebox_test.moc"

#include "shots.h"
#include "vxkwidget.h"
#include "widgetkit.h"
#include "xbusyindicator.h"
#include "xcombobox.h"
#include "xdiybtn.h"
#include "ximagebox.h"
#include "xlabel.h"
#include "xlineedit.h"
#include "xprogressbar.h"

#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QListView>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

namespace
{
    // One tick of the indicator's own timer.
    void tick(XBusyIndicator *indicator)
    {
        QTimer *timer = indicator->findChild<QTimer *>();
        QVERIFY(timer);
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
    }

    QColor shadowOf(QWidget *card)
    {
        auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(card->graphicsEffect());
        return effect ? effect->color() : QColor();
    }
}

// A page that counts what its flow calls.
class CountingPage : public VxkWidget
{
    Q_OBJECT

public:
    QStringList calls;
    void setInit() override { calls << "setInit"; }
    void resetUI() override { calls << "resetUI"; }
};

class XControlsTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString picture(const QString &name, const QColor &color, const QSize &size = QSize(20, 20),
                    QImage::Format format = QImage::Format_ARGB32)
    {
        const QString path = m_dir.filePath(name);
        if (!QFile::exists(path)) {
            QImage image(size, format);
            image.fill(format == QImage::Format_Mono ? 0 : color.rgba());
            image.save(path, "PNG");
        }
        return path;
    }

    QString garbage()
    {
        const QString path = m_dir.filePath("garbage.png");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("not a picture at all");
        return path;
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        QVERIFY(m_dir.isValid());
    }

    void busyIndicatorTurnsInTwentyDegreeSteps()
    {
        XBusyIndicator indicator;
        QCOMPARE(indicator.angle(), 0);
        QList<int> angles;
        for (int i = 0; i < 20; ++i) {
            tick(&indicator);
            angles << indicator.angle();
        }
        QCOMPARE(angles, (QList<int> {20, 40, 60, 80, 100, 120, 140, 160, 180, 200, 220, 240, 260, 280, 300, 320,
                                      340, 360, 20, 40}));
    }

    void busyIndicatorStartsAndStops()
    {
        QWidget parent;
        auto *indicator = new XBusyIndicator(&parent);
        auto *sibling = new QWidget(&parent);
        QVERIFY(indicator->isHidden());
        indicator->start();
        QVERIFY(indicator->isRunning());
        QVERIFY(!indicator->isHidden());
        QCOMPARE(indicator->findChild<QTimer *>()->interval(), 20);
        QCOMPARE(parent.children().last(), indicator); // raised when it was hidden

        sibling->raise();
        indicator->start(50); // already visible: not raised again
        QCOMPARE(parent.children().last(), sibling);
        QCOMPARE(indicator->findChild<QTimer *>()->interval(), 50);

        indicator->stop();
        QVERIFY(indicator->isHidden());
        QVERIFY(!indicator->isRunning());
    }

    void busyIndicatorScalesToFit()
    {
        XBusyIndicator indicator;
        indicator.resize(31, 31);
        indicator.setImage(QStringLiteral(":/Images/loading.png"), true);
        QCOMPARE(indicator.image().size(), QSize(30, 30));
        indicator.start(); // shown: resizes reach it at once
        indicator.resize(21, 41);
        QCOMPARE(indicator.image().size(), QSize(20, 20));
        XBusyIndicator unscaled;
        unscaled.resize(31, 31);
        unscaled.setImage(QStringLiteral(":/Images/loading.png"));
        QCOMPARE(unscaled.image().size(), QSize(50, 50));
    }

    void comboBoxIgnoresTheWheel()
    {
        QScrollArea area;
        auto *page = new QWidget;
        page->setMinimumHeight(2000);
        auto *combo = new XComboBox(page);
        combo->addItems({"one", "two", "three"});
        combo->setCurrentIndex(1);
        area.setWidget(page);
        area.resize(200, 200);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QWheelEvent wheel(QPointF(5, 5), combo->mapToGlobal(QPoint(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(area.verticalScrollBar()->value(), 0);
        QVERIFY(qobject_cast<QListView *>(combo->view()));
    }

    void imageBoxKeepsItsImageOnBadInput_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing file") << m_dir.filePath("none.png");
        QTest::newRow("not a picture") << garbage();
        QTest::newRow("over 64 megapixels") << picture("huge.png", Qt::black, QSize(8200, 8200), QImage::Format_Mono);
    }

    void imageBoxKeepsItsImageOnBadInput()
    {
        QFETCH(QString, path);
        XImageBox box;
        box.resize(40, 40);
        box.setImage(picture("red.png", Qt::red), false);
        const qint64 key = box.pixmap().cacheKey();
        QCOMPARE(box.pixmap().size(), QSize(20, 20));
        box.setImage(path, true);
        QCOMPARE(box.pixmap().cacheKey(), key);
        QVERIFY(!box.isStretch());
    }

    void imageBoxReadsByContent()
    {
        // A PNG under another name still loads.
        const QString path = m_dir.filePath("picture.dat");
        QFile::copy(picture("green.png", Qt::green), path);
        XImageBox box;
        box.resize(40, 40);
        box.setImage(path, true);
        QVERIFY(box.isStretch());
        QCOMPARE(box.pixmap().size(), QSize(40, 40)); // read at the box's size
    }

    void imageBoxPaints_data()
    {
        QTest::addColumn<bool>("round");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<double>("border");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("expected");
        const QColor none;
        QTest::newRow("centred: the middle") << false << false << 0.0 << QPoint(20, 20) << QColor(Qt::red);
        QTest::newRow("centred: the edge is empty") << false << false << 0.0 << QPoint(3, 3) << none;
        QTest::newRow("stretched: the edge") << false << true << 0.0 << QPoint(3, 3) << QColor(Qt::red);
        QTest::newRow("round: a corner is clipped") << true << false << 0.0 << QPoint(2, 2) << none;
        QTest::newRow("round: the middle") << true << false << 0.0 << QPoint(20, 20) << QColor(Qt::red);
        QTest::newRow("border outline") << false << false << 2.0 << QPoint(2, 20) << QColor(Qt::blue);
    }

    void imageBoxPaints()
    {
        QFETCH(bool, round);
        QFETCH(bool, stretch);
        QFETCH(double, border);
        QFETCH(QPoint, at);
        QFETCH(QColor, expected);
        QWidget frame;
        frame.setStyleSheet(QStringLiteral("background: white;"));
        auto *box = new XImageBox(&frame);
        box->setGeometry(0, 0, 40, 40);
        box->setImage(picture("red.png", Qt::red));
        box->setRound(round);
        box->setStretch(stretch);
        box->setBorder(border, Qt::blue);
        frame.resize(40, 40);
        const QColor pixel(frame.grab().toImage().pixel(at));
        if (expected.isValid())
            QCOMPARE(pixel, expected);
        else
            QCOMPARE(pixel, QColor(Qt::white));
    }

    void diyButtonReleaseRules_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checkedBefore");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("inside");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("checkChanged");
        QTest::addColumn<bool>("checkedAfter");
        QTest::newRow("left inside: checks and clicks") << true << false << int(Qt::LeftButton) << true << 1 << 1 << true;
        QTest::newRow("left inside, already checked: only clicked") << true << true << int(Qt::LeftButton) << true << 1 << 0 << true;
        QTest::newRow("left outside: nothing") << true << false << int(Qt::LeftButton) << false << 0 << 0 << false;
        QTest::newRow("right inside: nothing") << true << false << int(Qt::RightButton) << true << 0 << 0 << false;
        QTest::newRow("disabled: nothing") << false << false << int(Qt::LeftButton) << true << 0 << 0 << false;
    }

    void diyButtonReleaseRules()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, checkedBefore);
        QFETCH(int, button);
        QFETCH(bool, inside);
        QFETCH(int, clicked);
        QFETCH(int, checkChanged);
        QFETCH(bool, checkedAfter);
        XDiyBtn card;
        card.resize(160, 200);
        card.setChecked(checkedBefore);
        card.setEnabled(enabled);
        QSignalSpy clicks(&card, &XDiyBtn::clicked);
        QSignalSpy changes(&card, &XDiyBtn::checkChanged);
        QTest::mousePress(&card, Qt::MouseButton(button), {}, QPoint(80, 100));
        QCOMPARE(card.isPressed(), enabled);
        QTest::mouseRelease(&card, Qt::MouseButton(button), {}, inside ? QPoint(80, 100) : QPoint(300, 100));
        QCOMPARE(clicks.count(), clicked);
        QCOMPARE(changes.count(), checkChanged);
        QCOMPARE(card.isChecked(), checkedAfter);
    }

    void diyButtonSignalsCheckBeforeItChanges()
    {
        XDiyBtn card;
        bool checkedWhenSignalled = true;
        connect(&card, &XDiyBtn::checkChanged, this, [&] { checkedWhenSignalled = card.isChecked(); });
        card.setChecked(true);
        QVERIFY(!checkedWhenSignalled);
        QSignalSpy changes(&card, &XDiyBtn::checkChanged);
        card.setChecked(true);
        QCOMPARE(changes.count(), 0);
    }

    void diyButtonLooks()
    {
        XDiyBtn card;
        card.resize(160, 200);
        QWidget *face = card.findChild<QWidget *>(QStringLiteral("shadowWidget"));
        QVERIFY(face);
        QCOMPARE(shadowOf(face), QColor(200, 200, 200));
        QVERIFY(face->styleSheet().contains("rgb(255,255,255)"));
        QSignalSpy entered(&card, &XDiyBtn::entered);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&card, &enter);
        QCOMPARE(entered.count(), 1);
        QCOMPARE(shadowOf(face), QColor(111, 227, 165));
        QCOMPARE(card.layout()->contentsMargins(), QMargins(5, 5, 5, 5));
        QSignalSpy leaved(&card, &XDiyBtn::leaved);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&card, &leave);
        QCOMPARE(leaved.count(), 1);
        QCOMPARE(shadowOf(face), QColor(200, 200, 200));
        QCOMPARE(card.layout()->contentsMargins(), QMargins(10, 10, 10, 10));
        card.setChecked(true);
        QCOMPARE(shadowOf(face), QColor(111, 227, 165));
        QVERIFY(face->styleSheet().contains("rgb(229,245,242)"));
    }

    void diyButtonImageAndText()
    {
        XDiyBtn card;
        card.setImage(picture("blue.png", Qt::blue, QSize(64, 64)), QSize(48, 48));
        auto *image = card.findChild<XImageBox *>();
        QCOMPARE(image->size(), QSize(48, 48));
        QCOMPARE(image->pixmap().size(), QSize(64, 64));
        card.setImage(picture("huge.png", Qt::black, QSize(8200, 8200), QImage::Format_Mono));
        QCOMPARE(image->pixmap().size(), QSize(64, 64)); // too large: kept
        card.setText(QStringLiteral("<b>Photos</b>"));
        QCOMPARE(card.text(), QStringLiteral("<b>Photos</b>"));
        QCOMPARE(card.findChild<XLabel *>()->textFormat(), Qt::PlainText);
    }

    void progressBarLabel_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("label");
        QTest::newRow("45 of 100") << 0 << 100 << 45 << 45 << "45.0%";
        QTest::newRow("above the maximum") << 0 << 100 << 150 << 100 << "100.0%";
        QTest::newRow("one of three") << 0 << 3 << 1 << 1 << "33.3%";
        QTest::newRow("maximum 0") << 0 << 0 << 0 << 0 << "0.0%";
        QTest::newRow("maximum equals minimum") << 5 << 5 << 5 << 5 << "0.0%";
        QTest::newRow("maximum below minimum") << 10 << 5 << 12 << 10 << "0.0%";
    }

    void progressBarLabel()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, value);
        QFETCH(int, stored);
        QFETCH(QString, label);
        XProgressBar bar;
        QCOMPARE(bar.labelText(), QStringLiteral("0.0%"));
        bar.setRange(minimum, maximum);
        bar.setValue(value);
        QCOMPARE(bar.labelText(), label);
        QCOMPARE(bar.value(), stored);
    }

    void progressBarForwardsValueChanges()
    {
        XProgressBar bar;
        QSignalSpy changes(&bar, &XProgressBar::valueChanged);
        bar.setValue(30);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes.first().first().toInt(), 30);
        bar.setLabelVisible(false);
        bar.show();
        QVERIFY(!bar.findChild<QLabel *>()->isVisible());
    }

    void labelSetters()
    {
        XLabel label(QStringLiteral("Text"));
        label.setFont(14, true);
        QCOMPARE(label.font().pointSize(), 14);
        QCOMPARE(label.font().weight(), int(QFont::Bold));
        label.setBold(false);
        QCOMPARE(label.font().weight(), int(QFont::Normal));
        label.setPointSize(9);
        QCOMPARE(label.font().pointSize(), 9);
        label.setTextColor(QColor(1, 2, 3));
        QCOMPARE(label.palette().color(QPalette::Inactive, QPalette::WindowText), QColor(1, 2, 3));
        QCOMPARE(label.palette().color(QPalette::Disabled, QPalette::WindowText), QColor(1, 2, 3));
    }

    void pageOperationsAreInvokable()
    {
        CountingPage page;
        VxkWidget *base = &page;
        QVERIFY(QMetaObject::invokeMethod(base, "setInit"));
        QVERIFY(QMetaObject::invokeMethod(base, "resetUI"));
        QVERIFY(QMetaObject::invokeMethod(base, "setDestroy"));
        QCOMPARE(page.calls, (QStringList {"setInit", "resetUI"}));
        const QMetaObject &meta = VxkWidget::staticMetaObject;
        QCOMPARE(meta.method(meta.methodOffset()).name(), QByteArray("setInit"));
        QCOMPARE(meta.method(meta.methodOffset() + 1).name(), QByteArray("setDestroy"));
        QCOMPARE(meta.method(meta.methodOffset() + 2).name(), QByteArray("resetUI"));
        VxkWidget plain; // the base's own operations do nothing
        QVERIFY(QMetaObject::invokeMethod(&plain, "setInit"));
    }

    void shots()
    {
        QWidget page;
        page.setObjectName(QStringLiteral("page"));
        page.setStyleSheet(QStringLiteral("QWidget#page { background: #F5F7FB; }"));
        auto *layout = new QVBoxLayout(&page);
        auto *cards = new QHBoxLayout;
        auto *plain = new XDiyBtn;
        plain->setImage(QStringLiteral(":/ATIcon/default_Persion.png"), QSize(64, 64));
        plain->setText(QStringLiteral("Contacts"));
        plain->setFixedSize(160, 200);
        auto *checked = new XDiyBtn;
        checked->setImage(QStringLiteral(":/ATIcon/default_Group.png"), QSize(64, 64));
        checked->setText(QStringLiteral("Groups"));
        checked->setChecked(true);
        checked->setFixedSize(160, 200);
        cards->addWidget(plain);
        cards->addWidget(checked);
        auto *busy = new XBusyIndicator;
        busy->setFixedSize(50, 50);
        busy->setImage(QStringLiteral(":/Images/loading.png"), true);
        cards->addWidget(busy);
        cards->addStretch();
        layout->addLayout(cards);
        auto *bar = new XProgressBar;
        bar->setValue(45);
        layout->addWidget(bar);
        auto *edit = new XLineEdit;
        edit->setPlaceholderText(QStringLiteral("Search"));
        layout->addWidget(edit);
        auto *combo = new XComboBox;
        combo->addItems({QStringLiteral("English"), QStringLiteral("Deutsch")});
        layout->addWidget(combo);
        page.resize(560, 380);
        page.show();
        busy->start();
        tick(busy);
        tick(busy);
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(!saveShot(&page, QStringLiteral("small-controls")).isEmpty());
    }
};

QTEST_MAIN(XControlsTest)
#include "xcontrols_test.moc"

#include "shots.h"
#include "widgetkit.h"
#include "xpushbutton.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLinearGradient>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(QList<QColor>)

namespace
{
    // The pixel at (x, y) of what the widget paints.
    QColor pixelOf(QWidget *widget, int x, int y)
    {
        return QColor(widget->grab().toImage().pixel(x, y));
    }

    QGradient solid(const QColor &color)
    {
        QLinearGradient gradient(0, 0, 1, 0);
        gradient.setCoordinateMode(QGradient::ObjectMode);
        gradient.setColorAt(0, color);
        gradient.setColorAt(1, color);
        return gradient;
    }

    // Whether some pixel inside area is within a few steps of color.
    bool hasColorIn(const QImage &image, const QRect &area, const QColor &color)
    {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c(image.pixel(x, y));
                if (qAbs(c.red() - color.red()) < 24 && qAbs(c.green() - color.green()) < 24
                    && qAbs(c.blue() - color.blue()) < 24)
                    return true;
            }
        }
        return false;
    }
}

class XPushButtonTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString picture(const QString &name, const QColor &color, const QSize &size = QSize(20, 20))
    {
        const QString path = m_dir.filePath(name + QStringLiteral(".png"));
        QImage image(size, QImage::Format_ARGB32);
        image.fill(color);
        image.save(path);
        return path;
    }

private slots:
    void initTestCase()
    {
        initWidgetKit();
        QVERIFY(m_dir.isValid());
    }

    void stateColours_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("highlighted");
        QTest::addColumn<QColor>("body");
        QTest::addColumn<QColor>("text");
        const QColor white(255, 255, 255), black(0, 0, 0);
        QTest::newRow("fresh: white body, black text") << 0 << true << false << 0 << false << white << black;
        QTest::newRow("disabled: light grey, white text") << 0 << false << false << 0 << false << QColor(216, 216, 216) << white;
        QTest::newRow("hovered") << 0 << true << false << 1 << false << QColor(204, 204, 204) << black;
        QTest::newRow("highlighted paints as hovered") << 0 << true << false << 0 << true << QColor(204, 204, 204) << black;
        QTest::newRow("pressed") << 0 << true << false << 2 << false << QColor(170, 170, 170) << black;
        QTest::newRow("checked uses the hover colours") << 0 << true << true << 0 << false << QColor(204, 204, 204) << black;
        QTest::newRow("checked and pressed: still hover") << 0 << true << true << 2 << false << QColor(204, 204, 204) << black;
        QTest::newRow("icon mode paints the colours too") << 5 << true << false << 2 << false << QColor(170, 170, 170) << black;
        QTest::newRow("gradients without four stored: colours") << 6 << true << false << 0 << false << white << black;
    }

    void stateColours()
    {
        QFETCH(int, mode);
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        QFETCH(int, state);
        QFETCH(bool, highlighted);
        QFETCH(QColor, body);
        QFETCH(QColor, text);

        XPushButton button;
        button.resize(120, 40);
        button.setFontPixelSize(20);
        button.setText(QStringLiteral("MMMM"));
        button.setPaintMode(mode);
        button.setCheckable(checked);
        button.setChecked(checked);
        button.setEnabled(enabled);
        button.setState(state);
        button.setHighlighted(highlighted);

        const QImage image = button.grab().toImage();
        QCOMPARE(QColor(image.pixel(6, 20)), body);
        QVERIFY2(hasColorIn(image, QRect(35, 10, 50, 20), text), "the text is drawn in its state's colour");
    }

    void gradientsFollowTheState_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("index");
        QTest::newRow("normal") << true << false << 0 << 0;
        QTest::newRow("hovered") << true << false << 1 << 1;
        QTest::newRow("pressed") << true << false << 2 << 2;
        QTest::newRow("checked uses the pressed gradient") << true << true << 0 << 2;
        QTest::newRow("disabled") << false << false << 0 << 3;
    }

    void gradientsFollowTheState()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, checked);
        QFETCH(int, state);
        QFETCH(int, index);
        const QList<QColor> colors {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        XPushButton button;
        button.resize(60, 30);
        button.setGradients({solid(colors[0]), solid(colors[1]), solid(colors[2]), solid(colors[3])});
        button.setPaintMode(XPushButton::GradientMode);
        button.setCheckable(checked);
        button.setChecked(checked);
        button.setEnabled(enabled);
        button.setState(state);
        QCOMPARE(pixelOf(&button, 30, 15), colors[index]);
    }

    void gradientListsFillFourStates_data()
    {
        QTest::addColumn<int>("given");
        QTest::addColumn<QList<int>>("used"); // which given gradient each state paints
        QTest::newRow("one for all") << 1 << QList<int> {0, 0, 0, 0};
        QTest::newRow("two: normal, then the rest") << 2 << QList<int> {0, 1, 1, 1};
        QTest::newRow("three") << 3 << QList<int> {0, 1, 1, 2};
    }

    void gradientListsFillFourStates()
    {
        QFETCH(int, given);
        QFETCH(QList<int>, used);
        const QList<QColor> colors {Qt::red, Qt::green, Qt::blue};
        QList<QGradient> gradients;
        for (int i = 0; i < given; ++i)
            gradients << solid(colors[i]);
        XPushButton button;
        button.resize(60, 30);
        button.setGradients(gradients);
        // Appended: a second short list comes after the first four and is never painted.
        button.setGradients({solid(Qt::black)});
        button.setPaintMode(XPushButton::GradientMode);
        const int states[4][2] = {{1, 0}, {1, 1}, {1, 2}, {0, 0}}; // enabled, state
        for (int i = 0; i < 4; ++i) {
            button.setEnabled(states[i][0]);
            button.setState(0);
            button.setState(states[i][1]);
            QCOMPARE(pixelOf(&button, 30, 15), colors[used[i]]);
        }
    }

    void colourListsMerge_data()
    {
        QTest::addColumn<QList<QColor>>("given");
        QTest::addColumn<QList<QColor>>("stored");
        const QColor w(255, 255, 255), h(204, 204, 204), p(170, 170, 170), dis(216, 216, 216);
        QTest::newRow("one replaces the first") << QList<QColor> {Qt::red} << QList<QColor> {Qt::red, h, p, dis};
        QTest::newRow("three replace three") << QList<QColor> {Qt::red, Qt::green, Qt::blue}
                                             << QList<QColor> {Qt::red, Qt::green, Qt::blue, dis};
        QTest::newRow("five: the first four")
            << QList<QColor> {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta}
            << QList<QColor> {Qt::red, Qt::green, Qt::blue, Qt::cyan};
        QTest::newRow("none changes nothing") << QList<QColor> {} << QList<QColor> {w, h, p, dis};
    }

    void colourListsMerge()
    {
        QFETCH(QList<QColor>, given);
        QFETCH(QList<QColor>, stored);
        XPushButton button;
        button.setBackgroundColors(given);
        QCOMPARE(button.backgroundColors(), stored);
        // The border follows the background...
        QCOMPARE(button.borderColors(), stored);
        // ...until it is given colours of its own.
        button.setBorderColors({Qt::black});
        QCOMPARE(button.borderColors().first(), QColor(Qt::black));
        QCOMPARE(button.backgroundColors(), stored);
    }

    void aBlueBackgroundGivesABlueBorder()
    {
        const QColor blue(85, 138, 248);
        XPushButton button;
        button.resize(80, 40);
        button.setBorderWidth(4);
        button.setBackgroundColors({blue, blue, blue, blue});
        button.setAllTextColor(Qt::white);
        QCOMPARE(pixelOf(&button, 2, 20), blue);
        button.setBorderColors({Qt::red});
        QCOMPARE(pixelOf(&button, 2, 20), QColor(Qt::red));
        QCOMPARE(pixelOf(&button, 10, 20), blue);
    }

    void aZeroBorderDrawsNoLine()
    {
        XPushButton button;
        button.resize(80, 40);
        button.setBorderWidth(0);
        button.setAllBorderColor(Qt::red);
        const QImage image = button.grab().toImage();
        QVERIFY(!hasColorIn(image, image.rect(), Qt::red));
    }

    void narrowButtonsGrowForTheirText_data()
    {
        QTest::addColumn<int>("spare"); // button width minus text width
        QTest::addColumn<bool>("grows");
        QTest::newRow("10 px to spare: grows") << 10 << true;
        QTest::newRow("text wider than the button: grows") << -30 << true;
        QTest::newRow("exactly 20 px to spare: unchanged") << 20 << false;
        QTest::newRow("30 px to spare: unchanged") << 30 << false;
    }

    void narrowButtonsGrowForTheirText()
    {
        QFETCH(int, spare);
        QFETCH(bool, grows);
        XPushButton button;
        button.setFontPixelSize(15);
        const QString text = QStringLiteral("Recover to computer");
        const int textWidth = QFontMetrics(button.font()).horizontalAdvance(text);
        button.resize(textWidth + spare, 38);
        button.setText(text);
        QCOMPARE(button.minimumWidth(), grows ? textWidth + 20 : 20);
        QCOMPARE(button.text(), text);
    }

    void imageModes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("state");
        QTest::addColumn<QColor>("centre");
        QTest::addColumn<QColor>("corner");
        const QColor normal(Qt::red), hover(Qt::green), pressed(Qt::blue), disabled(Qt::darkGray);
        const QColor none, hoverFill(204, 204, 204), pressFill(170, 170, 170);
        QTest::newRow("one image, resting: no fill") << "one" << true << 0 << normal << none;
        QTest::newRow("one image, hovered: fill behind") << "one" << true << 1 << normal << hoverFill;
        QTest::newRow("one image, pressed: fill behind") << "one" << true << 2 << normal << pressFill;
        QTest::newRow("two, hovered") << "two" << true << 1 << hover << none;
        QTest::newRow("two with fill, hovered") << "two-fill" << true << 1 << hover << hoverFill;
        QTest::newRow("two, hover image missing: the normal one") << "two-missing" << true << 1 << normal << none;
        QTest::newRow("three, pressed") << "three" << true << 2 << pressed << none;
        QTest::newRow("three, hovered") << "three" << true << 1 << hover << none;
        QTest::newRow("four, disabled") << "four" << false << 0 << disabled << none;
        QTest::newRow("four, pressed") << "four" << true << 2 << pressed << none;
    }

    void imageModes()
    {
        QFETCH(QString, how);
        QFETCH(bool, enabled);
        QFETCH(int, state);
        QFETCH(QColor, centre);
        QFETCH(QColor, corner);
        const QString normal = picture("normal", Qt::red);
        const QString hover = picture("hover", Qt::green);
        const QString pressed = picture("pressed", Qt::blue);
        const QString disabled = picture("disabled", Qt::darkGray);

        XPushButton button;
        button.resize(40, 40);
        if (how == "one")
            button.setImage(normal);
        else if (how == "two")
            button.setImages(normal, hover, false);
        else if (how == "two-fill")
            button.setImages(normal, hover, true);
        else if (how == "two-missing")
            button.setImages(normal, m_dir.filePath("none.png"), false);
        else if (how == "three")
            button.setImages(normal, hover, pressed);
        else
            button.setImages(normal, hover, pressed, disabled);
        button.setEnabled(enabled);
        button.setState(state);

        const QImage image = button.grab().toImage();
        QCOMPARE(QColor(image.pixel(20, 20)), centre);
        const QColor around(image.pixel(2, 2));
        if (corner.isValid())
            QCOMPARE(around, corner);
        else
            QVERIFY2(around != QColor(204, 204, 204) && around != QColor(170, 170, 170), "nothing filled behind");
    }

    void aLiteralThirdPathIsAnImage()
    {
        XPushButton button;
        button.setImages(QStringLiteral(":/Images/maintitlebar_close_0.png"),
                         QStringLiteral(":/Images/maintitlebar_close_1.png"), ":/Images/question.png");
        QCOMPARE(button.paintMode(), int(XPushButton::PressedImageMode));
    }

    void theIconSitsLeftOfTheText()
    {
        XPushButton button;
        button.resize(160, 40);
        button.setIcon(picture("icon", Qt::red, QSize(40, 40)), QSize(16, 16), 1, 10);
        QCOMPARE(button.paintMode(), int(XPushButton::IconMode));
        const QImage image = button.grab().toImage();
        QCOMPARE(QColor(image.pixel(15, 20)), QColor(Qt::red)); // scaled to 16 x 16 at x 10
        QCOMPARE(QColor(image.pixel(30, 20)), QColor(255, 255, 255));
    }

    void bottomBandPlacement()
    {
        XPushButton button;
        button.resize(100, 100);
        button.setImage(picture("band", Qt::red));
        button.setTextAlignment(XPushButton::BottomBand);
        button.setAllTextColor(Qt::blue);
        button.setFontPixelSize(14);
        button.setText(QStringLiteral("Photos"));
        const QImage image = button.grab().toImage();
        // The image's top is at (100 - 30) / 2 - 10 = 25.
        QCOMPARE(QColor(image.pixel(50, 26)), QColor(Qt::red));
        QVERIFY(QColor(image.pixel(50, 23)) != QColor(Qt::red));
        QVERIFY(hasColorIn(image, QRect(20, 72, 60, 26), Qt::blue));
        QVERIFY(!hasColorIn(image, QRect(0, 0, 100, 68), Qt::blue));
    }

    void hoverFollowsTheMouse()
    {
        XPushButton button;
        button.resize(80, 40);
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(&button, &enter);
        QCOMPARE(pixelOf(&button, 6, 20), QColor(204, 204, 204));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(&button, &leave);
        QCOMPARE(pixelOf(&button, 6, 20), QColor(255, 255, 255));
    }

    void shots()
    {
        QWidget row;
        row.setObjectName(QStringLiteral("row"));
        row.setStyleSheet(QStringLiteral("QWidget#row { background: #F5F7FB; }"));
        auto *layout = new QHBoxLayout(&row);
        auto add = [layout](XPushButton *button) {
            button->setFixedSize(120, 38);
            layout->addWidget(button);
            return button;
        };
        add(new XPushButton)->setText(QStringLiteral("Normal"));
        XPushButton *hovered = add(new XPushButton);
        hovered->setText(QStringLiteral("Hovered"));
        hovered->setState(1);
        XPushButton *pressed = add(new XPushButton);
        pressed->setText(QStringLiteral("Pressed"));
        pressed->setState(2);
        XPushButton *disabled = add(new XPushButton);
        disabled->setText(QStringLiteral("Disabled"));
        disabled->setEnabled(false);
        XPushButton *filled = add(new XPushButton);
        filled->setBackgroundColors({QColor(85, 138, 248), QColor(68, 121, 231), QColor(44, 97, 207), QColor(226, 226, 226)});
        filled->setAllTextColor(Qt::white);
        filled->setRadius(3);
        filled->setFontPixelSize(15);
        filled->setText(QStringLiteral("OK"));
        XPushButton *outlined = add(new XPushButton);
        outlined->setBackgroundColors({Qt::white, QColor(68, 121, 231), QColor(44, 97, 207), QColor(226, 226, 226)});
        outlined->setTextColors({QColor(85, 138, 248), Qt::white, Qt::white, Qt::white});
        outlined->setBorderColors({QColor(85, 138, 248), QColor(68, 121, 231), QColor(44, 97, 207), QColor(226, 226, 226)});
        outlined->setBorderWidth(2);
        outlined->setRadius(3);
        outlined->setFontPixelSize(15);
        outlined->setText(QStringLiteral("Cancel"));
        XPushButton *icon = add(new XPushButton);
        icon->setIcon(QStringLiteral(":/Images/icon_success.png"), QSize(20, 20));
        icon->setRadius(19);
        icon->setText(QStringLiteral("Done"));
        XPushButton *gradient = add(new XPushButton);
        QLinearGradient blue(0, 0, 1, 0);
        blue.setCoordinateMode(QGradient::ObjectMode);
        blue.setColorAt(0, QColor(85, 138, 248, 120));
        blue.setColorAt(1, QColor(85, 138, 248));
        gradient->setGradients({blue});
        gradient->setPaintMode(XPushButton::GradientMode);
        gradient->setRadius(19);
        gradient->setAllTextColor(Qt::white);
        gradient->setText(QStringLiteral("Gradient"));
        XPushButton *close = new XPushButton;
        close->setFixedSize(25, 25);
        close->setImages(QStringLiteral(":/Images/maintitlebar_close_0.png"),
                         QStringLiteral(":/Images/maintitlebar_close_1.png"), false);
        layout->addWidget(close);
        XPushButton *closeHover = new XPushButton;
        closeHover->setFixedSize(25, 25);
        closeHover->setImages(QStringLiteral(":/Images/maintitlebar_close_0.png"),
                              QStringLiteral(":/Images/maintitlebar_close_1.png"), false);
        closeHover->setState(1);
        layout->addWidget(closeHover);
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QVERIFY(!saveShot(&row, QStringLiteral("button-modes")).isEmpty());
    }
};

QTEST_MAIN(XPushButtonTest)
#include "xpushbutton_test.moc"

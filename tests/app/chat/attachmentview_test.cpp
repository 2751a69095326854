// The chat attachment view: its row of buttons and its four pages.
#include "attachmentheadview.h"
#include "chatfixtures.h"
#include "chatinit.h"
#include "shots.h"
#include "widgetkit.h"

#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using VxLineAttachment::AttachmentHeadView;

namespace
{
    // The colour in the middle of a button's left edge, inside its border.
    QColor fillOf(QPushButton *button)
    {
        const QImage image = button->grab().toImage();
        return image.pixelColor(6, image.height() / 2);
    }
}

class AttachmentViewTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        initChat();
        DeviceData::registerMetaTypes();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    void headButtons()
    {
        AttachmentHeadView head;
        head.resize(700, 62);
        head.show();
        QVERIFY(QTest::qWaitForWindowExposed(&head));
        QStringList texts;
        for (int i = 0; i < AttachmentHeadView::ButtonCount; ++i) {
            texts << head.button(i)->text();
            QCOMPARE(head.button(i)->size(), QSize(128, 32));
            QCOMPARE(head.button(i)->objectName(), QStringLiteral("AttachmentHeadViewButton"));
        }
        QCOMPARE(texts, (QStringList{"Photos", "Videos", "Audios", "Documents"}));
        QCOMPARE(head.height(), 62);
        QCOMPARE(head.currentIndex(), 0);
        QVERIFY(head.button(0)->isChecked());
        QCOMPARE(fillOf(head.button(0)), QColor(QStringLiteral("#558AF8")));
        QCOMPARE(fillOf(head.button(1)), QColor(Qt::white));

        QSignalSpy clicked(&head, &AttachmentHeadView::clickedAttachmentType);
        QTest::mouseClick(head.button(2), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.last().first().toInt(), 2);
        QCOMPARE(head.currentIndex(), 2);
        // Selected once the mouse is up, and only that one.
        QCOMPARE(fillOf(head.button(2)), QColor(QStringLiteral("#558AF8")));
        QCOMPARE(fillOf(head.button(0)), QColor(Qt::white));
        QVERIFY(head.button(2)->isChecked());
        QVERIFY(!head.button(0)->isChecked());

        // The selected one again: it stays selected and says so again.
        QTest::mouseClick(head.button(2), Qt::LeftButton);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.last().first().toInt(), 2);
        QVERIFY(head.button(2)->isChecked());
        QCOMPARE(fillOf(head.button(2)), QColor(QStringLiteral("#558AF8")));
        QVERIFY(!saveShot(&head, QStringLiteral("head")).isEmpty());

        head.setButtonSelected(7, true);
        QCOMPARE(head.currentIndex(), 2);
    }
};

QTEST_MAIN(AttachmentViewTest)
#include "attachmentview_test.moc"

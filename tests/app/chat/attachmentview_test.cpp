// The chat attachment view: its row of buttons and its four pages.
#include "attachmentheadview.h"
#include "attachmenttableview.h"
#include "chatfixtures.h"
#include "chatinit.h"
#include "docsv1tableview.h"
#include "mediav1tableview.h"
#include "shots.h"
#include "widgetkit.h"

#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using VxLineAttachment::AttachmentHeadView;
using ChatFixtures::initChatTests;

Q_DECLARE_METATYPE(QList<int>)

namespace
{
    constexpr int Owner = DeviceData::WhatsAppAttachment;

    QVariant media(const QString &name, int kind, bool deleted = false, int state = 0)
    {
        DeviceData::MediaInfo info;
        info.name = name;
        info.path = QStringLiteral("/nowhere/") + name;
        info.mediaKind = quint16(kind);
        info.deleted = deleted;
        info.finished = true;
        QVariant record = QVariant::fromValue(info);
        DeviceData::setCheckState(record, state);
        return record;
    }

    QVariant document(const QString &name, bool deleted = false, int state = 0)
    {
        DeviceData::DocumentInfo info;
        info.name = name;
        info.path = QStringLiteral("/nowhere/") + name;
        info.sizeText = QStringLiteral("1KB");
        info.deleted = deleted;
        info.finished = true;
        QVariant record = QVariant::fromValue(info);
        DeviceData::setCheckState(record, state);
        return record;
    }

    // The store's attachment lists of the category, by kind.
    void storeAttachments(const QMap<int, QList<QVariant>> &lists)
    {
        for (auto it = lists.cbegin(); it != lists.cend(); ++it)
            DeviceParser::instance()->setSessionRecords(Owner, it.key(), it.value());
    }

    QList<int> recordCounts(AttachmentTableView &view)
    {
        QList<int> counts;
        for (int page = 0; page < 2; ++page)
            counts << static_cast<MediaV1TableView *>(view.page(page))->recordCount();
        for (int page = 2; page < AttachmentTableView::PageCount; ++page)
            counts << static_cast<DocsV1TableView *>(view.page(page))->recordCount();
        return counts;
    }

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
        initChatTests();
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

    void kindsChooseThePage()
    {
        storeAttachments({{DeviceData::ImageKind, {media("a.jpg", 2), media("b.jpg", 2)}},
                          {DeviceData::VideoKind, {media("c.mov", 0)}},
                          {DeviceData::AudioKind, {document("d.m4a")}},
                          {12, {document("e.pdf")}},
                          {7, {document("f.zip")}}});
        AttachmentTableView view(Owner);
        QSignalSpy changed(&view, &AbstractDataView::checkStateChanged);
        // The list handed in is not used: the pages come from the store.
        view.setDataList({media("ignored.jpg", 2)});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(recordCounts(view), (QList<int>{2, 1, 1, 2}));
        // A record of any other kind goes to the documents page.
        view.appendItemByKind(7, document("g.doc"));
        view.appendItemByKind(DeviceData::ImageKind, media("h.jpg", 2));
        view.appendItemByKind(DeviceData::AudioKind, document("i.mp3"));
        QCOMPARE(recordCounts(view), (QList<int>{3, 1, 2, 3}));
        QCOMPARE(AttachmentTableView::pageOfKind(5), 3);
        QCOMPARE(AttachmentTableView::pageOfKind(DeviceData::VideoKind), 1);
        view.setCheckEnabled(true);
        // A tick on the documents page reaches the store's list of its kind.
        view.page(3)->setAllChecked(2, false, true);
        for (int kind : {12, 7})
            for (const QVariant &record : DeviceParser::instance()->sessionRecords(Owner, kind))
                QCOMPARE(DeviceData::checkState(record), 2);
    }

    void combinedCheckState_data()
    {
        QTest::addColumn<QList<int>>("photos");
        QTest::addColumn<QList<int>>("videos");
        QTest::addColumn<int>("state");
        QTest::newRow("photos all ticked, videos none") << QList<int>{2, 2} << QList<int>{0} << 1;
        QTest::newRow("only photos, all ticked") << QList<int>{2, 2} << QList<int>{} << 2;
        QTest::newRow("photos partly") << QList<int>{2, 0} << QList<int>{} << 1;
        QTest::newRow("both all ticked") << QList<int>{2} << QList<int>{2} << 2;
        QTest::newRow("none ticked") << QList<int>{0} << QList<int>{0} << 0;
        QTest::newRow("no records") << QList<int>{} << QList<int>{} << 0;
    }

    void combinedCheckState()
    {
        QFETCH(QList<int>, photos);
        QFETCH(QList<int>, videos);
        QFETCH(int, state);
        QMap<int, QList<QVariant>> lists;
        for (int i = 0; i < photos.size(); ++i)
            lists[DeviceData::ImageKind] << media(QStringLiteral("p%1.jpg").arg(i), 2, false, photos.at(i));
        for (int i = 0; i < videos.size(); ++i)
            lists[DeviceData::VideoKind] << media(QStringLiteral("v%1.mov").arg(i), 0, false, videos.at(i));
        storeAttachments(lists);
        AttachmentTableView view(Owner);
        view.setDataList({});
        QCOMPARE(view.checkState(false), state);
    }

    void countsOfThePageOnShow()
    {
        storeAttachments({{DeviceData::ImageKind, {media("a.jpg", 2), media("b.jpg", 2, true)}},
                          {DeviceData::VideoKind, {media("c.mov", 0), media("d.mov", 0, true), media("e.mov", 0, true)}}});
        AttachmentTableView view(Owner);
        view.resize(900, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setDataList({});
        view.setCheckEnabled(true);
        QSignalSpy counts(&view, &AbstractDataView::indexCountChanged);
        // The videos page, not on show, counts again: nothing is told.
        view.page(1)->setFilterMode(2);
        view.page(1)->search(QStringLiteral("d"));
        QCOMPARE(counts.count(), 0);
        // The photos page on show: its counts are told.
        view.page(0)->search(QStringLiteral("a"));
        QVERIFY(counts.count() > 0);
        counts.clear();

        // Videos chosen: the three counts of that page.
        QTest::mouseClick(view.headView()->button(1), Qt::LeftButton);
        QCOMPARE(view.currentPage(), 1);
        QCOMPARE(counts.count(), 3);
        QCOMPARE(counts.at(0), (QList<QVariant>{0, 3}));
        QCOMPARE(counts.at(1), (QList<QVariant>{1, 1}));
        QCOMPARE(counts.at(2), (QList<QVariant>{2, 2}));
        // The button already chosen, again: the page stays.
        QTest::mouseClick(view.headView()->button(1), Qt::LeftButton);
        QCOMPARE(view.currentPage(), 1);
        QTest::mouseClick(view.headView()->button(0), Qt::LeftButton);
        QCOMPARE(view.currentPage(), 0);
        QTest::qWait(300);
        QVERIFY(!saveShot(&view, QStringLiteral("attachments")).isEmpty());
    }
};

QTEST_MAIN(AttachmentViewTest)
#include "attachmentview_test.moc"

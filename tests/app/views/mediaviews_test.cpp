#include "filtrationdialog.h"
#include "itemroles.h"
#include "mediaitemdelegate.h"
#include "medialistmodel.h"
#include "mediaproxymodel.h"
#include "mediatableview.h"
#include "mediav1tableview.h"
#include "shots.h"
#include "viewfixtures.h"
#include "widgetkit.h"
#include "xlineedit.h"

#include <QAccessible>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace ViewFixtures;

namespace
{
    constexpr int Owner = DeviceData::WhatsAppAttachment;
    const QDateTime reference(QDate(2024, 3, 15), QTime(12, 0), Qt::UTC);

    qint64 daysBefore(qint64 days)
    {
        return reference.toSecsSinceEpoch() - days * 86400;
    }

    // Six records: Beach and Dog existing photos, Party (HEIC) and cat
    // deleted, Clip an existing video, Tape an audio file.
    QList<QVariant> sixMedia()
    {
        return {media("Beach.JPG", DeviceData::ImageKind, QString(), daysBefore(1)),
                media("Party.HEIC", DeviceData::ImageKind, QString(), daysBefore(7), true),
                media("Dog.png", DeviceData::ImageKind, QString(), daysBefore(8)),
                media("cat.jpg", DeviceData::ImageKind, QString(), daysBefore(-1), true),
                media("Clip.MOV", DeviceData::VideoKind, QString(), daysBefore(3)),
                media("Tape.m4a", DeviceData::AudioKind, QString(), daysBefore(10))};
    }

    QList<QVariant> many(int count)
    {
        QList<QVariant> list;
        for (int i = 0; i < count; ++i)
            list << media(QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')), DeviceData::ImageKind,
                          QString(), daysBefore(i % 40), i % 4 == 3);
        return list;
    }

    QStringList shownNames(const QAbstractItemModel *proxy)
    {
        return shownTexts(proxy, 0);
    }

    // One tile painted on white.
    QImage paintTile(const MediaItemDelegate &delegate, const QModelIndex &index, bool hovered = false)
    {
        QImage image(MediaItemDelegate::TileSide, MediaItemDelegate::TileSide, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.state = QStyle::State_Enabled;
        if (hovered)
            option.state |= QStyle::State_MouseOver;
        delegate.paint(&painter, option, index);
        return image;
    }

    QPixmap solid(const QColor &colour)
    {
        QPixmap pixmap(141, 141);
        pixmap.fill(colour);
        return pixmap;
    }

    bool blueish(const QColor &c)
    {
        return c.blue() - c.red() > 60;
    }

    bool reddish(const QColor &c)
    {
        return c.red() - c.green() > 60 && c.red() - c.blue() > 60;
    }

    QAccessibleInterface *tileInterface(QListView *list, int row)
    {
        QAccessibleInterface *grid = QAccessible::queryAccessibleInterface(list);
        if (!grid || !grid->tableInterface())
            return nullptr;
        return grid->tableInterface()->cellAt(row, 0);
    }
}

class MediaViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        DeviceData::registerMetaTypes();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    // The model.

    void pagesFiftyAtATime()
    {
        MediaListModel model;
        model.setDataList(many(120));
        QCOMPARE(model.rowCount(), 50);
        QVERIFY(model.canFetchMore(QModelIndex()));
        QList<int> shown;
        for (int i = 0; i < 3; ++i) {
            model.fetchMore(QModelIndex());
            shown << model.rowCount();
        }
        QCOMPARE(shown, (QList<int>{100, 120, 120}));
        QVERIFY(!model.canFetchMore(QModelIndex()));
        model.setDataList(many(120));
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.loadAll();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(model.rowCount(), 120);
    }

    void appendShowsARecordOnlyWhileFewAreShown_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("none shown: the view fetches it") << 0 << 0;
        QTest::newRow("30 shown: it becomes row 30") << 30 << 31;
        QTest::newRow("31 shown: it waits") << 31 << 31;
    }

    void appendShowsARecordOnlyWhileFewAreShown()
    {
        QFETCH(int, before);
        QFETCH(int, after);
        MediaListModel model;
        model.setDataList(many(before));
        model.appendItem(media("New.JPG", DeviceData::ImageKind, QString()));
        QCOMPARE(model.rowCount(), after);
        QCOMPARE(model.recordCount(), before + 1);
        if (after > before)
            QCOMPARE(model.index(before).data(Qt::AccessibleTextRole).toString(), QStringLiteral("New.JPG"));
    }

    void thumbnailsAreSetWithOrWithoutNotice()
    {
        MediaListModel model;
        model.setDataList(sixMedia());
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        const QModelIndex first = model.index(0);
        QVERIFY(model.setData(first, QPixmap(), ThumbnailRole));
        QCOMPARE(changed.count(), 1);
        QVERIFY(model.setData(first, solid(Qt::green), ThumbnailSilentRole));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!first.data(Qt::DecorationRole).value<QPixmap>().isNull());
        QVERIFY(model.setData(first, QPixmap(), ThumbnailSilentRole));
        QVERIFY(first.data(Qt::DecorationRole).value<QPixmap>().isNull());
        QCOMPARE(changed.count(), 1);
        // Qt's check role is refused: a click is toggled by the view alone.
        QVERIFY(!model.setData(first, Qt::Checked, Qt::CheckStateRole));
        QVERIFY(!model.setData(first, 5, SizeRole));
        QVERIFY(model.setData(first, 2, CheckStateRole));
        QCOMPARE(first.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(first.flags() & Qt::ItemIsUserCheckable);
        QCOMPARE(first.data(Qt::ForegroundRole).value<QColor>(), QColor(51, 51, 51));
        QCOMPARE(model.index(1).data(Qt::ForegroundRole).value<QColor>(), QColor("#e73e28"));
        QCOMPARE(model.index(1).data(TimeRole).toLongLong(), daysBefore(7));
        QVERIFY(!model.index(6).data(Qt::DisplayRole).isValid());
    }

    // The proxy.

    void filtersByIdModeKeywordAndSpan_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QStringList>("names");
        const QStringList all{"Beach.JPG", "Party.HEIC", "Dog.png", "cat.jpg", "Clip.MOV", "Tape.m4a"};
        for (int type : {int(DeviceData::Photos), int(DeviceData::AlbumVideos)}) {
            const QByteArray id = QByteArray::number(type);
            QTest::newRow(id + ": all") << type << 0 << QString() << 0 << all;
            QTest::newRow(id + ": existing") << type << 1 << QString() << 0
                                             << QStringList{"Beach.JPG", "Dog.png", "Clip.MOV", "Tape.m4a"};
            QTest::newRow(id + ": deleted") << type << 2 << QString() << 0 << QStringList{"Party.HEIC", "cat.jpg"};
            QTest::newRow(id + ": the keyword does nothing") << type << 0 << "dog" << 0 << all;
            QTest::newRow(id + ": another mode, none") << type << 3 << QString() << 0 << QStringList{};
            // Seven days in, eight out, the future out.
            QTest::newRow(id + ": last 7 days") << type << 0 << QString() << 1
                                                << QStringList{"Beach.JPG", "Party.HEIC", "Clip.MOV"};
            QTest::newRow(id + ": last 7 days, deleted") << type << 2 << QString() << 1 << QStringList{"Party.HEIC"};
            QTest::newRow(id + ": 3 to 10 days") << type << 0 << QString() << 8
                                                 << QStringList{"Party.HEIC", "Dog.png", "Clip.MOV", "Tape.m4a"};
        }
        for (int type : {int(DeviceData::MessagesAttachment), int(DeviceData::NotesAttachment),
                         int(DeviceData::CalendarsAttachment), int(DeviceData::RemindersAttachment),
                         int(DeviceData::AppPhotos), int(DeviceData::AppVideos)}) {
            const QByteArray id = QByteArray::number(type);
            QTest::newRow(id + ": a keyword") << type << 0 << "DOG" << 0 << QStringList{"Dog.png"};
            QTest::newRow(id + ": existing") << type << 1 << QString() << 0
                                             << QStringList{"Beach.JPG", "Dog.png", "Clip.MOV", "Tape.m4a"};
            QTest::newRow(id + ": deleted with a keyword") << type << 2 << "a" << 0
                                                           << QStringList{"Party.HEIC", "cat.jpg"};
            QTest::newRow(id + ": existing with a keyword") << type << 1 << "a" << 0
                                                            << QStringList{"Beach.JPG", "Tape.m4a"};
            QTest::newRow(id + ": no span") << type << 0 << QString() << 1 << all;
            QTest::newRow(id + ": another mode, all") << type << 4 << "nothing" << 0 << all;
        }
    }

    void filtersByIdModeKeywordAndSpan()
    {
        QFETCH(int, type);
        QFETCH(int, mode);
        QFETCH(QString, keyword);
        QFETCH(int, choice);
        QFETCH(QStringList, names);
        MediaTableView view(0, type);
        view.setDataList(sixMedia());
        view.applyTimeSpan(choice, 3, 10, reference);
        view.setFilterMode(mode);
        view.search(keyword);
        QCOMPARE(shownNames(view.proxyModel()), names);
    }

    void heicComesLast()
    {
        MediaListModel model;
        QList<QVariant> records{media("a.heic", 2, QString(), 300), media("b.JPG", 2, QString(), 100),
                                media("c.HEIF", 2, QString(), 100), media("d.png", 2, QString(), 50, true),
                                media("e.jpg", 2, QString(), 200), media("f.heics", 2, QString(), 200)};
        model.setDataList(records);
        MediaProxyModel proxy(0, DeviceData::Photos);
        proxy.setSourceModel(&model);
        proxy.sort(0);
        QCOMPARE(shownNames(&proxy), (QStringList{"d.png", "e.jpg", "b.JPG", "c.HEIF", "f.heics", "a.heic"}));
    }

    // The tiles.

    void tilesPaintTheirState()
    {
        MediaTableView view(0, DeviceData::Photos);
        view.setDataList({media("photo.jpg", DeviceData::ImageKind, QString()),
                          media("video.mov", DeviceData::VideoKind, QString()),
                          media("audio.m4a", DeviceData::AudioKind, QString()),
                          media("gone.jpg", DeviceData::ImageKind, QString(), 0, true, 2),
                          media("still.mov", DeviceData::VideoKind, QString()),
                          media("shown.jpg", DeviceData::ImageKind, QString())});
        MediaListModel *model = view.mediaModel();
        model->setData(model->index(4), solid(Qt::green), ThumbnailSilentRole);
        model->setData(model->index(5), solid(Qt::green), ThumbnailSilentRole);
        const MediaItemDelegate &delegate = *view.itemDelegate();
        auto tile = [&](int row, bool hovered = false) {
            return paintTile(delegate, view.proxyModel()->index(row, 0), hovered);
        };
        const QRect placeholderFace(70, 50, 20, 6);
        const QRect centre(68, 68, 5, 5);
        const QRect checkMark(118, 5, 18, 18);
        const QRect deletedMark(122, 125, 12, 12);

        // The photo placeholder is pale, the video one blue; an audio file
        // without a picture shows only the band.
        const QColor photo = meanColour(tile(0), placeholderFace);
        const QColor video = meanColour(tile(1), placeholderFace);
        QVERIFY2(photo.red() > 200 && photo.blue() > 240, qPrintable(photo.name()));
        QVERIFY2(blueish(video) && video.red() < 120, qPrintable(video.name()));
        QCOMPARE(meanColour(tile(2), placeholderFace), QColor(Qt::white));
        QVERIFY(meanColour(tile(2), QRect(10, 120, 20, 10)).red() < 200);

        // A video's still gets the play mark over it; a photo's does not.
        QVERIFY(meanColour(tile(4), centre).green() > 200 && meanColour(tile(4), centre).red() > 200);
        QVERIFY(meanColour(tile(4), QRect(10, 40, 10, 10)).green() > 200);
        const QColor photoCentre = meanColour(tile(5), centre);
        QVERIFY2(photoCentre.green() > 200 && photoCentre.red() < 60, qPrintable(photoCentre.name()));

        // Deleted and checked marks.
        QVERIFY(reddish(meanColour(tile(3), deletedMark)));
        QVERIFY(!reddish(meanColour(tile(0), deletedMark)));
        QVERIFY(meanColour(tile(3), QRect(134, 107, 3, 3)).red() < 250);
        QVERIFY(looksTicked(meanColour(tile(3), checkMark)));
        QVERIFY(!looksTicked(meanColour(tile(0), checkMark)));

        // The frame is blue under the pointer.
        QVERIFY(blueish(tile(0, true).pixelColor(1, 70)));
        QVERIFY(!blueish(tile(0, false).pixelColor(1, 70)));
        const QColor edge = tile(0, false).pixelColor(0, 70);
        QVERIFY2(edge.red() < 255 && edge.red() >= 240 && !blueish(edge), qPrintable(edge.name()));
        QCOMPARE(delegate.sizeHint(QStyleOptionViewItem(), QModelIndex()), QSize(141, 141));
    }

    void aLongNameIsElidedInTheMiddle()
    {
        const QString name = QStringLiteral("A very long file name of a recovered photo 0042.JPG");
        MediaTableView view(0, DeviceData::Photos);
        view.setDataList({media(name, DeviceData::ImageKind, QString())});
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        saveShot(&view, QStringLiteral("long-name"));
        QCOMPARE(view.proxyModel()->index(0, 0).data(Qt::AccessibleTextRole).toString(), name);
    }

    // The grid.

    void gridsAreNamedAsTheirCategory_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("16") << int(DeviceData::Photos) << "Photos";
        QTest::newRow("32") << int(DeviceData::AlbumVideos) << "Video in album";
        QTest::newRow("8192") << int(DeviceData::AppPhotos) << "App Photos";
        QTest::newRow("16384") << int(DeviceData::AppVideos) << "App Videos";
        QTest::newRow("3") << int(DeviceData::MessagesAttachment) << "Messages Attachment";
        QTest::newRow("513") << int(DeviceData::NotesAttachment) << "Notes Attachment";
        QTest::newRow("2049") << int(DeviceData::CalendarsAttachment) << "Calendars Attachment";
        QTest::newRow("4097") << int(DeviceData::RemindersAttachment) << "Reminders Attachment";
    }

    void gridsAreNamedAsTheirCategory()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        MediaTableView view(0, type);
        QCOMPARE(view.listView()->accessibleName(), name);
        QCOMPARE(view.listView()->viewMode(), QListView::IconMode);
        QCOMPARE(view.listView()->spacing(), 12);
        QCOMPARE(view.listView()->property("style").toString(), QStringLiteral("white"));
        QVERIFY(view.testAttribute(Qt::WA_DeleteOnClose));
        MediaV1TableView photos(Owner, DeviceData::ImageKind);
        MediaV1TableView videos(Owner, DeviceData::VideoKind);
        QCOMPARE(photos.listView()->accessibleName(), QStringLiteral("Photos"));
        QCOMPARE(videos.listView()->accessibleName(), QStringLiteral("Videos"));
    }

    void aClickTicksTheStoresRecord()
    {
        seedStore(DeviceData::AppPhotos, sixMedia());
        QList<QVariant> locked = stored(DeviceData::AppPhotos);
        DeviceData::setCheckable(locked[2], false);
        seedStore(DeviceData::AppPhotos, locked);
        MediaTableView view(0, DeviceData::AppPhotos);
        view.setDataList(stored(DeviceData::AppPhotos));
        view.search(QStringLiteral("o"));
        // Dog.png and Clip.MOV are shown; Dog is locked.
        view.resize(700, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy changed(&view, &AbstractDataView::checkStateChanged);
        QListView *list = view.listView();
        auto clickName = [&](const QString &name) {
            for (int row = 0; row < view.proxyModel()->rowCount(); ++row) {
                const QModelIndex index = view.proxyModel()->index(row, 0);
                if (index.data(Qt::AccessibleTextRole).toString() == name)
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
            }
        };
        clickName(QStringLiteral("Clip.MOV"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(DeviceData::checkState(stored(DeviceData::AppPhotos).at(4)), 2);
        QCOMPARE(view.checkState(false), 1);
        clickName(QStringLiteral("Dog.png"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(DeviceData::checkState(stored(DeviceData::AppPhotos).at(2)), 0);
        saveShot(&view, QStringLiteral("ticked"));
        clickName(QStringLiteral("Clip.MOV"));
        QCOMPARE(DeviceData::checkState(stored(DeviceData::AppPhotos).at(4)), 0);
        QCOMPARE(view.checkState(false), 0);
        // Nothing is ever selected: selection is not a tick.
        QVERIFY(list->selectionModel()->selectedIndexes().isEmpty());
    }

    void spaceAndAssistiveToolsTickToo()
    {
        seedStore(DeviceData::Photos, sixMedia());
        MediaTableView view(0, DeviceData::Photos);
        view.setDataList(stored(DeviceData::Photos));
        view.setCheckEnabled(true);
        view.resize(700, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QListView *list = view.listView();
        list->setFocus();
        list->setCurrentIndex(view.proxyModel()->index(1, 0));
        QTest::keyClick(list, Qt::Key_Space);
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Photos).at(1)), 2);

        QAccessibleInterface *tile = tileInterface(list, 3);
        QVERIFY(tile);
        QCOMPARE(tile->text(QAccessible::Name), QStringLiteral("cat.jpg"));
        QVERIFY(tile->state().checkable);
        QVERIFY(!tile->state().checked);
        QVERIFY(tile->actionInterface());
        tile->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Photos).at(3)), 2);
        QVERIFY(tileInterface(list, 3)->state().checked);
        tileInterface(list, 3)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(DeviceData::checkState(stored(DeviceData::Photos).at(3)), 0);
        QCOMPARE(view.checkState(false), 1);
    }

    void checkingTheShownRowsOnly()
    {
        seedStore(DeviceData::Photos, sixMedia());
        MediaTableView view(0, DeviceData::Photos);
        view.setDataList(stored(DeviceData::Photos));
        view.setFilterMode(2);
        view.setAllChecked(2, true, false);
        QCOMPARE(view.checkState(true), 2);
        QCOMPARE(view.checkState(false), 1);
        const QList<QVariant> records = stored(DeviceData::Photos);
        for (int row = 0; row < records.size(); ++row)
            QCOMPARE(DeviceData::checkState(records.at(row)), DeviceData::isDeleted(records.at(row)) ? 2 : 0);
        view.setFilterMode(0);
        view.setAllChecked(2, false, false);
        QCOMPARE(view.checkState(false), 2);
        for (const QVariant &record : stored(DeviceData::Photos))
            QCOMPARE(DeviceData::checkState(record), 2);
        view.setAllChecked(0, false, false);
        QCOMPARE(view.checkState(true), 0);
    }

    void aThousandRecordsAskForOneWindow()
    {
        MediaTableView view(0, DeviceData::Photos);
        view.resize(700, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setDataList(many(1000));
        QCOMPARE(view.proxyModel()->rowCount(), 50);
        QCOMPARE(view.windowRows().size(), MediaTableView::WindowTiles);
        QCOMPARE(view.windowRows().first(), 0);
        // Scrolling asks for the next window once it has paused for 200 ms.
        view.setFilterMode(0);
        QScrollBar *bar = view.listView()->verticalScrollBar();
        QElapsedTimer scrolling;
        scrolling.start();
        while (scrolling.elapsed() < 600) {
            bar->setValue(bar->value() + 40);
            QTest::qWait(20);
            QCOMPARE(view.windowRows().first(), 0);
        }
        QTRY_VERIFY(view.windowRows().first() > 0);
        QVERIFY(view.windowRows().size() >= MediaTableView::WindowTiles);
        const QModelIndex top = view.listView()->indexAt(QPoint(13, 13));
        if (top.isValid())
            QVERIFY(view.windowRows().contains(view.proxyModel()->mapToSource(top).row()));
    }

    void recordsAppendedToAnEmptyGridShow()
    {
        MediaTableView view(0, DeviceData::Photos);
        view.resize(700, 500);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setDataList({});
        for (const QVariant &record : sixMedia())
            view.appendItem(record);
        QTRY_COMPARE(view.proxyModel()->rowCount(), 6);
    }

    void theTimeFilterDialogNarrowsTheGrid()
    {
        MediaTableView view(0, DeviceData::Photos);
        QList<QVariant> records;
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        for (int days : {0, 2, 5, 20, 100})
            records << media(QStringLiteral("%1 days.jpg").arg(days), DeviceData::ImageKind, QString(),
                             now - days * 86400);
        view.setDataList(records);
        QVERIFY(!view.filtrationDialog());
        // Dressed as the program dresses it.
        qApp->setStyleSheet(QStringLiteral("file:///:/CSS/global.css"));
        view.showFiltrationDialog();
        FiltrationDialog *dialog = view.filtrationDialog();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        saveShot(dialog, QStringLiteral("time-filter"));
        QSignalSpy changed(&view, &AbstractDataView::checkStateChanged);
        QSignalSpy counts(&view, &AbstractDataView::indexCountChanged);
        auto button = [&](const QString &text) {
            for (QPushButton *candidate : dialog->findChildren<QPushButton *>())
                if (candidate->text() == text)
                    return candidate;
            return static_cast<QPushButton *>(nullptr);
        };
        QTest::mouseClick(button("Last 7 Days"), Qt::LeftButton);
        QTest::mouseClick(button("OK"), Qt::LeftButton);
        QCOMPARE(shownNames(view.proxyModel()), (QStringList{"0 days.jpg", "2 days.jpg", "5 days.jpg"}));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(counts.count(), 3);
        QCOMPARE(counts.at(0).at(1).toInt(), 3);

        // One dialog for the view's life, opened on the last choice.
        view.showFiltrationDialog();
        QCOMPARE(view.filtrationDialog(), dialog);
        QVERIFY(button("Last 7 Days")->isDown());
        QTest::mouseClick(button("Custom Range"), Qt::LeftButton);
        const QList<XLineEdit *> fields = dialog->findChildren<XLineEdit *>();
        QCOMPARE(fields.size(), 2);
        QTest::keyClicks(fields.at(0), QStringLiteral("3"));
        QTest::keyClicks(fields.at(1), QStringLiteral("30"));
        saveShot(dialog, QStringLiteral("time-filter-custom"));
        QTest::mouseClick(button("OK"), Qt::LeftButton);
        QCOMPARE(shownNames(view.proxyModel()), (QStringList{"5 days.jpg", "20 days.jpg"}));
        view.showCurrent();
        QCOMPARE(button("Custom Range")->text(), QStringLiteral("Custom Range"));
        qApp->setStyleSheet(QString());
    }

    // The chat attachment pages.

    void pagesWriteTheirSessionListOnlyWhenSomethingChanged()
    {
        DeviceParser::instance()->setSessionRecords(Owner, DeviceData::ImageKind, sixMedia());
        MediaV1TableView page(Owner, DeviceData::ImageKind);
        QSignalSpy changed(&page, &AbstractDataView::checkStateChanged);
        page.setDataList(DeviceParser::instance()->sessionRecords(Owner, DeviceData::ImageKind));
        page.setFilterMode(1);
        page.search(QStringLiteral("a"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(shownNames(page.proxyModel()), (QStringList{"Beach.JPG", "Tape.m4a"}));
        page.setAllChecked(2, false, false);
        QCOMPARE(page.checkState(true), 2);
        QCOMPARE(page.checkState(false), 2);
        const QList<QVariant> written = DeviceParser::instance()->sessionRecords(Owner, DeviceData::ImageKind);
        for (const QVariant &record : written)
            QCOMPARE(DeviceData::checkState(record), 2);
        page.setAllChecked(2, false, false);
        QVERIFY(DeviceParser::instance()->sessionRecords(Owner, DeviceData::ImageKind).isSharedWith(written));
        // A click on the page's tile reaches (owner, kind, row).
        page.resize(600, 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QModelIndex tape = page.proxyModel()->index(1, 0);
        QTest::mouseClick(page.listView()->viewport(), Qt::LeftButton, {}, page.listView()->visualRect(tape).center());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(DeviceData::checkState(DeviceParser::instance()->sessionRecords(Owner, DeviceData::ImageKind).at(5)),
                 0);
        QCOMPARE(page.checkState(false), 1);
        page.showFiltrationDialog();
        QVERIFY(!page.filtrationDialog());
    }

    void pageCountsIgnoreTheFilter()
    {
        MediaV1TableView page(Owner, DeviceData::VideoKind);
        QList<QVariant> records;
        for (int i = 0; i < 5; ++i)
            records << media(QStringLiteral("clip %1.mp4").arg(i), DeviceData::VideoKind, QString(), 0, i >= 3);
        page.setDataList(records);
        page.setFilterMode(1);
        page.search(QStringLiteral("CLIP 1"));
        QCOMPARE(shownNames(page.proxyModel()), QStringList{"clip 1.mp4"});
        int existing = 0;
        int deleted = 0;
        page.countExistingDeleted(existing, deleted);
        QCOMPARE(existing, 3);
        QCOMPARE(deleted, 2);
        QCOMPARE(page.recordCount(), 5);
        QCOMPARE(page.proxyModel()->index(0, 0).data(RecordRole).value<DeviceData::MediaInfo>().name,
                 QStringLiteral("clip 1.mp4"));
    }

    void clearEmptiesTheGrid()
    {
        MediaTableView view(0, DeviceData::AppVideos);
        view.setDataList(sixMedia());
        view.search(QStringLiteral("dog"));
        view.clear();
        QCOMPARE(view.proxyModel()->rowCount(), 0);
        QCOMPARE(view.mediaModel()->keyword(), QString());
        QVERIFY(view.windowRows().isEmpty());
        view.setDataList(sixMedia());
        QCOMPARE(view.proxyModel()->rowCount(), 6);
    }
};

QTEST_MAIN(MediaViewsTest)
#include "mediaviews_test.moc"

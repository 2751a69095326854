#include "checkableheaderview.h"
#include "checkabletableitemdelegate.h"
#include "checkabletableview.h"
#include "itemroles.h"
#include "shots.h"
#include "viewfixtures.h"
#include "viewtext.h"
#include "widgetkit.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QCheckBox>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using namespace ViewFixtures;

namespace
{
    // Rows with a check column and three text columns; row r is checkable
    // unless listed, and checked when listed.
    QStandardItemModel *tableModel(QObject *parent, const QList<int> &checked, const QList<int> &locked)
    {
        auto *model = new QStandardItemModel(8, 4, parent);
        model->setHorizontalHeaderLabels({QString(), "Name", "Phone Number", "Date"});
        for (int row = 0; row < 8; ++row) {
            model->setData(model->index(row, 0), !locked.contains(row), CheckableRole);
            model->setData(model->index(row, 0), checked.contains(row) ? 2 : 0, CheckStateRole);
            model->setData(model->index(row, 1), QStringLiteral("Caller %1").arg(row));
            model->setData(model->index(row, 2), QStringLiteral("+1555000%1").arg(row));
            model->setData(model->index(row, 3), QStringLiteral("2023-01-0%1 10:00:00").arg(row + 1));
        }
        return model;
    }

    QColor checkPictureOf(CheckableTableView &table, int row)
    {
        const QRect cell = table.visualRect(table.model()->index(row, 0));
        const QImage shot = table.viewport()->grab().toImage();
        const QPoint centre = cell.center();
        return meanColour(shot, QRect(centre.x() - 7, centre.y() - 7, 14, 14));
    }

    void release(CheckableTableItemDelegate *delegate, QAbstractItemModel *model, const QRect &cell,
                 const QPoint &at, Qt::MouseButton button, const QModelIndex &index)
    {
        QMouseEvent event(QEvent::MouseButtonRelease, at, button, button, Qt::NoModifier);
        QStyleOptionViewItem option;
        option.rect = cell;
        // As the table calls it, through the base's public entry.
        static_cast<QAbstractItemDelegate *>(delegate)->editorEvent(&event, model, option, index);
    }
}

class CheckableTableTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initWidgetKit(); }

    void builtAsEveryCategoryTableIs()
    {
        CheckableTableView table;
        table.setModel(tableModel(&table, {}, {}));
        QCOMPARE(table.horizontalHeader(), table.checkableHeader());
        QCOMPARE(table.checkableHeader()->height(), 40);
        QVERIFY(table.isSortingEnabled());
        QVERIFY(!table.checkableHeader()->isSortIndicatorShown());
        QCOMPARE(table.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(table.selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(table.verticalHeader()->isHidden());
        QCOMPARE(table.verticalHeader()->defaultSectionSize(), 38);
        QVERIFY(!table.showGrid());
        QCOMPARE(table.property("style").toString(), QStringLiteral("default"));
        QCOMPARE(table.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(table.checkableHeader()->checkBox()->accessibleName(), QStringLiteral("Check all rows"));
        QVERIFY(table.checkableHeader()->checkBox()->isTristate());
    }

    void theHeaderBoxSitsOverTheCheckColumn()
    {
        CheckableTableView table;
        table.setModel(tableModel(&table, {}, {}));
        table.setColumnWidth(0, 50);
        table.resize(700, 400);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QCheckBox *box = table.checkableHeader()->checkBox();
        QCOMPARE(box->geometry(), QRect((50 - 24) / 2, (40 - 24) / 2, 24, 24));
        table.setColumnWidth(0, 80);
        QCOMPARE(box->pos(), QPoint((80 - 24) / 2, 8));
        QVERIFY(box->isVisible());

        QSignalSpy clicked(table.checkableHeader(), &CheckableHeaderView::checkBoxClicked);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toInt(), int(box->checkState()));
    }

    void theSortIndicatorShowsForDataColumnsOnly()
    {
        CheckableTableView table;
        table.setModel(tableModel(&table, {}, {}));
        table.resize(700, 400);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QHeaderView *header = table.checkableHeader();
        // Away from the section edges (a press there resizes) and from the box.
        auto clickSection = [&](int section) {
            const int x = header->sectionViewportPosition(section) + (section == 0 ? 8 : header->sectionSize(section) / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, 20));
        };
        clickSection(2);
        QVERIFY(header->isSortIndicatorShown());
        QCOMPARE(header->sortIndicatorSection(), 2);
        clickSection(0);
        QVERIFY(!header->isSortIndicatorShown());
        clickSection(3);
        QVERIFY(header->isSortIndicatorShown());
    }

    void onlyALeftReleaseOnTheCheckColumnEmits()
    {
        CheckableTableView table;
        QAbstractItemModel *model = tableModel(&table, {}, {});
        table.setModel(model);
        table.resize(700, 400);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QSignalSpy clicked(&table, &CheckableTableView::checkBoxClicked);

        const QRect checkCell = table.visualRect(model->index(2, 0));
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, checkCell.center());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toModelIndex(), model->index(2, 0));

        QTest::mouseClick(table.viewport(), Qt::RightButton, {}, checkCell.center());
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(model->index(2, 1)).center());
        QCOMPARE(clicked.count(), 1);

        // Released outside the cell it is given.
        CheckableTableItemDelegate *delegate = table.checkableDelegate();
        QSignalSpy delegateClicked(delegate, &CheckableTableItemDelegate::checkBoxClicked);
        release(delegate, model, checkCell, checkCell.bottomRight() + QPoint(5, 5), Qt::LeftButton, model->index(2, 0));
        release(delegate, model, checkCell, checkCell.center(), Qt::RightButton, model->index(2, 0));
        QCOMPARE(delegateClicked.count(), 0);
        release(delegate, model, checkCell, checkCell.center(), Qt::LeftButton, model->index(2, 0));
        QCOMPARE(delegateClicked.count(), 1);
    }

    void spaceTicksTheCurrentRow()
    {
        CheckableTableView table;
        QAbstractItemModel *model = tableModel(&table, {}, {});
        table.setModel(model);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.setCurrentIndex(model->index(3, 2));
        QSignalSpy clicked(&table, &CheckableTableView::checkBoxClicked);
        QTest::keyClick(&table, Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toModelIndex(), model->index(3, 0));
    }

    void theKeyboardsRowIsMarkedAndAssistiveChoicesAreTicked()
    {
        CheckableTableView table;
        QAbstractItemModel *model = tableModel(&table, {}, {});
        table.setModel(model);
        table.resize(700, 400);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        auto fillOf = [&](int row) {
            return table.viewport()->grab().toImage().pixelColor(
                table.visualRect(model->index(row, 3)).topLeft() + QPoint(300, 2));
        };
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(model->index(2, 2)).center());
        QCOMPARE(fillOf(2), QColor("#DFE9FD"));
        // Down moves the mark with the row, an odd one too, whose white
        // ground would otherwise let the style's selection colour through.
        table.setFocus();
        QTest::keyClick(&table, Qt::Key_Down);
        QCOMPARE(table.checkableDelegate()->clickedIndex().row(), 3);
        QCOMPARE(fillOf(3), QColor("#DFE9FD"));
        QCOMPARE(fillOf(2), QColor("#F2F2F2"));

        // A screen reader's "Toggle" on a cell selects its row; Space ticks it.
        QAccessibleInterface *cells = QAccessible::queryAccessibleInterface(&table);
        QAccessibleInterface *cell = cells->tableInterface()->cellAt(5, 1);
        QVERIFY(cell && cell->actionInterface());
        cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(table.currentIndex().row(), 5);
        QSignalSpy clicked(&table, &CheckableTableView::checkBoxClicked);
        QTest::keyClick(&table, Qt::Key_Space);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toModelIndex(), model->index(5, 0));
        QCOMPARE(fillOf(5), QColor("#DFE9FD"));
    }

    void hoverFollowsThePointerAndLeavesWithIt()
    {
        CheckableTableView table;
        QAbstractItemModel *model = tableModel(&table, {}, {});
        table.setModel(model);
        table.resize(700, 400);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QSignalSpy hovered(&table, &CheckableTableView::hovered);
        QTest::mouseMove(table.viewport(), table.visualRect(model->index(4, 2)).center());
        QTRY_COMPARE(table.checkableDelegate()->hoveredIndex().row(), 4);
        const QColor hoverFill = table.viewport()->grab().toImage().pixelColor(
            table.visualRect(model->index(4, 3)).topLeft() + QPoint(200, 2));
        QCOMPARE(hoverFill, QColor("#ECF3FF"));

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&table, &leave);
        QVERIFY(!table.checkableDelegate()->hoveredIndex().isValid());
        QVERIFY(!hovered.last().first().toModelIndex().isValid());
    }

    void checkPicturesFollowCheckableAndState()
    {
        CheckableTableView table;
        // Row 1 checked, row 2 checked but not checkable, row 3 unchecked.
        table.setModel(tableModel(&table, {1, 2}, {2}));
        table.resize(700, 400);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        QVERIFY(looksTicked(checkPictureOf(table, 1)));
        QVERIFY(!looksTicked(checkPictureOf(table, 2)));
        QVERIFY(!looksTicked(checkPictureOf(table, 3)));
        // Even rows are grey, odd rows white.
        const QImage shot = table.viewport()->grab().toImage();
        QCOMPARE(shot.pixelColor(table.visualRect(table.model()->index(0, 3)).topLeft() + QPoint(300, 2)),
                 QColor("#F2F2F2"));
        QCOMPARE(shot.pixelColor(table.visualRect(table.model()->index(1, 3)).topLeft() + QPoint(300, 2)),
                 QColor(Qt::white));
        saveShot(&table, "table");
    }

    void longTextsEndInAnEllipsis_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("elided");
        QTest::newRow("fits") << "Caller 1" << false;
        QTest::newRow("too long") << QString("A very long caller name that cannot fit").repeated(3) << true;
    }

    void longTextsEndInAnEllipsis()
    {
        QFETCH(QString, text);
        QFETCH(bool, elided);
        QFont font;
        font.setPixelSize(16);
        const QColor colour(51, 51, 51);
        QTextDocument document;
        CheckableTableItemDelegate::layoutCellText(document, ViewText::marked(text, QString()), font, 160, colour);
        const QString shown = document.toPlainText();
        if (!elided) {
            QCOMPARE(shown, text);
            return;
        }
        QVERIFY(shown.endsWith(QStringLiteral("...")));
        QVERIFY(text.startsWith(shown.chopped(3)));
        QVERIFY(document.idealWidth() <= 160);
        // The ellipsis is drawn in the text's colour.
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        QCOMPARE(cursor.charFormat().foreground().color(), colour);
    }

    void markupFromTheDeviceIsLaidOutLiterally()
    {
        QFont font;
        font.setPixelSize(16);
        QTextDocument document;
        CheckableTableItemDelegate::layoutCellText(document, ViewText::marked("<img src=x>", QString()), font, 400,
                                                   Qt::black);
        QCOMPARE(document.toPlainText(), QStringLiteral("<img src=x>"));
        QVERIFY(!document.toHtml().contains(QStringLiteral("<img")));

        CheckableTableItemDelegate::layoutCellText(document, ViewText::marked("<b>x</b>", "b"), font, 400, Qt::black);
        QCOMPARE(document.toPlainText(), QStringLiteral("<b>x</b>"));
        QStringList highlighted;
        for (QTextBlock::iterator it = document.begin().begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QVERIFY(format.fontWeight() == QFont::Normal);
            if (format.foreground().color() == QColor(ViewText::HighlightColour))
                highlighted << it.fragment().text();
        }
        QCOMPARE(highlighted, QStringList({"b", "b"}));
    }
};

QTEST_MAIN(CheckableTableTest)
#include "checkabletable_test.moc"

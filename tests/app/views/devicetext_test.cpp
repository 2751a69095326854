// Text from a device is shown as it stands in the contacts, calendars and
// notes views, whatever markup it looks like; a search colours only what the
// raw text holds.
#include "calendarsremindersview.h"
#include "contactitemdelegate.h"
#include "contactview.h"
#include "csortfilterproxymodel.h"
#include "dataviewfactory.h"
#include "memoitemdelegate.h"
#include "memoview.h"
#include "viewfixtures.h"
#include "widgetkit.h"
#include "xlabel.h"

#include <QAccessible>
#include <QListView>
#include <QStandardItemModel>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <memory>

using namespace ViewFixtures;

namespace
{
    struct ReadBack
    {
        QString plain;
        QStringList coloured; // the highlighted runs
    };

    ReadBack readBack(const QString &html)
    {
        QTextDocument document;
        document.setHtml(html);
        ReadBack read{document.toPlainText(), {}};
        const QColor highlight(QStringLiteral("#558AF8"));
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().foreground().color() == highlight)
                    read.coloured << it.fragment().text();
            }
        }
        return read;
    }

    // The value column of a detail row.
    QString detailHtml(const QStandardItemModel *model, int row)
    {
        const QVariant value = model->index(row, 0).data();
        return value.userType() == QMetaType::QStringList ? value.toStringList().value(1)
                                                          : value.toList().value(1).toString();
    }
}

class DeviceTextTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initWidgetKit();
        DeviceData::registerMetaTypes();
    }

    void init() { DeviceParser::instance()->clearAll(); }

    void shownAsItStands_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QStringList>("coloured");
        for (const QString &text : {QStringLiteral("<img src=x>"), QStringLiteral("<b>x</b>"),
                                    QStringLiteral("a&amp;b"), QStringLiteral("AT&T")}) {
            QTest::addRow("%s", qPrintable(text)) << text << QString() << QStringList{};
            QTest::addRow("%s, keyword amp", qPrintable(text))
                << text << QStringLiteral("amp") << (text == "a&amp;b" ? QStringList{"amp"} : QStringList{});
        }
        // Entities the escaping makes are never matched.
        QTest::newRow("<b>x</b>, keyword lt") << QStringLiteral("<b>x</b>") << QStringLiteral("lt") << QStringList{};
        QTest::newRow("<b>x</b>, keyword b") << QStringLiteral("<b>x</b>") << QStringLiteral("B")
                                             << QStringList{"b", "b"};
    }

    void shownAsItStands()
    {
        QFETCH(QString, text);
        QFETCH(QString, keyword);
        QFETCH(QStringList, coloured);
        auto check = [&](const QString &what, const QString &html) {
            const ReadBack read = readBack(html);
            QVERIFY2(read.plain == text, qPrintable(what + ": " + read.plain));
            QVERIFY2(read.coloured == coloured, qPrintable(what + ": " + read.coloured.join('|')));
        };

        // Contacts: the row, the name label, a phone value, the tool tip.
        {
            DeviceData::ContactInfo person;
            person.sortName = text;
            person.organization = text;
            person.phones = {{QStringLiteral("_$!<Mobile>!$_"), text}};
            person.note = keyword; // keeps the row when the text lacks the keyword
            ContactView view(0, DeviceData::Contacts);
            view.setDataList({QVariant::fromValue(person)});
            view.search(keyword);
            QCOMPARE(view.proxyModel()->rowCount(), 1);
            check("contact row", ContactItemDelegate::nameHtml(text, keyword));
            check("name label", view.nameLabel()->text());
            QCOMPARE(view.nameLabel()->textFormat(), Qt::RichText);
            check("company", detailHtml(view.fieldModel(), 0));
            check("phone", detailHtml(view.fieldModel(), 1));
            // As a tool tip shows it: rich text only when Qt takes it for that.
            const QString tip = view.nameLabel()->toolTip();
            QCOMPARE(Qt::mightBeRichText(tip) ? readBack(tip).plain : tip, text);
            QCOMPARE(view.proxyModel()->index(0, 0).data(Qt::AccessibleTextRole).toString(), text);
            QCOMPARE(view.fieldModel()->index(1, 0).data(Qt::AccessibleTextRole).toString(),
                     QStringLiteral("Mobile Number: ") + text);
            QCOMPARE(QAccessible::queryAccessibleInterface(view.nameLabel())->text(QAccessible::Name), text);
        }

        // Calendars and reminders: the title cell and the card's values.
        for (int type : {int(DeviceData::Calendars), int(DeviceData::Reminders)}) {
            DeviceData::CalenderReminderInfo record;
            record.title = text;
            record.notes = text;
            record.listName = keyword;
            calendarsRemindersView view(0, type);
            view.setDataList({QVariant::fromValue(record)});
            view.search(keyword);
            QCOMPARE(view.proxyModel()->rowCount(), 1);
            check("title cell", view.proxyModel()->index(0, 1).data().toString());
            QCOMPARE(view.proxyModel()->index(0, 1).data(Qt::AccessibleTextRole).toString(), text);
            check("card title", detailHtml(view.detailModel(), 0));
            check("card notes", detailHtml(view.detailModel(), type == DeviceData::Calendars ? 3 : 7));
        }

        // Notes: the row's title and preview, the card's title and content.
        {
            MemoView view(0, DeviceData::Notes);
            view.setDataList({note(text, text, 3, false, {attachment(keyword, DeviceData::OtherKind)})});
            view.search(keyword);
            QCOMPARE(view.proxyModel()->rowCount(), 1);
            check("note title", MemoItemDelegate::lineHtml(text, keyword));
            check("card title", detailHtml(view.detailModel(), 0));
            check("card content", detailHtml(view.detailModel(), 1));
            QCOMPARE(view.proxyModel()->index(0, 0).data(Qt::AccessibleTextRole).toString(), text);
        }
    }

    // The scan-result page gets these views for their categories.
    void madeForTheirCategories_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("className");
        QTest::newRow("Contacts") << int(DeviceData::Contacts) << "ContactView";
        QTest::newRow("Calendars") << int(DeviceData::Calendars) << "calendarsRemindersView";
        QTest::newRow("Reminders") << int(DeviceData::Reminders) << "calendarsRemindersView";
        QTest::newRow("Notes") << int(DeviceData::Notes) << "MemoView";
    }

    void madeForTheirCategories()
    {
        QFETCH(int, type);
        QFETCH(QString, className);
        const DataViewFactory::Row *row = DataViewFactory::find(type);
        QVERIFY(row);
        QCOMPARE(row->barType, 2);
        std::unique_ptr<AbstractDataView> view(DataViewFactory::create(type));
        QVERIFY(view);
        QCOMPARE(QString::fromLatin1(view->metaObject()->className()), className);
        QCOMPARE(view->typeId(), type);
        QVERIFY(view->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!view->parent());
    }

    // A note's or contact's lines stay lines in the pane.
    void lineBreaksStay()
    {
        MemoView view(0, DeviceData::Notes);
        view.setDataList({note("List", "first <line>\nsecond & last", 3)});
        QCOMPARE(readBack(detailHtml(view.detailModel(), 1)).plain, QStringLiteral("first <line>\nsecond & last"));
    }
};

QTEST_MAIN(DeviceTextTest)
#include "devicetext_test.moc"

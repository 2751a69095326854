#include "categorytable.h"
#include "devicedata.h"

#include <idbexecutor.h>

#include <QSet>
#include <QtTest>

using namespace DeviceData;

class CategoryTableTest : public QObject
{
    Q_OBJECT

private slots:
    void scanBits_data();
    void scanBits();
    void rowsKeepTheirRules();
};

// What a scan of each chosen id runs; an attachment category or an id that
// is no category scans nothing.
void CategoryTableTest::scanBits_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("scanBit");
    QTest::addColumn<bool>("attachment");
    const struct
    {
        int id;
        int bit;
        bool attachment;
    } rows[] = {
        {1, 0x8, false},           {2, 0x4, false},          {3, 0, true},           {4, 0x100, false},
        {8, 0x200, false},         {16, 0x2000, false},      {32, 0x2, false},       {64, 0x80, false},
        {128, 0x10, false},        {256, 0x20, false},       {512, 0x400, false},    {513, 0, true},
        {1024, 0x40, false},       {2048, 0x800, false},     {2049, 0, true},        {4096, 0x1000, false},
        {4097, 0, true},           {0x2000, 0x4000, false},  {0x4000, 0x8000, false}, {0x8000, 0x10000, false},
        {0x10000, 0x20000, false}, {0x20000, 0x80000, false}, {0x20001, 0, true},     {0x40000, 0x40000, false},
        {0x40001, 0, true},        {0, 0, false},            {5, 0, false},          {2 | 4, 0, false},
        {0x80000, 0, false},       {-1, 0, false},
    };
    for (const auto &row : rows)
        QTest::newRow(qPrintable(QString::number(row.id, 16))) << row.id << row.bit << row.attachment;
}

void CategoryTableTest::scanBits()
{
    QFETCH(int, id);
    QFETCH(int, scanBit);
    QFETCH(bool, attachment);
    QCOMPARE(CategoryTable::scanBit(id), scanBit);
    QCOMPARE(CategoryTable::isAttachment(id), attachment);
    // Only a chosen category or an attachment category has a row.
    QCOMPARE(CategoryTable::find(id) != nullptr, scanBit != 0 || attachment);
}

// The rules the store, the scan worker and the export rely on.
void CategoryTableTest::rowsKeepTheirRules()
{
    const QVector<CategoryTable::Row> &rows = CategoryTable::rows();
    QCOMPARE(rows.size(), 25);
    QSet<int> scanBits;
    QSet<QString> names;
    for (int i = 0; i < rows.size(); ++i) {
        const CategoryTable::Row &row = rows.at(i);
        const QByteArray where = QByteArray::number(row.id, 16);
        QVERIFY2(i == 0 || rows.at(i - 1).id < row.id, where);
        QCOMPARE(CategoryTable::find(row.id), &row);
        QVERIFY2(CategoryTable::engineBit(row.id) == row.engineBit, where);

        // Each export folder is named after its category: one name each,
        // usable as a folder's name.
        const QString name = QString::fromLatin1(row.name);
        QVERIFY2(!name.isEmpty() && !name.contains('/') && name.trimmed() == name, where);
        QVERIFY2(!names.contains(name.toLower()), where);
        names.insert(name.toLower());

        if (CategoryTable::isAttachment(row.id)) {
            // Right after its owner, filled by the owner's engine category.
            QVERIFY2(i > 0, where);
            const CategoryTable::Row &owner = rows.at(i - 1);
            QCOMPARE(owner.attachmentId, row.id);
            QCOMPARE(row.id, owner.id + 1);
            QCOMPARE(row.engineBit, owner.engineBit);
            QCOMPARE(row.attachmentId, 0);
            QCOMPARE(CategoryTable::scanBit(row.id), 0);
        } else {
            // One engine category per chosen one, so that a mask of them
            // or an error told by engine category names one category.
            QVERIFY2(row.engineBit > 0 && (row.engineBit & (row.engineBit - 1)) == 0, where);
            QVERIFY2(!scanBits.contains(row.engineBit), where);
            scanBits.insert(row.engineBit);
            QCOMPARE(CategoryTable::scanBit(row.id), row.engineBit);
            if (row.attachmentId != 0)
                QVERIFY2(CategoryTable::isAttachment(row.attachmentId), where);
        }
    }
    QCOMPARE(scanBits.size(), 19);
}

QTEST_APPLESS_MAIN(CategoryTableTest)

#include "categorytable_test.moc"

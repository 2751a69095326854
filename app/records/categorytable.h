#pragma once

#include <QVector>

// What the program knows of each of its categories, written once: the id
// the store files its records under (a DeviceData::DataCategory), the engine
// category whose records fill it, its name and the category that holds its
// attachments. Code that needs one of these facts asks here rather than
// keeping a list of its own.
class CategoryTable
{
public:
    struct Row
    {
        int id;           // DataCategory: the store's key and the user's choice
        int engineBit;    // the DbAppCategory bit whose records fill it
        const char *name; // English, as the program shows it; QObject::tr gives the user's language
        int attachmentId; // the category holding its attachments; 0 without one
    };

    // Every category in id order, each attachment category after its owner.
    static const QVector<Row> &rows();
    // Null for an id that is no category.
    static const Row *find(int id);
    // A category that holds another one's attachments: scanned and chosen
    // only through its owner.
    static bool isAttachment(int id);
    // The engine category that fills id (an attachment category's is its
    // owner's); 0 for an id that is no category.
    static int engineBit(int id);
    // The engine category a scan of the chosen id runs; 0 for attachment
    // categories and for ids that are no category.
    static int scanBit(int id);
};

#pragma once

#include <Qt>

// The item roles every category model may answer, beside Qt's own. Each
// model documents which it answers. Values are fixed: views, delegates and
// proxies of every category share them.
enum ItemRole : int
{
    DeletedRole = Qt::UserRole,   // bool: the record comes from deleted data
    CheckableRole = 356,          // bool, column 0: the record's box may be used
    CheckStateRole = 357,         // int, column 0: the record's check state, 0 or 2
    SizeRole = 358,               // qint64: size in bytes
    TimeRole = 359,               // qint64: the record's time (date column)
    ContactTextRole = 360,        // QString: the contact picture's file
    ColorRole = 361,              // QColor: a row colour
    RecordRole = 362,             // QVariant: the whole record
    ThumbnailSilentRole = 364,    // QPixmap, set without a change notification
    ThumbnailRole = 365           // QPixmap, set with one
};

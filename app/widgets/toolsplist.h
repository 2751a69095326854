#pragma once

#include <QMultiMap>
#include <QObject>
#include <QString>

#include <plist/plist.h>

// One country of the table: its code, telephone prefix and names.
struct CountryInfo
{
    QString CountryCode;
    QString CountryNumberPre;
    QString EN_Name;
    QString LOCAL_Name;
    QString ZN_Name;
};

// Reads a table of countries from a property list (binary, or XML with or
// without a UTF-8 byte-order mark) whose root is an array of dictionaries.
class ToolsPlist : public QObject
{
    Q_OBJECT

public:
    explicit ToolsPlist(const QString &path, QObject *parent = nullptr);

    // Parses the file; on success *root holds the parsed root, which the
    // caller frees with plist_free().
    bool readPlist(plist_t *root) const;
    // The countries by code, several allowed per code (values() gives the
    // later first); those without a code are left out. Empty for a file that cannot be read or
    // parsed, or whose root is not an array of dictionaries.
    QMultiMap<QString, CountryInfo> countryTable() const;

private:
    QString m_path;
};

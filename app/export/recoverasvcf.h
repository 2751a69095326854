#pragma once

#include "recovererror.h"

#include <QObject>
#include <QScopedPointer>
#include <QString>

namespace DeviceData {
struct ContactInfo;
}

class RecoverAsVcfPrivate;

// The address book of an export: vCard 3.0 cards, one after the other, in
// UTF-8, lines ending in CR LF, values escaped so that no text from the
// device can end a card or add a property.
class RecoverAsVcf : public QObject
{
    Q_OBJECT

public:
    explicit RecoverAsVcf(QObject *parent = nullptr);
    ~RecoverAsVcf() override;

    // As RecoverAsCsv::open.
    bool open(const QString &path);
    void close();

    // Appends the contact's card; false (and sigError) when it could not be
    // written.
    bool vcardFromContact(const DeviceData::ContactInfo &contact);

    // A text value escaped: \ , ; and each line break (CR LF, CR, LF).
    static QString escapeValue(const QString &text);
    // A parameter value: control characters and '"' dropped, quoted when it
    // holds ';', ':' or ','.
    static QString parameterValue(const QString &text);
    // "_$!<Home>!$_" -> "Home"; a label without the markers is its own word.
    static QString typeWord(const QString &label);

signals:
    void sigError(RecoverError::ErrorType err);

private:
    friend class RecoverAsVcfPrivate;
    QScopedPointer<RecoverAsVcfPrivate> d;
};

#include "recoverasvcf.h"

#include "devicedata.h"
#include "exporttextfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

class RecoverAsVcfPrivate
{
public:
    explicit RecoverAsVcfPrivate(RecoverAsVcf *owner) : q(owner) {}

    void line(const QString &property, const QString &value)
    {
        file.stream() << property << ':' << value << QLatin1String("\r\n");
    }

    RecoverAsVcf *q;
    ExportTextFile file;
};

RecoverAsVcf::RecoverAsVcf(QObject *parent) : QObject(parent), d(new RecoverAsVcfPrivate(this)) {}

RecoverAsVcf::~RecoverAsVcf()
{
    close();
}

bool RecoverAsVcf::open(const QString &path)
{
    RecoverError::ErrorType error = RecoverError::NoError;
    if (d->file.open(path, error))
        return true;
    emit sigError(error);
    return false;
}

void RecoverAsVcf::close()
{
    const RecoverError::ErrorType error = d->file.close();
    if (error != RecoverError::NoError)
        emit sigError(error);
}

QString RecoverAsVcf::escapeValue(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == '\\' || c == ',' || c == ';') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += QLatin1String("\\n");
            if (i + 1 < text.size() && text.at(i + 1) == '\n')
                ++i;
        } else if (c == '\n') {
            out += QLatin1String("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

QString RecoverAsVcf::parameterValue(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c == '"')
            continue;
        out += c;
    }
    if (out.contains(';') || out.contains(':') || out.contains(','))
        return '"' + out + '"';
    return out;
}

QString RecoverAsVcf::typeWord(const QString &label)
{
    static const QRegularExpression marked(QStringLiteral("_\\$!<(.+)>!\\$_"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = marked.match(label);
    return match.hasMatch() ? match.captured(1) : label;
}

namespace {

QString joinEscaped(const QStringList &parts, const QString &lastSeparator)
{
    QString out;
    for (int i = 0; i < parts.size(); ++i) {
        if (i)
            out += i + 1 == parts.size() ? lastSeparator : QStringLiteral(";");
        out += RecoverAsVcf::escapeValue(parts.at(i));
    }
    return out;
}

// The stored lines of an address, last first, the first line set apart by
// an empty component.
QString addressValue(const QString &stored)
{
    QStringList parts = stored.split(QStringLiteral("<br>"));
    std::reverse(parts.begin(), parts.end());
    return joinEscaped(parts, QStringLiteral(";;"));
}

} // namespace

bool RecoverAsVcf::vcardFromContact(const DeviceData::ContactInfo &contact)
{
    if (!d->file.isOpen())
        return false;
    const auto type = [](const QString &label) { return parameterValue(typeWord(label)); };

    d->line(QStringLiteral("BEGIN"), QStringLiteral("VCARD"));
    d->line(QStringLiteral("VERSION"), QStringLiteral("3.0"));
    d->line(QStringLiteral("FN"), escapeValue(contact.sortName));
    d->line(QStringLiteral("N"), joinEscaped({contact.lastName, contact.firstName, contact.middleName},
                                             QStringLiteral(";")));
    d->line(QStringLiteral("ORG"), escapeValue(contact.organization));
    d->line(QStringLiteral("NICKNAME"), escapeValue(contact.nickname));
    d->line(QStringLiteral("BDAY;VALUE=DATE"), escapeValue(contact.birthday));
    for (const auto &entry : contact.phones)
        d->line(QStringLiteral("TEL;TYPE=%1").arg(type(entry.first)), escapeValue(entry.second));
    for (const auto &entry : contact.emails)
        d->line(QStringLiteral("EMAIL;TYPE=%1").arg(type(entry.first)), escapeValue(entry.second));
    for (const auto &entry : contact.urls)
        d->line(QStringLiteral("URL;TYPE=%1").arg(type(entry.first)), escapeValue(entry.second));

    int item = 1;
    for (const auto &entry : contact.addresses) {
        d->line(QStringLiteral("item%1.ADR;TYPE=%2").arg(item).arg(type(entry.first)), addressValue(entry.second));
        d->line(QStringLiteral("item%1.X-ABADR").arg(item), escapeValue(contact.countryCode));
        ++item;
    }
    for (const auto &entry : contact.dates) {
        d->line(QStringLiteral("item%1.X-ABDATE;TYPE=%2").arg(item).arg(type(entry.first)), escapeValue(entry.second));
        d->line(QStringLiteral("item%1.X-ABLABEL").arg(item), escapeValue(entry.first));
        ++item;
    }
    for (const auto &entry : contact.relatedNames) {
        d->line(QStringLiteral("item%1.X-ABRELATEDNAMES;TYPE=%2").arg(item).arg(type(entry.first)),
                escapeValue(entry.second));
        d->line(QStringLiteral("item%1.X-ABLABEL").arg(item), escapeValue(entry.first));
        ++item;
    }
    for (const DeviceData::LabelledValues *list : {&contact.socialProfiles, &contact.instantMessaging}) {
        for (const auto &entry : *list) {
            d->line(QStringLiteral("item%1.IMPP;X-SERVICE-TYPE=%2").arg(item).arg(type(entry.first)),
                    escapeValue(entry.second));
            d->line(QStringLiteral("item%1.X-ABLABEL").arg(item), QString());
            ++item;
        }
    }
    d->line(QStringLiteral("NOTE"), escapeValue(contact.note));

    QByteArray photo;
    if (!contact.photoPath.isEmpty()) {
        QFile file(contact.photoPath);
        if (file.open(QIODevice::ReadOnly))
            photo = file.readAll();
    }
    d->line(QStringLiteral("PHOTO;ENCODING=b;TYPE=JPEG"), QString::fromLatin1(photo.toBase64()));
    d->line(QStringLiteral("END"), QStringLiteral("VCARD"));

    const RecoverError::ErrorType error = d->file.writeError();
    if (error == RecoverError::NoError)
        return true;
    emit sigError(error);
    return false;
}

// A contact from a device written as a vCard 3.0 card, as the export writes
// the address book, and read back: the card has exactly the lines the writer
// means (no text ends it or adds a property), and every value reads back as
// its text, line breaks as "\n".
#include "devicedata.h"
#include "fuzzsupport.h"
#include "recoverasvcf.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <optional>

using DeviceData::ContactInfo;
using DeviceData::LabelledValues;

namespace
{
    QString g_path;
    QString g_wrote;

    [[noreturn]] void fail(const QString &what)
    {
        std::fprintf(stderr, "vCard round trip: %s\ncard:\n%s\n", qPrintable(what), qPrintable(g_wrote));
        std::abort();
    }

    QString text(FuzzedDataProvider &input)
    {
        return QString::fromStdString(input.ConsumeRandomLengthString(64));
    }

    LabelledValues entries(FuzzedDataProvider &input)
    {
        LabelledValues list;
        const int count = input.ConsumeIntegralInRange(0, 2);
        for (int i = 0; i < count; ++i) {
            const QString label = text(input);
            list.append({label, text(input)});
        }
        return list;
    }

    // A text as vCard keeps it: every line break is one "\n".
    QString normalised(QString value)
    {
        return value.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
    }

    // Splits a value at its unescaped ';' and undoes the escapes; nothing
    // for an escape the writer never makes.
    std::optional<QStringList> components(const QString &value)
    {
        QStringList parts(QString {});
        for (int i = 0; i < value.size(); ++i) {
            const QChar c = value.at(i);
            if (c == ';') {
                parts.append(QString());
            } else if (c == '\\') {
                if (++i >= value.size())
                    return std::nullopt;
                const QChar e = value.at(i);
                if (e == 'n' || e == 'N')
                    parts.last() += '\n';
                else if (e == '\\' || e == ',' || e == ';')
                    parts.last() += e;
                else
                    return std::nullopt;
            } else {
                parts.last() += c;
            }
        }
        return parts;
    }

    struct Line
    {
        QString name; // with its group: "item1.ADR"
        QString parameters;
        QString value;
    };

    Line split(const QString &line)
    {
        bool quoted = false;
        for (int i = 0; i < line.size(); ++i) {
            const QChar c = line.at(i);
            if (c == '"')
                quoted = !quoted;
            if (c == ':' && !quoted) {
                const QString head = line.left(i);
                const int semicolon = head.indexOf(';');
                return {head.left(semicolon), semicolon < 0 ? QString() : head.mid(semicolon + 1), line.mid(i + 1)};
            }
        }
        fail("a line without a value: " + line);
    }

    class Card
    {
    public:
        explicit Card(const QStringList &lines) : m_lines(lines) {}

        // The next line must be this property; its value's components.
        QStringList next(const QString &name)
        {
            if (m_at >= m_lines.size())
                fail("the card ends before " + name);
            const Line line = split(m_lines.at(m_at++));
            if (line.name != name)
                fail("expected " + name + ", found " + line.name);
            for (const QChar c : line.parameters) {
                if (c.category() == QChar::Other_Control)
                    fail("a control character in the parameters of " + name);
            }
            const auto parts = components(line.value);
            if (!parts)
                fail("an escape the writer never makes in " + name);
            return *parts;
        }

        void expect(const QString &name, const QStringList &texts)
        {
            QStringList wanted;
            for (const QString &t : texts)
                wanted << normalised(t);
            const QStringList read = next(name);
            if (read != wanted)
                fail(name + " reads back as [" + read.join('|') + "], not [" + wanted.join('|') + "]");
        }

        void expect(const QString &name, const QString &value) { expect(name, QStringList {value}); }

        void end()
        {
            if (m_at != m_lines.size())
                fail("lines after the end: " + m_lines.mid(m_at).join(" / "));
        }

    private:
        QStringList m_lines;
        int m_at = 0;
    };
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzzsupport::initQt(argc, argv);
    g_path = QString::fromStdString(fuzzsupport::freshFolder("vcard") + "/contacts.vcf");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    ContactInfo contact;
    contact.sortName = text(input);
    contact.firstName = text(input);
    contact.middleName = text(input);
    contact.lastName = text(input);
    contact.organization = text(input);
    contact.nickname = text(input);
    contact.birthday = text(input);
    contact.countryCode = text(input);
    contact.note = text(input);
    contact.phones = entries(input);
    contact.emails = entries(input);
    contact.urls = entries(input);
    contact.addresses = entries(input);
    contact.dates = entries(input);
    contact.relatedNames = entries(input);
    contact.socialProfiles = entries(input);
    contact.instantMessaging = entries(input);
    {
        RecoverAsVcf vcf;
        if (!vcf.open(g_path) || !vcf.vcardFromContact(contact))
            std::abort();
    }
    QFile file(g_path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    const QByteArray bytes = file.readAll();
    g_wrote = QString::fromUtf8(bytes.constData(), bytes.size()); // NULs included
    if (!g_wrote.endsWith(QLatin1String("\r\n")))
        fail("no line break at the end");
    QStringList lines = g_wrote.split(QLatin1String("\r\n"));
    lines.removeLast();

    Card card(lines);
    card.expect("BEGIN", "VCARD");
    card.expect("VERSION", "3.0");
    card.expect("FN", contact.sortName);
    card.expect("N", QStringList {contact.lastName, contact.firstName, contact.middleName});
    card.expect("ORG", contact.organization);
    card.expect("NICKNAME", contact.nickname);
    card.expect("BDAY", contact.birthday);
    for (const auto &entry : contact.phones)
        card.expect("TEL", entry.second);
    for (const auto &entry : contact.emails)
        card.expect("EMAIL", entry.second);
    for (const auto &entry : contact.urls)
        card.expect("URL", entry.second);
    int item = 1;
    for (const auto &entry : contact.addresses) {
        // The stored lines, last first, the last one set apart by an empty component.
        QStringList lines = entry.second.split(QStringLiteral("<br>"));
        std::reverse(lines.begin(), lines.end());
        if (lines.size() > 1)
            lines.insert(lines.size() - 1, QString());
        const QString group = QStringLiteral("item%1.").arg(item++);
        card.expect(group + "ADR", lines);
        card.expect(group + "X-ABADR", contact.countryCode);
    }
    for (const auto *list : {&contact.dates, &contact.relatedNames}) {
        for (const auto &entry : *list) {
            const QString group = QStringLiteral("item%1.").arg(item++);
            card.expect(group + (list == &contact.dates ? "X-ABDATE" : "X-ABRELATEDNAMES"), entry.second);
            card.expect(group + "X-ABLABEL", entry.first);
        }
    }
    for (const auto *list : {&contact.socialProfiles, &contact.instantMessaging}) {
        for (const auto &entry : *list) {
            const QString group = QStringLiteral("item%1.").arg(item++);
            card.expect(group + "IMPP", entry.second);
            card.expect(group + "X-ABLABEL", QString());
        }
    }
    card.expect("NOTE", contact.note);
    card.expect("PHOTO", QString());
    card.expect("END", "VCARD");
    card.end();
    return 0;
}

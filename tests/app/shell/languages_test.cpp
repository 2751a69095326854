// Every language of the menu, through the real window and pages: one text of
// each part of the program follows the switch and reads as the language's
// .ts file has it, every text the program looks up in its own contexts has a
// translation, and English comes back.
#include "maininterfacefrm.h"
#include "maininterfacetitlefrm.h"
#include "homepagefrm.h"
#include "moduleregistry.h"
#include "upgradedialog.h"
#include "ctoolbar.h"
#include "recoverascsv.h"
#include "chatsummarytexts.h"
#include "shellinit.h"
#include "vlog.h"
#include "widgetkit.h"
#include "modaldriver.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace
{
    using Key = QPair<QString, QString>; // context, source

    // The finished translations of one .ts file, and the contexts it has.
    struct TsFile
    {
        QHash<Key, QString> texts;
        QSet<QString> contexts;

        QString text(const char *context, const char *source) const
        {
            return texts.value({QLatin1String(context), QString::fromUtf8(source)});
        }
    };

    TsFile readTs(const QString &language)
    {
        TsFile ts;
        QFile file(QStringLiteral(QUENROW_TS_DIR "/%1.ts").arg(language));
        if (!file.open(QIODevice::ReadOnly))
            return ts;
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
                ts.contexts.insert(context);
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ts.texts.insert({context, source}, xml.readElementText(QXmlStreamReader::IncludeChildElements));
            } else if (xml.name() != QLatin1String("TS") && xml.name() != QLatin1String("context")
                       && xml.name() != QLatin1String("message")) {
                xml.skipCurrentElement();
            }
        }
        return ts;
    }

    // Installed first, so asked last: it hears only what no other translator
    // answered, and notes it when the context is one of the program's own.
    class MissedLookups : public QTranslator
    {
    public:
        QSet<QString> ownContexts;
        mutable QSet<Key> missed;

        bool isEmpty() const override { return false; }

        QString translate(const char *context, const char *source, const char * /*disambiguation*/,
                          int /*n*/) const override
        {
            const QString name = QString::fromUtf8(context);
            if (ownContexts.contains(name))
                missed.insert({name, QString::fromUtf8(source)});
            return QString();
        }
    };

    QString csvHeaderFirstColumn()
    {
        QTemporaryDir folder;
        RecoverAsCsv csv;
        const QString path = folder.filePath(QStringLiteral("calls.csv"));
        if (!csv.open(path) || !csv.writeCallHistoryHeader())
            return QStringLiteral("<not written>");
        csv.close();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QChar(0xFEFF)))
            line.remove(0, 1);
        return line.section(QLatin1Char(','), 3, 3).remove(QLatin1Char('"'));
    }
}

class LanguagesTest : public QObject
{
    Q_OBJECT

    QScopedPointer<MainInterfaceFrm> window;
    MissedLookups missed;
    QTemporaryDir backups;

    QString shownTitle() { return window->titleFrm()->titleText(); }

    // What the window's widgets hold as it is built: the window looks each
    // of them up again on a switch, translatable or not (a name, a number).
    QSet<QString> textsAtBirth() const
    {
        QSet<QString> texts;
        for (const QLabel *label : window->findChildren<QLabel *>())
            texts << label->text() << label->toolTip();
        for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
            texts << button->text();
        for (const QMenu *menu : window->findChildren<QMenu *>()) {
            texts << menu->title();
            for (const QAction *action : menu->actions())
                texts << action->text();
        }
        for (const QLineEdit *edit : window->findChildren<QLineEdit *>())
            texts << edit->placeholderText();
        for (const QListWidget *list : window->findChildren<QListWidget *>()) {
            for (int row = 0; row < list->count(); ++row)
                texts << list->item(row)->text();
        }
        for (const QTableWidget *table : window->findChildren<QTableWidget *>()) {
            for (int column = 0; column < table->columnCount(); ++column) {
                if (const QTableWidgetItem *item = table->horizontalHeaderItem(column))
                    texts << item->text();
            }
        }
        return texts;
    }

    // One text of each part, as the window shows it now.
    QStringList representativeTexts()
    {
        CToolBar bar;
        bar.setBarType(1);
        const auto *checkAll = bar.findChild<QCheckBox *>();
        const auto *remind = window->upgradeDialog()->findChild<QPushButton *>(QStringLiteral("SecondaryButton"));
        const auto *close = window->titleFrm()->findChild<QPushButton *>(QStringLiteral("ButtonClose"));
        return {window->menu()->actions().at(0)->text(),
                remind ? remind->text() : QStringLiteral("<no button>"),
                shownTitle(),
                checkAll ? checkAll->text() : QStringLiteral("<no check box>"),
                QObject::tr("Individual message"),
                waSystemMessageText(QStringLiteral("Ann was added")),
                csvHeaderFirstColumn(),
                close ? close->accessibleName() : QStringLiteral("<no close button>")};
    }

    static QStringList expectedTexts(const TsFile &ts)
    {
        return {ts.text("QObject", "About"),
                ts.text("QObject", "Remind Me Later"),
                QStringLiteral("Quenrow (iOS) > ") + ts.text("QObject", "Recover Data from iTunes Backup"),
                ts.text("QObject", "Select All"),
                ts.text("QObject", "Individual message"),
                QStringLiteral("Ann ") + ts.text("QObject", "was added"),
                ts.text("RecoverAsCsv", "Call Type"),
                ts.text("QObject", "Close")};
    }

private slots:
    void initTestCase()
    {
        qputenv("QUENROW_ITUNES_BACKUP_ROOT", backups.path().toUtf8());
        initWidgetKit();
        initShell();
        QCoreApplication::setOrganizationName(QStringLiteral("Brandle"));
        QCoreApplication::setApplicationName(QStringLiteral("Quenrow(iOS)"));
        vlogInit();
        missed.ownContexts = readTs(QStringLiteral("en-us")).contexts;
        QVERIFY(missed.ownContexts.contains(QStringLiteral("QObject")));
        QCoreApplication::installTranslator(&missed);
    }

    void cleanup()
    {
        ModalDriver::clear();
        window.reset();
        QSettings().remove(QStringLiteral("Language"));
    }

    void eachLanguageReachesEveryPart_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("file");
        const char *const files[] = {"it-it", "ru-ru", "de-de", "fr-fr", "es-es", "pt-pt", "ja-ja", "zh-cn", "zh-tw"};
        for (int i = 0; i < 9; ++i)
            QTest::newRow(files[i]) << 6 + i << QString::fromLatin1(files[i]);
    }

    void eachLanguageReachesEveryPart()
    {
        QFETCH(int, id);
        QFETCH(QString, file);
        const TsFile ts = readTs(file);
        QVERIFY(!ts.texts.isEmpty());

        window.reset(new MainInterfaceFrm);
        const QSet<QString> recorded = textsAtBirth();
        window->switchLanguage(5);
        emit window->homePage()->sigRecoverFromiTunesClicked();
        const QStringList english = representativeTexts();

        missed.missed.clear();
        window->switchLanguage(id);
        QCoreApplication::processEvents();
        const QStringList shown = representativeTexts();
        const QStringList expected = expectedTexts(ts);
        for (int i = 0; i < shown.size(); ++i) {
            QVERIFY2(!expected.at(i).isEmpty() && shown.at(i) == expected.at(i),
                     qPrintable(QStringLiteral("%1: shown \"%2\", the file has \"%3\"")
                                    .arg(i)
                                    .arg(shown.at(i), expected.at(i))));
            QVERIFY2(shown.at(i) != english.at(i), qPrintable(shown.at(i)));
        }
        // The other pages come up in the language too, with nothing missing.
        emit window->homePage()->sigRecoverFromiCloudClicked();
        QCoreApplication::processEvents();
        emit window->homePage()->sigRecoverFromiOSDeviceClicked();
        QCoreApplication::processEvents();
        QStringList missing;
        for (const Key &key : qAsConst(missed.missed)) {
            if (key.first != QLatin1String("QObject") || !recorded.contains(key.second))
                missing << key.first + QStringLiteral(": ") + key.second;
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));

        emit window->homePage()->sigRecoverFromiTunesClicked();
        window->switchLanguage(5);
        QCoreApplication::processEvents();
        QCOMPARE(representativeTexts(), english);
    }

    void englishWordsTheTyposOfTheKeys()
    {
        window.reset(new MainInterfaceFrm);
        window->switchLanguage(5);
        QCOMPARE(waSystemMessageText(QStringLiteral("Bob created group \"x\"")),
                 QStringLiteral("Bob created group \"x\""));
        QCOMPARE(waSystemMessageText(QStringLiteral("You became an admin")),
                 QString::fromUtf8("You’re now an admin"));
        QCOMPARE(QCoreApplication::translate("DeviceParser", "%1 and %n other contact(s)", nullptr, 1).arg("Ann"),
                 QStringLiteral("Ann and 1 other contact"));
        QCOMPARE(QCoreApplication::translate("DeviceParser", "%1 and %n other contact(s)", nullptr, 3).arg("Ann"),
                 QStringLiteral("Ann and 3 other contacts"));
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"

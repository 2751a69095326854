#include "exportpages.h"
#include "exportseeds.h"
#include "jsondatafile.h"
#include "tableexportjob.h"

#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace DeviceData;

namespace {

int countOf(const QString &text, const QString &pattern)
{
    return text.count(QRegularExpression(pattern));
}

QStringList cellTexts(const QString &dom, const QString &tag)
{
    QStringList texts;
    QRegularExpression cell(QStringLiteral("<%1(?:\\s[^>]*)?>(.*?)</%1>").arg(tag),
                            QRegularExpression::DotMatchesEverythingOption);
    auto it = cell.globalMatch(dom);
    while (it.hasNext())
        texts << it.next().captured(1);
    return texts;
}

} // namespace

// The table page as a browser shows it: headless Chromium renders the
// exported folders and prints the DOM after the page's script ran.
class TablePageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerMetaTypes();
        QVERIFY(m_dir.isValid());
        m_chromium = QStandardPaths::findExecutable("chromium");
        QVERIFY2(!m_chromium.isEmpty(), "chromium is needed (make setup installs it)");
        m_categories = seedCategories(m_dir.filePath("source"));
        std::atomic<bool> running {true};
        for (const SeedCategory &category : m_categories)
            TableExportJob::run(m_dir.filePath("export/" + category.name), category.name, category.id,
                                category.records, running, QStringLiteral(RESOURCES_FOLDER), {});
    }

    void categoryPages_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < m_categories.size(); ++i)
            QTest::newRow(qPrintable(m_categories.at(i).name)) << i;
    }
    void categoryPages()
    {
        QFETCH(int, index);
        const SeedCategory &category = m_categories.at(index);
        const QString folder = m_dir.filePath("export/" + category.name);
        const QString dom = render(folder + '/' + category.name + ".html");
        QVERIFY2(dom.contains("data-rendered=\"ok\""), qPrintable(dom.left(2000)));
        QCOMPARE(cellTexts(dom, "h1"), QStringList {category.name});
        QCOMPARE(cellTexts(dom, "title"), QStringList {"Quenrow (iOS)"});
        QVERIFY(dom.contains("Please press \"Ctrl\" + \"F\" to search."));

        if (category.id == Contacts) {
            QCOMPARE(countOf(dom, "<table class=\"contact\""), category.checked);
            QCOMPARE(countOf(dom, "<img "), category.checked);
            QVERIFY(dom.contains("src=\"./resource/ATIcon/defult-user.png\""));
            QVERIFY(dom.contains("Mobile Number"));
            QVERIFY(dom.contains("+1(555)010-0199"));
            QVERIFY(dom.contains("=Bob"));
            QVERIFY(dom.contains("1 Main St<br>Springfield"));
            // Only web addresses become links.
            QVERIFY(dom.contains("javascript:alert(1)"));
            QVERIFY(!dom.contains("href=\"javascript:"));
            return;
        }
        const QJsonObject table = QJsonDocument::fromJson(
            readBytes(folder + "/json/links.js").mid(int(strlen("window.links_dict=")))).object();
        QCOMPARE(cellTexts(dom, "th"), table.value("header").toString().split('|'));
        QCOMPARE(countOf(dom, "<tr data-id="), category.checked);
        QCOMPARE(countOf(dom, "<img"), 0);
        QCOMPARE(countOf(dom, "<script"), 3);
        QVERIFY(!dom.contains("href=\"javascript:"));
    }

    void rowsShowTheirTexts()
    {
        const QString dom = render(m_dir.filePath("export/Call History/Call History.html"));
        const QStringList cells = cellTexts(dom, "td");
        QCOMPARE(cells.mid(0, 5), (QStringList {"Ann \"Boss\" Lee", "+15550100", "2024-01-02 03:04:05",
                                                "Outgoing Call", "00:01:05"}));
        QCOMPARE(cells.at(5), QString("-HYPERLINK(\"http://x\")"));
        QCOMPARE(cells.at(8), QString("Incoming Call"));
    }

    void filesAndLinks()
    {
        const QString notes = render(m_dir.filePath("export/Notes/Notes.html"));
        // The attachment link points into resource/, each segment encoded.
        QVERIFY2(notes.contains("href=\"./resource/Attachment/gone.pdf\""), qPrintable(notes));
        const QString memos = render(m_dir.filePath("export/Voice Memos/Voice Memos.html"));
        QVERIFY2(memos.contains("href=\"./resource/Attachment/Idea_%20song.m4a\""), qPrintable(memos));
        const QString history = render(m_dir.filePath("export/Safari Bookmarks/Safari Bookmarks.html"));
        QVERIFY(history.contains("<a href=\"https://example.com/\""));
        QCOMPARE(countOf(history, "<a "), 1);
    }

    // Texts that would be markup or code stay text: no element is made,
    // the title stays, the script runs to its end.
    void injectionStaysText()
    {
        const QString folder = m_dir.filePath("inject");
        QJsonObject row {{"id", 0},
                         {"title", "<img src=x onerror=\"document.title='owned'\">"},
                         {"link_url", "javascript:document.title='owned'"},
                         {"time", "</script><script>document.title='owned'</script>"}};
        QJsonObject second {{"id", 1}, {"title", "\"]};document.title='owned'//"},
                            {"link_url", QString::fromUtf8("a\u2028b\u2029c")}, {"time", ""}};
        const QJsonObject table {{"header", "<b>Title</b>|URL|Date"}, {"links", QJsonArray {row, second}}};
        QVERIFY(ExportPages::writeJsonObjectFile(folder + "/json", table, "links.js", "window.links_dict="));
        QVERIFY(ExportPages::writeHeaderFile(folder + "/json", "<i>History</i>", "x", SafariHistory,
                                             "links-common.js", "window.links_common=", "", ""));
        QVERIFY(ExportPages::writeHtmlPage(folder, "page", SafariHistory, ""));
        const QString dom = render(folder + "/page.html");
        QVERIFY2(dom.contains("data-rendered=\"ok\""), qPrintable(dom));
        QCOMPARE(cellTexts(dom, "title"), QStringList {"Quenrow (iOS)"});
        QCOMPARE(countOf(dom, "<img"), 0);
        QCOMPARE(countOf(dom, "<b>"), 0);
        QCOMPARE(countOf(dom, "<i>"), 0);
        QCOMPARE(countOf(dom, "<a "), 0);
        QCOMPARE(countOf(dom, "<script"), 3);
        QVERIFY(dom.contains("&lt;img src=x onerror=\"document.title='owned'\"&gt;"));
        QVERIFY(dom.contains("&lt;i&gt;History&lt;/i&gt;"));
        QCOMPARE(countOf(dom, "<tr data-id="), 2);
    }

    void unknownTypeShowsNoTable()
    {
        const QString folder = m_dir.filePath("unknown");
        const QJsonObject table {{"header", "A|B"}, {"links", QJsonArray {QJsonObject {{"id", 0}, {"title", "x"}}}}};
        QVERIFY(ExportPages::writeJsonObjectFile(folder + "/json", table, "links.js", "window.links_dict="));
        QJsonObject header = ExportPages::headerObject("Heading", "Heading", 16, "", "");
        header.insert("messageType", "bogus");
        QVERIFY(JsonDataFile::writeFile(folder + "/json", "links-common.js", "window.links_common=", header));
        QVERIFY(ExportPages::writeHtmlPage(folder, "page", CallHistory, ""));
        const QString dom = render(folder + "/page.html");
        QVERIFY(dom.contains("data-rendered=\"ok\""));
        QCOMPARE(cellTexts(dom, "h1"), QStringList {"Heading"});
        QCOMPARE(countOf(dom, "<table"), 0);
    }

    void missingDataStillRenders()
    {
        const QString folder = m_dir.filePath("nodata");
        QDir().mkpath(folder);
        QVERIFY(ExportPages::writeHtmlPage(folder, "page", Notes, ""));
        const QString dom = render(folder + "/page.html");
        QVERIFY(dom.contains("data-rendered=\"ok\""));
        QCOMPARE(countOf(dom, "<table"), 0);
    }

private:
    QString render(const QString &page)
    {
        QTemporaryDir profile(m_dir.filePath("profile-XXXXXX"));
        QProcess chromium;
        chromium.setProgram(m_chromium);
        chromium.setArguments({"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                               "--disable-extensions", "--disable-background-networking", "--disable-sync",
                               "--user-data-dir=" + profile.path(), "--dump-dom",
                               QUrl::fromLocalFile(page).toString(QUrl::FullyEncoded)});
        chromium.setProcessChannelMode(QProcess::SeparateChannels);
        chromium.start();
        if (!chromium.waitForFinished(90000)) {
            chromium.kill();
            chromium.waitForFinished();
            qWarning() << "chromium did not finish";
            return {};
        }
        return QString::fromUtf8(chromium.readAllStandardOutput());
    }

    QTemporaryDir m_dir;
    QString m_chromium;
    QList<SeedCategory> m_categories;
};

QTEST_GUILESS_MAIN(TablePageTest)
#include "tablepage_test.moc"

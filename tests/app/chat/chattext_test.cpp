#include "chattext.h"

#include <QtTest>

class ChatTextTest : public QObject
{
    Q_OBJECT

private slots:
    void plain_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("sent");
        QTest::newRow("no entity") << "fish & chips" << "fish & chips";
        QTest::newRow("the store's entities") << "&lt;b&gt;x&lt;/b&gt;" << "<b>x</b>";
        QTest::newRow("other entities stay") << "&amp; &quot;" << "&amp; &quot;";
    }

    void plain()
    {
        QFETCH(QString, stored);
        QFETCH(QString, sent);
        QCOMPARE(ChatText::plain(stored), sent);
    }

    void marked_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("markup");
        const QString open = QStringLiteral("<font color=\"#558AF8\">");
        QTest::newRow("markup is text") << "<b>x</b>" << "" << "&lt;b&gt;x&lt;/b&gt;";
        QTest::newRow("keyword, any case") << "Fish FISH" << "fish"
                                           << open + "Fish</font> " + open + "FISH</font>";
        // The keyword is found in the text as sent, never inside an entity.
        QTest::newRow("keyword amp") << "fish & chips" << "amp" << "fish &amp; chips";
        QTest::newRow("keyword &amp") << "a &amp b" << "&amp" << "a " + open + "&amp;amp</font> b";
        QTest::newRow("keyword <") << "1 < 2" << "<" << "1 " + open + "&lt;</font> 2";
    }

    void marked()
    {
        QFETCH(QString, plain);
        QFETCH(QString, keyword);
        QFETCH(QString, markup);
        QCOMPARE(ChatText::marked(plain, keyword), markup);
    }

    void message_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("markup");
        const QString open = QStringLiteral("<font color=\"#558AF8\">");
        QTest::newRow("markup and an image tag are text")
            << "<i>hi</i> & <img src=x>" << "" << "&lt;i&gt;hi&lt;/i&gt; &amp; &lt;img src=x&gt;";
        QTest::newRow("line breaks") << "one\ntwo\r\nthree" << "" << "one<br>two<br>three";
        QTest::newRow("http link") << "see http://example.com/a now" << ""
                                   << "see <a href=\"http://example.com/a\">http://example.com/a</a> now";
        QTest::newRow("https link, its & escaped")
            << "https://example.com/?a=1&b=2" << ""
            << "<a href=\"https://example.com/?a=1&amp;b=2\">https://example.com/?a=1&amp;b=2</a>";
        QTest::newRow("javascript is no link") << "javascript:alert(1)" << "" << "javascript:alert(1)";
        QTest::newRow("file is no link") << "file:///etc/passwd" << "" << "file:///etc/passwd";
        QTest::newRow("a quote ends a link") << "http://a.com\"onclick=x" << ""
                                             << "<a href=\"http://a.com\">http://a.com</a>&quot;onclick=x";
        QTest::newRow("first mobile number underlined")
            << "call 13812345678 or 13912345678" << ""
            << "call <u><font color=\"blue\">13812345678</font></u> or 13912345678";
        QTest::newRow("no number inside a link")
            << "http://a.com/13812345678 13912345678" << ""
            << "<a href=\"http://a.com/13812345678\">http://a.com/13812345678</a> "
                   "<u><font color=\"blue\">13912345678</font></u>";
        QTest::newRow("keyword inside a link") << "http://shop.com" << "shop"
                                               << "<a href=\"http://shop.com\">http://" + open
                                                      + "shop</font>.com</a>";
        QTest::newRow("keyword over a number") << "13812345678" << "1234"
                                               << "<u><font color=\"blue\">138</font></u><u>" + open
                                                      + "1234</font></u><u><font color=\"blue\">5678</font></u>";
        QTest::newRow("keyword amp in a text") << "fish & chips" << "amp" << "fish &amp; chips";
    }

    void message()
    {
        QFETCH(QString, plain);
        QFETCH(QString, keyword);
        QFETCH(QString, markup);
        QCOMPARE(ChatText::message(plain, keyword), markup);
    }

    void linkTarget_data()
    {
        QTest::addColumn<QString>("href");
        QTest::addColumn<QString>("target");
        QTest::newRow("http") << "http://example.com/a" << "http://example.com/a";
        QTest::newRow("https, escaped") << "https://example.com/?a=1&amp;b=2" << "https://example.com/?a=1&b=2";
        QTest::newRow("upper-case scheme") << "HTTPS://example.com" << "HTTPS://example.com";
        QTest::newRow("javascript") << "javascript:alert(1)" << "";
        QTest::newRow("file") << "file:///etc/passwd" << "";
        QTest::newRow("no scheme") << "example.com" << "";
        QTest::newRow("empty") << "" << "";
    }

    void linkTarget()
    {
        QFETCH(QString, href);
        QFETCH(QString, target);
        QCOMPARE(ChatText::linkTarget(href), target);
    }
};

QTEST_GUILESS_MAIN(ChatTextTest)
#include "chattext_test.moc"

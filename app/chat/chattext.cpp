#include "chattext.h"

#include "chatmessagejson.h"
#include "viewtext.h"

#include <QRegularExpression>
#include <QUrl>
#include <QVector>

namespace ChatText {

namespace {

const QRegularExpression &linkPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        "((http|https)://[\\w\\-_]+(\\.[\\w\\-_]+)+([\\w\\-\\.,@?^=%&:/~\\+#]*[\\w\\-@\\?^=%&/~\\+#])?)"));
    return pattern;
}

const QRegularExpression &phonePattern()
{
    static const QRegularExpression pattern(QStringLiteral("1[3-9]\\d{9}"));
    return pattern;
}

// Escaped text with its line breaks as <br>.
QString escapedLines(const QString &text)
{
    QString out = text.toHtmlEscaped();
    out.replace(QLatin1String("\r\n"), QLatin1String("<br>"));
    out.replace(QLatin1Char('\r'), QLatin1String("<br>"));
    out.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return out;
}

} // namespace

QString plain(const QString &stored)
{
    return plainMessageText(stored);
}

QString marked(const QString &plain, const QString &keyword)
{
    return ViewText::marked(plain, keyword);
}

QString message(const QString &plain, const QString &keyword)
{
    const int size = plain.size();
    // What each character of the plain text is part of: a link (its number,
    // -1 none), the underlined number, a keyword match.
    QVector<int> link(size, -1);
    QVector<bool> phone(size, false);
    QVector<bool> match(size, false);
    QVector<QString> targets;

    auto links = linkPattern().globalMatch(plain);
    while (links.hasNext()) {
        const QRegularExpressionMatch found = links.next();
        for (int i = found.capturedStart(); i < found.capturedEnd(); ++i)
            link[i] = targets.size();
        targets.append(found.captured());
    }
    auto phones = phonePattern().globalMatch(plain);
    while (phones.hasNext()) {
        const QRegularExpressionMatch found = phones.next();
        bool inLink = false;
        for (int i = found.capturedStart(); i < found.capturedEnd() && !inLink; ++i)
            inLink = link[i] >= 0;
        if (inLink)
            continue;
        for (int i = found.capturedStart(); i < found.capturedEnd(); ++i)
            phone[i] = true;
        break;
    }
    if (!keyword.isEmpty()) {
        for (int hit = plain.indexOf(keyword, 0, Qt::CaseInsensitive); hit >= 0;
             hit = plain.indexOf(keyword, hit + keyword.size(), Qt::CaseInsensitive)) {
            for (int i = hit; i < hit + keyword.size(); ++i)
                match[i] = true;
        }
    }

    const QString keywordOpen = QStringLiteral("<font color=\"%1\">").arg(QLatin1String(KeywordColour));
    QString out;
    int openLink = -1;
    for (int start = 0; start < size;) {
        int end = start + 1;
        while (end < size && link[end] == link[start] && phone[end] == phone[start] && match[end] == match[start])
            ++end;
        if (link[start] != openLink) {
            if (openLink >= 0)
                out += QLatin1String("</a>");
            openLink = link[start];
            if (openLink >= 0)
                out += QStringLiteral("<a href=\"%1\">").arg(targets.at(openLink).toHtmlEscaped());
        }
        QString run = escapedLines(plain.mid(start, end - start));
        if (match[start])
            run = keywordOpen + run + QLatin1String("</font>");
        else if (phone[start])
            run = QLatin1String("<font color=\"blue\">") + run + QLatin1String("</font>");
        if (phone[start])
            run = QLatin1String("<u>") + run + QLatin1String("</u>");
        out += run;
        start = end;
    }
    if (openLink >= 0)
        out += QLatin1String("</a>");
    return out;
}

QString linkTarget(const QString &href)
{
    QString target = href;
    target.replace(QLatin1String("&quot;"), QLatin1String("\""));
    target.replace(QLatin1String("&lt;"), QLatin1String("<"));
    target.replace(QLatin1String("&gt;"), QLatin1String(">"));
    target.replace(QLatin1String("&amp;"), QLatin1String("&"));
    const QUrl url(target, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QString();
    return target;
}

} // namespace ChatText

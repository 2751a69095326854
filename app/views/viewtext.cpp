#include "viewtext.h"

#include "formatutils.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QTextDocument>
#include <QTextOption>

namespace ViewText {

QString marked(const QString &raw, const QString &keyword)
{
    if (keyword.isEmpty())
        return raw.toHtmlEscaped();
    const QString colour = QString::fromLatin1(HighlightColour);
    QString out;
    int done = 0;
    for (int hit = raw.indexOf(keyword, 0, Qt::CaseInsensitive); hit >= 0;
         hit = raw.indexOf(keyword, done, Qt::CaseInsensitive)) {
        out += raw.mid(done, hit - done).toHtmlEscaped();
        const QString match = raw.mid(hit, keyword.size()).toHtmlEscaped();
        out += highlightKeyword(match, match, colour);
        done = hit + keyword.size();
    }
    return out + raw.mid(done).toHtmlEscaped();
}

QString markedLines(const QString &raw, const QString &keyword)
{
    QStringList lines = raw.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = marked(line, keyword);
    return lines.join(QStringLiteral("<br>"));
}

void layOutValue(QTextDocument &document, const QString &html, const QColor &colour, const QFont &font, int width,
                 Qt::Alignment alignment)
{
    document.setDocumentMargin(0);
    document.setDefaultFont(font);
    QTextOption textOption = document.defaultTextOption();
    textOption.setAlignment(alignment);
    textOption.setWrapMode(QTextOption::WrapAnywhere);
    document.setDefaultTextOption(textOption);
    document.setHtml(QStringLiteral("<font color=\"%1\">%2</font>").arg(colour.name(), html));
    document.setTextWidth(width);
}

QString toolTip(const QString &raw)
{
    if (!Qt::mightBeRichText(raw))
        return raw;
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(raw.toHtmlEscaped());
}

} // namespace ViewText

#pragma once

#include <QString>
#include <Qt>

class QColor;
class QFont;
class QTextDocument;

// Text from a device shown through rich-text renderers (the table cells, tool
// tips) without ever being read as markup.
namespace ViewText {

// The colour of keyword matches.
inline constexpr char HighlightColour[] = "#558AF8";

// raw escaped for HTML, with every case-insensitive match of keyword (found
// in raw, never inside an entity) wrapped in the highlight colour.
QString marked(const QString &raw, const QString &keyword);

// marked(), with each line break of raw kept as a break of the HTML.
QString markedLines(const QString &raw, const QString &keyword);

// Lays html (made by marked()) out in document as the detail panes draw a
// value: in colour and font, wrapping anywhere at width.
void layOutValue(QTextDocument &document, const QString &html, const QColor &colour, const QFont &font, int width,
                 Qt::Alignment alignment);

// A tool tip that shows raw as it stands: raw itself when Qt would show it as
// plain text, else raw escaped inside a paragraph that keeps its spaces.
QString toolTip(const QString &raw);

} // namespace ViewText

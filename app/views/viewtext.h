#pragma once

#include <QString>

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

// A tool tip that shows raw as it stands: raw itself when Qt would show it as
// plain text, else raw escaped inside a paragraph that keeps its spaces.
QString toolTip(const QString &raw);

} // namespace ViewText

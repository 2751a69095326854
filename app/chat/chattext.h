#pragma once

#include <QString>

// Text of a chat shown by the chat views: device text stays text. The store
// keeps message texts with "<" and ">" as entities; everything a view shows
// is made from the plain text, escaped as a whole, and only our own markup is
// added around pieces found in the plain text. The markup suits Qt Quick's
// Text.StyledText and QTextDocument alike.
namespace ChatText {

// The colour of keyword matches.
inline constexpr char KeywordColour[] = "#558AF8";

// A stored message text as it was sent: the two entities the store made back
// into "<" and ">". Anything else stays as it is.
QString plain(const QString &stored);

// plain escaped, every case-insensitive match of keyword highlighted.
QString marked(const QString &plain, const QString &keyword);

// What a message bubble shows: marked() plus http and https addresses as
// links, the first mobile number outside them underlined, and line breaks.
QString message(const QString &plain, const QString &keyword);

// The address a link of message() stands for, when it may be opened (http or
// https); empty otherwise.
QString linkTarget(const QString &href);

} // namespace ChatText

#pragma once

#include <QByteArray>
#include <QFont>
#include <QRegExp>
#include <QString>
#include <QStringList>

// Display texts made from raw values. Nothing here keeps state or reports an
// error: input that cannot be read gives a defined fallback text.

// 1536 -> "1.5KB"; 0 -> "0KB"; below 1024 -> "<n>B". Sizes beyond the last
// unit stay in TB.
QString formatFileSize(quint64 size, int precision);

// A timestamp whose unit is told by its count of decimal digits: 9 digits
// seconds since 2001, 10 Unix seconds, 13 Unix milliseconds, 16 Unix
// microseconds, 18 nanoseconds since 2001, and negative values seconds before
// 2001 (dates of the year 1604 stand for dates without a year and show
// "MM-dd" unless keepFormat). Anything else gives the number itself.
QString formatTimestamp(qint64 value, bool keepFormat, const QString &format);
qint64 toUnixSeconds(qint64 value);

// 125 -> "02:05"
QString formatDuration(int seconds);

// 1 when a is the newer dotted version, -1 when b is, 0 when equal.
int compareVersion(const QString &a, const QString &b);

// Wraps every case-insensitive occurrence of keyword in a font tag of the
// colour. The text is not escaped: callers that show untrusted text escape it.
QString highlightKeyword(const QString &keyword, const QString &text, const QString &colour);
QString highlightKeyword(const QRegExp &expression, const QString &text, const QString &colour);

// "<" and ">" to entities, in place.
QString &escapeHtml(QString &text);

// Breaks the text into lines no wider than maxWidth pixels, with "\n" or
// "<br/>" between them. Never splits a character made of a surrogate pair.
QString wrapTextToWidth(const QString &text, const QFont &font, int maxWidth, bool plainBreaks);

QString translateText(const char *context, const char *sourceText);
QString percentDecode(const QString &text);
// 0 for n <= 0.
int randomNumber(int n);
bool endsWithAny(const QString &text, const QStringList &suffixes, Qt::CaseSensitivity cs);
bool isHttpUrl(const QString &text);
bool isDriveAbsolutePath(const QString &text);

QString utcTextToLocalText(const QString &text);
QString toBinaryText8(int value);
QString toBinaryText16(int value);
QString toHexByteText(int value);
QString hexToBinaryText(const QString &hex);
int parseIntBase2(const QString &text);
int parseIntBase10(const QString &text);
int parseIntBase16(const QString &text);
// "0A 1B FF"
QString hexDumpText(const QByteArray &bytes);
QString spacedHexText(const QString &hexDigits);
QString &escapeSqlQuotes(QString &text);
QStringList extractUrls(const QString &text, bool allInOrder);
QString maskedTailText(const QString &text);
// True when the UTF-8 character at data (size bytes available) is a CJK
// unified ideograph U+4E00..U+9FB5.
bool isCjkUtf8Char(const char *data, int size);
int decimalDigitCount(quint64 value);
// Writes the digits of value to buffer[0..count) and returns count; writes
// nothing and returns 0 when the buffer is too small.
int writeDecimalDigits(quint64 value, char *buffer, int capacity);
char hexDigitChar(int value);
QString prependChar(const QString &text, char c);

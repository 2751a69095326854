#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// Conversions between the locale's 8-bit encoding ("ANSI", UTF-8 on Debian),
// UTF-8 and wide text. wchar_t holds one code point here. A null input gives
// a null (or empty) result, and so does text that cannot be converted.
// Returned buffers come from malloc and are released with free(). The buffer
// forms write at most length units, the terminator included, and answer false
// when the text does not fit.
bool ansiToWideBuffer(const char *text, wchar_t *buffer, int length);
wchar_t *ansiToWide(const char *text);
std::wstring ansiToWideString(const std::string &text);
char *ansiToUtf8(const char *text);
std::string ansiToUtf8String(const std::string &text);
bool wideToAnsiBuffer(const wchar_t *text, char *buffer, int length);
char *wideToAnsi(const wchar_t *text);
std::string wideToAnsiString(const std::wstring &text);
char *wideToUtf8(const wchar_t *text);
std::string wideToUtf8String(const std::wstring &text);
char *utf8ToAnsi(const char *text);
std::string utf8ToAnsiString(const std::string &text);
bool utf8ToWideBuffer(const char *text, wchar_t *buffer, int length);
wchar_t *utf8ToWide(const char *text);
std::wstring utf8ToWideString(const std::string &text);

// The bytes as UTF-8 unless that meets an invalid sequence, then as GBK; the
// second form tries GBK first.
QString decodeUtf8OrGbk(const QByteArray &bytes);
QString decodeGbkOrUtf8(const QByteArray &bytes);

// Removes leading blanks, and trailing ones too when asked; false for an
// empty text.
bool trimBlanks(std::string &text, bool trailing);

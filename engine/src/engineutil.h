#pragma once

// Small stateless helpers of the engine: debugger trace, printf-style
// formatting, text conversion and path handling. Paths use '/'.

#include <cstdio>
#include <string>
#include <vector>

// The debugger-output trace. It goes to stderr when QUENROW_DEBUG_TRACE is
// set and costs one flag test otherwise.
bool DebugTraceEnabled();
void DebugTraceA(const char *format, ...) __attribute__((format(printf, 1, 2)));
void DebugTraceW(const wchar_t *format, ...);

std::string FormatA(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::wstring FormatW(const wchar_t *format, ...);

// UTF-8 <-> wide. Never throws; malformed bytes become U+FFFD.
std::string WideToUtf8(const std::wstring &text);
std::wstring Utf8ToWide(const std::string &text);
std::wstring Utf8ToWide(const char *text, size_t length);

// The ANSI code page is UTF-8 here; these keep the engine's names for it.
std::string WideToAnsi(const std::wstring &text);
std::wstring AnsiToWide(const std::string &text);
std::string AnsiToUtf8(const std::string &text);
std::string Utf8ToAnsi(const std::string &text);

// The text after the first separator; "" when it does not occur.
std::string AfterFirst(const std::string &text, const std::string &separator);
// Replaces every occurrence, left to right, never inside an inserted
// replacement. An empty pattern changes nothing.
void ReplaceAllW(std::wstring &text, const std::wstring &pattern, const std::wstring &replacement);
// Splits at each separator; a piece that begins with '"' runs to its closing
// quote whole, separators inside included.
std::vector<std::string> SplitQuoted(const std::string &text, const std::string &separator);

// Every '\\' becomes '/', then doubled separators collapse.
void NormalizePath(std::wstring &path);
bool PathExists(const std::wstring &path);
// The folder of the running program, without a trailing '/'.
std::wstring ModuleFolder();
// Normalises, then splits at the last '/': "/a/b.txt" gives "/a" and "b.txt".
void SplitPath(const std::wstring &path, std::wstring &folder, std::wstring &fileName);
// Creates the folder with every missing parent; true when it exists afterwards.
bool MakeFolders(const std::wstring &folder);
FILE *OpenFileW(const std::wstring &path, const std::wstring &mode);
// The whole file, or its first limit bytes when 0 < limit < size; "" for an
// empty, unreadable or short-read file, and for anything but a regular file.
std::string ReadWholeFile(const std::wstring &path, long long limit = 0);
// True only when every byte was written and the file closed cleanly; a
// failed write leaves no partial file behind.
bool WriteWholeFile(const std::wstring &path, const char *bytes, size_t length);

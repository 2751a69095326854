#pragma once

// Small stateless helpers of the engine: debugger trace, printf-style
// formatting, text conversion and path handling. Paths use '/'.

#include <string>

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

// Every '\\' becomes '/', then doubled separators collapse.
void NormalizePath(std::wstring &path);
bool PathExists(const std::wstring &path);

#pragma once
// Text conversions at the file boundary. Inside the program every string is
// UTF-8; files come as Windows-1252 (the ANSI code page, no byte-order mark),
// UTF-8 with a byte-order mark, or UTF-16 in either byte order with a mark.
//
// Malformed input never throws and never crashes:
//  - bytes that are not valid UTF-8 become U+FFFD when written as UTF-16 and
//    '?' when written as Windows-1252 (and the text counts as not representable
//    there, so a lossless save picks UTF-8, which passes them through as they are);
//  - unpaired surrogates and a trailing odd byte in UTF-16 become U+FFFD;
//  - UTF-8 read from a file is passed through unchanged, valid or not.

#include <cstddef>
#include <string>
#include <string_view>

enum class TEncoding { Ansi, UTF8, UTF16LE, UTF16BE };

// The encoding announced by a byte-order mark at the start of bytes, or Ansi
// when there is none.
TEncoding DetectBOM(std::string_view bytes);

// The byte-order mark of an encoding; empty for Ansi.
std::string_view BOMBytes(TEncoding encoding);

// Windows-1252 to UTF-8. The five bytes the code page leaves undefined (81 8D 8F
// 90 9D) become the control characters U+0081 etc., so every byte survives.
std::string AnsiToUtf8(std::string_view ansi);

// UTF-8 to Windows-1252; U+0081, U+008D, U+008F, U+0090, U+009D go back to their
// bytes. Returns false when something had to be replaced by '?' (a character the
// code page lacks, or malformed UTF-8); ansi holds the result either way.
bool TryUtf8ToAnsi(std::string_view utf8, std::string& ansi);
std::string Utf8ToAnsi(std::string_view utf8);

// Whether TryUtf8ToAnsi would convert the text without loss.
bool IsAnsiRepresentable(std::string_view utf8);

// UTF-16 code units (no byte-order mark) to UTF-8, and back.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);
std::string Utf8ToUtf16(std::string_view utf8, bool bigEndian);

// A whole file's bytes to UTF-8: detects and strips the byte-order mark and
// reports the encoding found.
std::string DecodeFileText(std::string_view bytes, TEncoding& encoding);

// UTF-8 text to a whole file's bytes in the given encoding, with its
// byte-order mark (none for Ansi).
std::string EncodeFileText(std::string_view utf8, TEncoding encoding);

// The bytes a text file is saved as so that loading it gives back the same
// text: in the given encoding, except that text for Ansi that the code page
// cannot hold, or whose bytes would begin with what reads as a byte-order
// mark ("ÿþ", "þÿ", "ï»¿"), is written as UTF-8 with its mark instead.
std::string EncodeFileTextLossless(std::string_view utf8, TEncoding encoding);

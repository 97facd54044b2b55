#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kugel {

// The program's ANSI code page is Windows-1252, so text files written here
// read the same on a Windows machine.
std::string ansiToUtf8(std::string_view ansi);
// Characters without a Windows-1252 form become '?'.
std::string utf8ToAnsi(std::string_view utf8);
// Whether every character of the text has a Windows-1252 form.
bool fitsAnsi(std::string_view utf8);

// Decodes a text file's bytes by its byte order mark (UTF-16 LE/BE, UTF-8),
// otherwise as ANSI, and splits it at CR LF, LF or CR.
std::string decodeTextFile(std::string_view bytes);
std::vector<std::string> splitLines(std::string_view text);

// Lines joined with CR LF (each line ended), encoded in the ANSI code page;
// as UTF-8 with a byte order mark when a character has no ANSI form.
std::string encodeAnsiLines(const std::vector<std::string>& lines);

// How a text file's bytes are encoded, as its byte order mark tells.
enum class TextEncoding { Ansi, Utf8, Utf16LE, Utf16BE };
TextEncoding detectEncoding(std::string_view bytes);
// UTF-8 text as the bytes of a file in the encoding, with its byte order mark
// (none for ANSI). A text with a character outside the ANSI code page is
// written as UTF-8 with a mark instead of ANSI: no character is lost.
std::string encodeText(std::string_view utf8, TextEncoding encoding);
// Lines joined with CR LF (each line ended) as the bytes of a file in the
// encoding, with its byte order mark.
std::string encodeTextLines(const std::vector<std::string>& lines, TextEncoding encoding);

}  // namespace kugel

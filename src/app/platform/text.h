#pragma once
// The one place where the files' Windows-1252 bytes meet the user interface's Unicode.
#include <QString>
#include <string>
#include <string_view>

namespace tolva {

/// Windows-1252 bytes to text for display.
QString FromFile(std::string_view bytes);

/// Text typed by the user to Windows-1252 bytes; a character the code page lacks becomes "?".
std::string ToFile(const QString& text);

/// Upper case by Windows-1252's letters, as the files have it: µ ƒ ß stay, š œ ž ÿ and à…þ (but
/// ÷) become Š Œ Ž Ÿ and À…Þ. Characters outside the code page are left as they are.
QString UpperCase1252(const QString& text);

/// Whether Windows-1252 has this character.
bool InCp1252(char32_t codePoint);

/// Why characters were refused: the files hold Windows-1252 only. `refused` are those characters.
QString OutsideCp1252Text(const QString& refused);

/// A path for the core's file functions (UTF-8 in the native form).
std::string ToPath(const QString& path);
QString FromPath(const std::string& path);

}  // namespace tolva

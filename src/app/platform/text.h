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

/// A path for the core's file functions (UTF-8 in the native form).
std::string ToPath(const QString& path);
QString FromPath(const std::string& path);

}  // namespace tolva

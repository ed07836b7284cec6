#include "app/platform/text.h"

#include <QCoreApplication>
#include <QFile>

#include "core/text/cp1252.h"

namespace tolva {

QString FromFile(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) text.append(QChar(Cp1252ToUnicode(static_cast<unsigned char>(c))));
    return text;
}

std::string ToFile(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t cp : text.toUcs4()) {
        const int b = UnicodeToCp1252(cp);
        bytes.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return bytes;
}

QString UpperCase1252(const QString& text) {
    QString upper;
    upper.reserve(text.size());
    for (const char32_t cp : text.toUcs4()) {
        const int b = UnicodeToCp1252(cp);
        const char32_t shown = b < 0 ? cp : Cp1252ToUnicode(tolva::UpperCase1252(static_cast<unsigned char>(b)));
        upper.append(QString::fromUcs4(&shown, 1));
    }
    return upper;
}

bool InCp1252(char32_t codePoint) { return UnicodeToCp1252(codePoint) >= 0; }

QString OutsideCp1252Text(const QString& refused) {
    return QCoreApplication::translate("Text", "bleem!.INI can only hold the characters of Windows-1252 (Western European), so "
                          "these were left out: %1").arg(refused);
}

std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString FromPath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

}  // namespace tolva

#pragma once
// The open-file dialog behind one method: a filter of "description|pattern|" pairs and a
// starting folder in, the chosen file's full path (or "") out.
#include <QString>

class QWidget;

namespace tolva {

struct FileChooser;

class Dialog {
public:
    Dialog(FileChooser& chooser, QWidget* owner) : chooser_(chooser), owner_(owner) {}

    QString OpenFile(const QString& filterstring = QStringLiteral("Alle Dateien (*.*)|*.*"),
                     const QString& verzeichnis = QString());

    /// "Bleem!.INI|Bleem!.INI" → the chooser's "Bleem!.INI (Bleem!.INI bleem!.ini BLEEM!.INI)".
    static QString NameFilters(QString filterstring);

private:
    FileChooser& chooser_;
    QWidget* owner_;
};

}  // namespace tolva

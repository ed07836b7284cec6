#pragma once
// The desktop's keyring through QtKeychain (the Secret Service on Linux). Never a plain-text
// fallback: a password that cannot go to a keyring is kept only for the program's run.
#include <QMap>

#include "app/platform/seams.h"

namespace tolva {

class QtKeyring final : public Keyring {
public:
    /// service: the name the entries are kept under ("tolva!"; tests use their own).
    explicit QtKeyring(QString service = QStringLiteral("tolva!"));
    std::optional<QString> read(const QString& account) override;
    bool write(const QString& account, const QString& password) override;

private:
    QString service_;
};

}  // namespace tolva

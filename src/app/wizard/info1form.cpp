#include "app/wizard/info1form.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform/controls.h"

namespace tolva {

Info1FORM::Info1FORM(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Info1FORM"));
    setWindowTitle(QStringLiteral("A game is unplayable when :"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    for (const char* line : {"- the game doesn't even start", "- the game often crashes", "- major graphic errors occur",
                             "- the game runs really slow"}) {
        layout->addWidget(new QLabel(QString::fromLatin1(line), this));
    }
    OkBUTTON = NamedButton(this, "OkBUTTON", QStringLiteral("OK"));
    OkBUTTON->setDefault(true);
    layout->addWidget(OkBUTTON, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OkBUTTON, &QPushButton::clicked, this, &Info1FORM::OkBUTTON_Click);
}

void Info1FORM::OkBUTTON_Click() { close(); }

}  // namespace tolva

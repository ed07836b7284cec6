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
    setWindowTitle(tr("A game is unplayable when :"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    for (const QString& line : {tr("- the game doesn't even start"), tr("- the game often crashes"), tr("- major graphic errors occur"),
                                tr("- the game runs really slow")}) {
        layout->addWidget(new QLabel(line, this));
    }
    OkBUTTON = NamedButton(this, "OkBUTTON", QStringLiteral("OK"));
    OkBUTTON->setDefault(true);
    layout->addWidget(OkBUTTON, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OkBUTTON, &QPushButton::clicked, this, &Info1FORM::OkBUTTON_Click);
}

void Info1FORM::OkBUTTON_Click() { close(); }

}  // namespace tolva

#include "app/platform/controls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tolva {

QLabel* WrappedLabel(QWidget* parent, const QString& text, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
    return Named<QPushButton>(parent, name, caption);
}

void AddButtonRow(QBoxLayout* content, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (QPushButton* button : buttons) row->addWidget(button);
    content->addLayout(row);
}

void PictureBeside(QWidget* window, QLabel* picture, QLayout* content) {
    auto* columns = new QHBoxLayout(window);
    columns->addWidget(picture, 0, Qt::AlignTop);
    columns->addLayout(content, 1);
}

}  // namespace tolva

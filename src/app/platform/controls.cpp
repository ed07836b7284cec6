#include "app/platform/controls.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/platform/access.h"
#include "app/platform/resources.h"
#include "app/platform/text.h"

namespace tolva {

QLabel* WrappedLabel(QWidget* parent, const QString& text, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

QString DropOutsideCp1252(QLineEdit* box) {
    const QString text = box->text();
    QString kept;
    QString dropped;
    int caret = box->cursorPosition();
    const int oldCaret = caret;
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype width = text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(at, width);
        if (InCp1252(character.toUcs4().value(0))) {
            kept += character;
        } else {
            dropped += character;
            if (at < oldCaret) caret -= static_cast<int>(width);
        }
        at += width;
    }
    if (!dropped.isEmpty()) {
        box->setText(kept);
        box->setCursorPosition(caret);
    }
    return dropped;
}

namespace {

constexpr char kWholeValue[] = "tolvaWholeValue";
constexpr char kOwnToolTip[] = "ownToolTip";

bool ShowsWhole(const QLabel* field) {
    return field->wordWrap() ? field->heightForWidth(field->width()) <= field->height()
                             : field->sizeHint().width() <= field->width();
}

// The field's own tooltip, and the whole value beside it while the field cuts the value.
void FollowValue(QLabel* field) {
    constexpr qsizetype kTooltipCharacters = 16 * kShownCharacters;
    const QString own = field->property(kOwnToolTip).toString();
    const QString value = field->property(kWholeValue).toString();
    if (value.size() == field->text().size() && ShowsWhole(field)) {
        field->setToolTip(own);
        return;
    }
    QString whole = value.left(kTooltipCharacters);
    if (whole.size() < value.size()) whole += QChar(0x2026);
    field->setToolTip(own.isEmpty() ? whole : own + QStringLiteral("\n\n") + whole);
}

// A field given a new width (the user resizing the window) decides its tooltip again.
class ToolTipFollowsWidth final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) FollowValue(static_cast<QLabel*>(watched));
        return false;
    }
};

}  // namespace

void ShowValue(QLabel* field, const QString& value) {
    if (!field->property(kOwnToolTip).isValid()) {
        field->setProperty(kOwnToolTip, field->toolTip());
        field->installEventFilter(new ToolTipFollowsWidth(field));
    }
    field->setProperty(kWholeValue, value);
    field->setTextFormat(Qt::PlainText);
    SetFieldText(field, value.left(kShownCharacters));
    FollowValue(field);
}

void WideEnoughFor(QLabel* field, const QString& widest) {
    const QString shown = field->text();
    SetFieldText(field, widest);
    field->setMinimumWidth(field->sizeHint().width());
    SetFieldText(field, shown);
}

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption) {
    return Named<QPushButton>(parent, name, caption);
}

void AddButtonRow(QBoxLayout* content, std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    QWidget* left = nullptr;
    for (QPushButton* button : buttons) {
        row->addWidget(button);
        if (left) QWidget::setTabOrder(left, button);
        left = button;
    }
    content->addLayout(row);
}

QLabel* PictureBox(QWidget* window, const QString& meaning, const QString& picture) {
    auto* box = new QLabel(window);
    box->setObjectName(QStringLiteral("PICTUREBOX"));
    box->setAccessibleName(meaning);
    if (!picture.isEmpty()) box->setPixmap(Picture(picture, window->devicePixelRatioF()));
    return box;
}

void PictureBeside(QWidget* window, QLabel* picture, QLayout* content) {
    auto* columns = new QHBoxLayout(window);
    columns->addWidget(picture, 0, Qt::AlignTop);
    columns->addLayout(content, 1);
}

}  // namespace tolva

#include "app/history/previewform.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform/coretext.h"
#include "app/platform/controls.h"
#include "app/platform/messages.h"
#include "app/platform/text.h"
#include "app/platform/waiting.h"
#include "app/platform/windowplace.h"
#include "core/database/writer.h"
#include "core/history/difference.h"

namespace tolva {

QPlainTextEdit* DifferenceView(QWidget* parent) {
    auto* view = new QPlainTextEdit(parent);
    view->setObjectName(QStringLiteral("DifferenceTEXT"));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view->setToolTip(QCoreApplication::translate("tolva::PreviewFORM", "Lines after \"-\" are removed, lines after \"+\" are added."));
    return view;
}

QString DifferenceShown(std::string_view before, std::string_view after) {
    const std::string difference = LineDifference(before, after);
    return difference.empty() ? QCoreApplication::translate("tolva::PreviewFORM", "No line differs.") : FromFile(difference);
}

PreviewFORM::PreviewFORM(const QString& caption, const QString& difference) : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("PreviewFORM"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kTitle + tr(" Preview"));
    KeepPlace(this, nullptr);  // no settings here: it only fits its screen
    auto* content = new QVBoxLayout(this);
    QLabel* label = WrappedLabel(this, caption);
    DifferenceTEXT = DifferenceView(this);
    label->setBuddy(DifferenceTEXT);
    DifferenceTEXT->setPlainText(difference);
    content->addWidget(label);
    content->addWidget(DifferenceTEXT, 1);
    CloseBUTTON = NamedButton(this, "CloseBUTTON", tr("Close"));
    CloseBUTTON->setDefault(true);
    AddButtonRow(content, {CloseBUTTON});
    connect(CloseBUTTON, &QPushButton::clicked, this, &QWidget::close);
    resize(720, 480);
}

void PreviewFORM::Run(Platform& platform, QWidget* owner, const ProgramState& state, const IniChange& change) {
    const IniPreview preview = PreviewINI(state, change);
    const QString caption = tr("What \"%1\" would change in %2:")
                                .arg(FromFile(change.action), FromPath(preview.path));
    auto* window = new PreviewFORM(caption, preview.ok ? DifferenceShown(preview.before, preview.after)
                                                       : CoreText(FromFile(preview.error)));
    window->setWindowIcon(owner->windowIcon());
    WaitForWindow(platform, window, owner);
}

}  // namespace tolva

#include "app/tools/toolpage.h"

#include <QCoreApplication>
#include <string_view>

namespace tolva {
namespace {

// The wizard's name as its captions show it, in the user's language.
QString Shown(const ToolWizard& wizard) {
    return std::string_view(wizard.name) == "Repair" ? QCoreApplication::translate("tolva::ToolPage", "Repair")
                                                      : QCoreApplication::translate("tolva::ToolPage", "Compare");
}

}  // namespace

ToolPage::ToolPage(PageRun& run, const ToolWizard& wizard, int number)
    : Page(run, QStringLiteral("%1%2FORM").arg(QLatin1String(wizard.name)).arg(number), number,
           QLatin1Char(' ') + Shown(wizard) +
               (number == 1 ? QString() : QStringLiteral(" [%1/%2]").arg(number - 1).arg(wizard.last - 1)),
           QString::fromLatin1(wizard.name).toUpper()) {}

PageRun::PageMaker PagesInOrder(std::vector<std::function<Page*()>> makers) {
    return [makers = std::move(makers)](int number) { return makers.at(static_cast<std::size_t>(number - 1))(); };
}

}  // namespace tolva

#pragma once
// What every page of the Add/Edit wizard shares: the WIZARD picture, its number in the caption
// (" Wizard [n/8]"), texts wrapped at one width, and "< Back", "Next >" and "Abort".
#include "app/pages/pagerun.h"

namespace tolva {

struct WizardState;

class WizardPage : public Page {
    Q_OBJECT

public:
    WizardPage(PageRun& run, int number);

protected:
    WizardState& wizard();
};

/// The Add/Edit wizard: pages 1 to 8, page 1 showing first.
class WizardRun : public PageRun {
public:
    /// image: a disc image that page 2 reads when it first shows, as "Disc image..." would.
    explicit WizardRun(MainHost& main, QString image = {});

    QString image;
};

}  // namespace tolva

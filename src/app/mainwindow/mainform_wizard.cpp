#include "app/mainwindow/mainform.h"

namespace tolva {

void MainFORM::connectWizard() {}

}  // namespace tolva

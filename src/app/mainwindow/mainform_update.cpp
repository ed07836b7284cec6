#include "app/mainwindow/mainform.h"

namespace tolva {

void MainFORM::connectUpdate() {}

}  // namespace tolva

#include "app/mainwindow/mainform.h"

namespace tolva {

void MainFORM::connectMail() {}

}  // namespace tolva

#pragma once
// The windows that reach the network (the update's download, the mail, the Servers window) live
// in a module of their own, which the program opens the first time one of them is asked for:
// QtNetwork and what it loads (Kerberos, libproxy) would otherwise cost every start.
#include <QString>

namespace tolva {

class MainHost;
class ToolWindow;

/// What the module offers: the one table its entry point returns.
struct OnlineWindows {
    ToolWindow* (*mail)(MainHost& main);
    ToolWindow* (*servers)(MainHost& main);
    /// Tools -> the online update through route 1 or 2, and "Merge Update File...".
    void (*update)(MainHost& main, int mode);
    void (*mergeUpdateFile)(MainHost& main, const QString& path);
};

/// The module's table, the module opened on the first call from beside the program (as
/// OpenOnlineModule); without it (not installed, or not loadable) nullptr, and why in *error.
const OnlineWindows* OnlineModule(QString* error);

/// Opens the module of a program in programFolder: beside it, else where the package installs it
/// (../lib/tolva), else by its bare name on the library path. The first file found is the one.
const OnlineWindows* OpenOnlineModule(const QString& programFolder, QString* error);

}  // namespace tolva

/// The module's entry point.
extern "C" const tolva::OnlineWindows* tolva_online_windows();

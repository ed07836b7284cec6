#pragma once
// Every server name, mailbox and web address the program uses. They all lie under the reserved
// .example domain: no real site answers them, and self-hosters and tests redirect the servers
// with TOLVA_UPDATE_SERVER, TOLVA_MAIL_SERVER ("host[:port]") and TOLVA_MAILBOX, which the app
// reads in app/platform/environment.h.
#include <string>

namespace tolva {

inline constexpr const char* kWebSite = "http://www.tolva.example";          // program's site
inline constexpr const char* kUpdateHost = "www.tolva.example";              // serves /update.ini
inline constexpr const char* kUpdatePath = "/update.ini";
inline constexpr int kUpdatePort = 80;
inline constexpr const char* kMailHost = "mail.tolva.example";
inline constexpr int kMailPort = 25;
inline constexpr const char* kMailbox = "tolva@tolva.example";               // the maintainers
inline constexpr const char* kGameInfoSite = "http://games.psxinfo.example";  // game information pages
inline constexpr const char* kGameInfoPath = "/cgi-bin/detailed2.cgi?prodcode=";
inline constexpr const char* kNewsSite = "http://www.dravik.example";         // emulation news site
inline constexpr const char* kMessageBoard = "http://board.dravik.example";   // its message board
inline constexpr const char* kEmulatorMaker = "http://www.bleem.example";     // bleem!'s maker
inline constexpr const char* kMakerPage = "http://www.bleem.example";         // Mail2FORM's link
inline constexpr const char* kCheatTool = "http://www.cheatpal.example";      // companion cheat tool

/// A server as "host[:port]"; an absent or unreadable port gives defaultPort.
struct Endpoint {
    std::string host;
    int port = 0;
};
Endpoint ParseEndpoint(const std::string& text, const std::string& defaultHost, int defaultPort);

}  // namespace tolva

#pragma once
// The databases the core tests share: bleem!.INI texts, Compatibility.TXT records and the disc
// ID table, filled once.
#include <string>
#include <vector>

#include "core/games/discids.h"
#include "support.h"

namespace tolva::testing {

/// Lines joined with CR LF, as the program writes them.
inline std::string Ini(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

/// count entries "Game k" with disc IDs 1000000000 + k, from k = from.
inline std::string Entries(int count, int from = 0, const char* eol = "\r\n") {
    std::string text;
    for (int k = from; k < from + count; ++k)
        text += std::string("ID=") + std::to_string(1000000000 + k) + eol + "Title=Game " + std::to_string(k) + eol +
                "Flags=" + (k % 3 ? "80000000H" : "40000000H") + eol;
    return text;
}

/// Three entries out of title order, a comment header and an unfinished last line.
const std::string kThree = "; my games\r\nVersion=1.0\r\n\r\nID=2222222222\r\nTitle=beta\r\nFlags=40000000H\r\n\r\n"
    "ID=1111111111\r\nTitle=Alpha\r\nFlags=80000000H\r\n\r\nID=3333333333\r\nTitle=Gamma\r\nFlags=00000000H";

const std::string kTxtHeader = "ID|Title|Publisher|Code|Region|Genre|Status|D3D|Details|\r\n";

/// One record of Compatibility.TXT.
inline std::string TxtRecord(const std::string& title, const std::string& code, const std::string& status) {
    return "n|" + title + "|Publisher of " + title + "|" + code + "|U/C|genre|" + status + "||details of " + title + "|\r\n";
}

inline const DiscIDTable& DiscIDs() {
    static const DiscIDTable table = [] {
        DiscIDTable t;
        InitDiscIDs(t);
        return t;
    }();
    return table;
}

/// The row of the first entry with this title, -1 when none.
inline int RowOf(const GameTable& g, const std::string& title) {
    for (int i = 0; i <= g.GameLast; ++i) if (g.GameTitle[i] == title) return i;
    return -1;
}

}  // namespace tolva::testing

// The mail's header block, body and the dot-stuffed text sent after DATA.
#include "core/mail/message.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tolva {
namespace {

const std::string kHyphens(89, '-');

GameTable TwoGames() {
    GameTable games;
    games.IniVersion = "1.0.3";
    games.GameLast = 1;
    games.GameID[0] = "0000000001";
    games.GameTitle[0] = "Alpha";
    games.GameFlags[0] = "80000000H";
    games.GameID[1] = "0000000002";
    games.GameTitle[1] = "Caf\xE9 Racer";  // é as the file's single byte
    games.GameFlags[1] = "40000000H";
    games.GameID[2] = "stale slot";  // beyond GameLast: never sent
    return games;
}

TEST(MailBodyLines, CarriesInputsAndEveryEntry) {
    const std::vector<std::string> body =
        MailBodyLines({"Ana", "ana@home.example", "Great tool"}, TwoGames(), "Release 5");
    const std::vector<std::string> expected = {
        "--- tolva - Release 5 ---",
        "Name : Ana",
        "Mail : ana@home.example",
        kHyphens,
        "Great tool",
        kHyphens,
        "VERSION=1.0.3",
        "",
        "ID=0000000001",
        "Title=Alpha",
        "Flags=80000000H",
        "",
        "ID=0000000002",
        "Title=Caf\xE9 Racer",
        "Flags=40000000H",
        "",
    };
    EXPECT_EQ(body, expected);
}

TEST(MailBodyLines, EmptyTableAndInputsAndTheBuildsReleaseName) {
    GameTable games;
    games.IniVersion = "1.0";
    EXPECT_EQ(MailBodyLines({}, games, "R"),
              (std::vector<std::string>{"--- tolva - R ---", "Name : ", "Mail : ", kHyphens, "", kHyphens, "VERSION=1.0", ""}));
    EXPECT_EQ(MailBodyLines({}, GameTable{}).front(), std::string("--- tolva - ") + TOLVA_RELEASE_NAME + " ---");
}

TEST(MailBodyLines, CommentKeepsItsOwnLineBreaks) {
    GameTable games;
    const auto comment = [&](const std::string& text) {
        const std::vector<std::string> body = MailBodyLines({"", "", text}, games, "R");
        return std::vector<std::string>(body.begin() + 4, body.end() - 3);
    };
    EXPECT_EQ(comment("one\r\ntwo\nthree\rfour"), (std::vector<std::string>{"one", "two", "three", "four"}));
    EXPECT_EQ(comment("ends with a break\n"), (std::vector<std::string>{"ends with a break", ""}));
    EXPECT_EQ(comment("\r\n"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(comment("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(MailBodyLines, OneLineFieldsCannotBreakTheLine) {
    const std::vector<std::string> body = MailBodyLines({"Ana\r\nRCPT TO:<x>", "a\nb", ""}, GameTable{}, "R");
    EXPECT_EQ(body[1], "Name : Ana  RCPT TO:<x>");
    EXPECT_EQ(body[2], "Mail : a b");
}

TEST(MailHeaderLines, DateToFromSubjectCcAndTheEmptyLine) {
    EXPECT_EQ(MailHeaderLines({2003, 11, 7, 9, 5, 0}, "tolva@tolva.example"),
              (std::vector<std::string>{"Date: 07 Nov 03 09:05:00", "To: tolva@tolva.example", "From: tolva@tolva.example",
                                        "Subject: [Tolva!AutomaticMail]", "Cc: ", ""}));
    EXPECT_EQ(MailDateText({1999, 12, 31, 23, 59, 59}), "31 Dec 99 23:59:59");
    EXPECT_EQ(MailDateText({2000, 1, 1, 0, 0, 0}), "01 Jan 00 00:00:00");
}

TEST(MailDataText, EndsEveryLineInCrLfAndTheMessageInADot) {
    EXPECT_EQ(MailDataText({"Cc: ", ""}, {"body"}), "Cc: \r\n\r\nbody\r\n.\r\n");
    EXPECT_EQ(MailDataText({}, {}), ".\r\n");
}

TEST(MailDataText, DotStuffsLinesBeginningWithADot) {
    const std::vector<std::string> body =
        MailBodyLines({"", "", "before\n.\nafter\n.hidden"}, GameTable{}, "R");
    const std::string data = MailDataText({}, body);
    EXPECT_NE(data.find("\r\nbefore\r\n..\r\nafter\r\n..hidden\r\n"), std::string::npos) << data;
    // The only line holding a single "." is the last one.
    EXPECT_EQ(data.find("\r\n.\r\n"), data.size() - 5);
}

TEST(MailDataText, BytesStayWindows1252) {
    const std::string data = MailDataText({}, MailBodyLines({}, TwoGames(), "R"));
    EXPECT_NE(data.find("Title=Caf\xE9 Racer\r\n"), std::string::npos);
    EXPECT_EQ(data.find("Caf\xC3\xA9"), std::string::npos);  // not UTF-8
    EXPECT_EQ(data.find("stale slot"), std::string::npos);
}

}  // namespace
}  // namespace tolva

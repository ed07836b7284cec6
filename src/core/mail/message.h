#pragma once
// The mail to the maintainers: a short header block and a body carrying the user's name, address
// and comment and the whole game table. Texts are Windows-1252 bytes; every line ends in CR LF.
#include <string>
#include <string_view>
#include <vector>

#include "core/state.h"

namespace tolva {

/// The local date and time the header's Date line shows; the app reads the clock.
struct MailDate {
    int year = 2000;  ///< four digits; the line shows the last two
    int month = 1;    ///< 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

/// What the user typed into MailFORM, Windows-1252.
struct MailInputs {
    std::string NickTEXT;
    std::string UserMailTEXT;
    std::string CommentTEXT;
};

/// The body's lines, without line ends: the release line, name, mail, the comment between two
/// lines of 89 hyphens, "VERSION=" and every entry of the game table with an empty line after.
std::vector<std::string> MailBodyLines(const MailInputs& inputs, const GameTable& games,
                                       std::string_view releaseName = TOLVA_RELEASE_NAME);

/// The header block's lines: Date, To, From, Subject, Cc, then the empty line before the body.
std::vector<std::string> MailHeaderLines(const MailDate& date, std::string_view mailbox);

/// The same block for the user's own server: To the recipient, From the sender, and after them
/// Reply-To when given.
std::vector<std::string> MailHeaderLines(const MailDate& date, std::string_view to, std::string_view from,
                                         std::string_view replyTo);

/// text on one line: CR and LF become spaces, so that no field starts a line of its own.
std::string OneLine(std::string_view text);

/// "dd mmm yy hh:mm:ss", as "05 Mar 24 14:03:09".
std::string MailDateText(const MailDate& date);

/// The text sent after DATA was accepted: the lines, each ending in CR LF, dot-stuffed (a line
/// beginning with "." gets another in front), then the line holding a single ".".
std::string MailDataText(const std::vector<std::string>& header, const std::vector<std::string>& body);

}  // namespace tolva

#include "core/mail/message.h"

#include <array>
#include <cstdio>

#include "core/text/cp1252.h"

namespace tolva {
namespace {

const std::string kHyphenLine(89, '-');

/// A one-line field with any line break turned into a space: a bare CR or LF must not reach the
/// SMTP stream, where it could end a line the server reads differently.
}  // namespace

std::string OneLine(std::string_view text) {
    std::string line(text);
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    return line;
}

std::vector<std::string> MailBodyLines(const MailInputs& inputs, const GameTable& games,
                                       std::string_view releaseName) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(games.count()) * 4 + 16);
    lines.push_back("--- tolva - " + OneLine(releaseName) + " ---");
    lines.push_back("Name : " + OneLine(inputs.NickTEXT));
    lines.push_back("Mail : " + OneLine(inputs.UserMailTEXT));
    lines.push_back(kHyphenLine);
    // The comment keeps its own line breaks, whichever kind the text box gave; a break at its end
    // still leaves the (empty) line after it, and an empty comment is one empty line.
    const std::string& comment = inputs.CommentTEXT;
    for (const std::string_view line : SplitLineViews(comment)) lines.emplace_back(line);
    if (comment.empty() || comment.back() == '\r' || comment.back() == '\n') lines.emplace_back();
    lines.push_back(kHyphenLine);
    lines.push_back("VERSION=" + games.IniVersion);
    lines.emplace_back();
    for (int g = 0; g <= games.GameLast && g < static_cast<int>(games.GameID.size()); ++g) {
        lines.push_back("ID=" + games.GameID[g]);
        lines.push_back("Title=" + games.GameTitle[g]);
        lines.push_back("Flags=" + games.GameFlags[g]);
        lines.emplace_back();
    }
    return lines;
}

std::string MailDateText(const MailDate& date) {
    static constexpr std::array<const char*, 12> kMonths = {
        "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int month = date.month >= 1 && date.month <= 12 ? date.month : 1;
    const int year = ((date.year % 100) + 100) % 100;
    char text[64];
    std::snprintf(text, sizeof text, "%02d %s %02d %02d:%02d:%02d", date.day % 100,
                  kMonths[month - 1], year, date.hour % 100, date.minute % 100, date.second % 100);
    return text;
}

std::vector<std::string> MailHeaderLines(const MailDate& date, std::string_view mailbox) {
    return MailHeaderLines(date, mailbox, mailbox, {});
}

std::vector<std::string> MailHeaderLines(const MailDate& date, std::string_view to, std::string_view from,
                                         std::string_view replyTo) {
    std::vector<std::string> lines{"Date: " + MailDateText(date), "To: " + OneLine(to), "From: " + OneLine(from)};
    if (!replyTo.empty()) lines.push_back("Reply-To: " + OneLine(replyTo));
    lines.insert(lines.end(), {"Subject: [Tolva!AutomaticMail]", "Cc: ", ""});
    return lines;
}

std::string MailDataText(const std::vector<std::string>& header, const std::vector<std::string>& body) {
    std::string data;
    std::size_t size = 3;
    for (const auto* part : {&header, &body})
        for (const std::string& line : *part) size += line.size() + 3;
    data.reserve(size);
    for (const auto* part : {&header, &body}) {
        for (const std::string& line : *part) {
            if (!line.empty() && line.front() == '.') data.push_back('.');
            data.append(line).append("\r\n");
        }
    }
    data.append(".\r\n");
    return data;
}

}  // namespace tolva

// The mail: its lines and the dot-stuffed text sent after DATA, and the SMTP dialogue that
// sends it, row by row of its reply table and from replies in any pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "core/mail/message.h"
#include "core/mail/smtp.h"
#include "support.h"

namespace tolva {
namespace {

using Lines = std::vector<std::string>;
const std::string kHyphens(89, '-');

TEST(MailBodyLines, TheInputsThenEveryEntryAsLoaded) {
    GameTable games;
    games.IniVersion = "1.0.3";
    testing::AddGame(games, "0000000001", "Alpha", "80000000H");
    testing::AddGame(games, "0000000002", "Caf\xE9 Racer", "40000000H");  // é as the file's single byte
    games.GameID[2] = "stale slot";  // beyond GameLast: never sent
    EXPECT_EQ(MailBodyLines({"Ana\r\nRCPT TO:<x>", "a\nb", "one\r\ntwo\nthree\rfour\n"}, games, "Release 5"),
              (Lines{"--- tolva - Release 5 ---", "Name : Ana  RCPT TO:<x>", "Mail : a b", kHyphens, "one", "two", "three",
                     "four", "", kHyphens, "VERSION=1.0.3", "", "ID=0000000001", "Title=Alpha", "Flags=80000000H", "",
                     "ID=0000000002", "Title=Caf\xE9 Racer", "Flags=40000000H", ""}));
    EXPECT_EQ(MailBodyLines({}, GameTable{}, "R"), (Lines{"--- tolva - R ---", "Name : ", "Mail : ", kHyphens, "", kHyphens, "VERSION=", ""}));
    // The comment's lines lie between the two hyphen lines; a break at its end, of either kind,
    // leaves one empty line after it.
    const struct {
        std::string comment;
        Lines lines;
    } comments[] = {
        {"a\n\nb\r\n", {"a", "", "b", ""}}, {"x\r", {"x", ""}}, {"x\r\n", {"x", ""}}, {"x", {"x"}},
        {"\n", {"", ""}}, {"\r\r", {"", "", ""}}, {"x\ry", {"x", "y"}}, {"", {""}},
    };
    for (const auto& c : comments) {
        const Lines body = MailBodyLines({"", "", c.comment}, GameTable{}, "R");
        EXPECT_EQ(Lines(body.begin() + 4, body.end() - 3), c.lines) << c.comment;
    }
}

TEST(MailDataText, TheHeaderAndBodyInCrLfLinesDotStuffedEndingInADot) {
    EXPECT_EQ(MailHeaderLines({2003, 11, 7, 9, 5, 0}, "tolva@tolva.example"),
              (Lines{"Date: 07 Nov 03 09:05:00", "To: tolva@tolva.example", "From: tolva@tolva.example",
                     "Subject: [Tolva!AutomaticMail]", "Cc: ", ""}));
    // Every month by its name; a month out of range says January; each other field keeps two digits.
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(MailDateText({2024, month, 31, 23, 59, 59}), std::string("31 ") + kMonths[month - 1] + " 24 23:59:59");
    const struct {
        MailDate date;
        const char* text;
    } dates[] = {
        {{2000, 0, 1, 0, 0, 0}, "01 Jan 00 00:00:00"}, {{1999, 13, 9, 1, 2, 3}, "09 Jan 99 01:02:03"},
        {{2100, -1, 10, 10, 10, 10}, "10 Jan 00 10:10:10"}, {{-1, 12, 0, 99, 99, 99}, "00 Dec 99 99:99:99"},
    };
    for (const auto& d : dates) EXPECT_EQ(MailDateText(d.date), d.text) << d.text;
    EXPECT_EQ(MailDataText({"Cc: ", ""}, {"body", ".", "", "..x", "a.", "\xE9"}), "Cc: \r\n\r\nbody\r\n..\r\n\r\n...x\r\na.\r\n\xE9\r\n.\r\n");
    EXPECT_EQ(MailDataText({}, {}), ".\r\n");
}

SmtpDialogue Dialogue() {
    return SmtpDialogue("mail.tolva.example", "tolva@tolva.example", {"line one"}, [] { return MailDate{2024, 3, 5, 14, 3, 9}; });
}

/// Feeds whole replies, one per piece, and returns the last action.
SmtpAction Replies(SmtpDialogue& dialogue, const std::vector<int>& codes) {
    SmtpAction last;
    for (int code : codes) last = dialogue.feed(std::to_string(code) + " ok\r\n");
    return last;
}

// Every row of the reply table, in the state it names (or every state), does what it says; a
// reply no row matches does nothing. The commands and the statuses of a whole dialogue are
// pinned apart from the table.
TEST(SmtpDialogue, EveryRowOfTheReplyTable) {
    const std::string message = MailDataText(MailHeaderLines({2024, 3, 5, 14, 3, 9}, "tolva@tolva.example"), {"line one"});
    const std::map<SmtpSend, std::string> sent = {
        {SmtpSend::Nothing, ""}, {SmtpSend::Helo, "HELO mail.tolva.example\r\n"}, {SmtpSend::Rset, "RSET\r\n"},
        {SmtpSend::MailFrom, "MAIL FROM:<tolva@tolva.example>\r\n"}, {SmtpSend::RcptTo, "RCPT TO:<tolva@tolva.example>\r\n"},
        {SmtpSend::Data, "DATA\r\n"}, {SmtpSend::Message, message}, {SmtpSend::Quit, "QUIT\r\n"}};
    const std::map<int, std::vector<int>> pathTo = {
        {kSmtpStart, {}}, {kSmtpHeloSent, {220}}, {kSmtpRsetSent, {220, 250}}, {kSmtpFromSent, {220, 250, 250}},
        {kSmtpRcptSent, {220, 250, 250, 250}}, {kSmtpDataSent, {220, 250, 250, 250, 250}},
        {kSmtpMessageSent, {220, 250, 250, 250, 250, 354}}, {kSmtpErrorState, {220, 550}}};
    const std::span<const SmtpReplyRow> table = SmtpReplyTable();
    for (const auto& [state, path] : pathTo) {
        for (int code : {199, 220, 221, 250, 354, 421, 499, 500, 550, 599, 600}) {
            SmtpDialogue dialogue = Dialogue();
            Replies(dialogue, path);
            ASSERT_EQ(dialogue.state(), state);
            const auto row = std::find_if(table.begin(), table.end(), [&](const SmtpReplyRow& r) {
                return r.lowest <= code && code <= r.highest && (r.in == kSmtpAnyState || r.in == state);
            });
            const SmtpAction action = dialogue.feed(std::to_string(code) + " text\r\n");
            SCOPED_TRACE(std::to_string(code) + " in " + std::to_string(state));
            const bool acts = row != table.end();
            const bool again = acts && row->send == SmtpSend::Message && state == kSmtpMessageSent;  // goes out once
            EXPECT_EQ(action.send, acts && !again ? sent.at(row->send) : "");
            EXPECT_EQ(action.status, acts && row->status ? std::optional<std::string>(row->status) : std::nullopt);
            EXPECT_EQ(dialogue.state(), acts ? row->next : state);
            EXPECT_EQ(action.closeWindow, acts && row->effect == SmtpEffect::Accepted);
            EXPECT_TRUE(!acts || row->effect != SmtpEffect::Refused || dialogue.failure() == std::to_string(code) + " text");
        }
    }
    std::vector<std::string> statuses;
    for (const std::vector<int>& script : {std::vector<int>{220, 250, 250, 250, 250, 354, 250}, {220, 221}, {550, 221}}) {
        SmtpDialogue dialogue = Dialogue();
        for (int code : script) statuses.push_back(dialogue.feed(std::to_string(code) + " ok\r\n").status.value_or("-"));
    }
    EXPECT_EQ(statuses, (Lines{"Mail Server is ready...", "Sending Rset to server...", "Sending FROM command...",
                               "Sending RCPT command...", "Sending DATA command...", "-",
                               "Sending Quit command to disconnecting from mail server...", "Mail Server is ready...",
                               "Disconnected from mail server...", "Error sending mail...",
                               "Disconnected from mail server after error..."}));
}

// Once all of the message has left, the window shows that the reply is awaited; not before.
TEST(SmtpDialogue, TheWaitForTheFinalReplyIsShownOnceTheMessageHasLeft) {
    SmtpDialogue dialogue = Dialogue();
    Replies(dialogue, {220, 250, 250, 250, 250});
    EXPECT_FALSE(dialogue.awaitingFinalReply() || dialogue.messageLeft().status);
    Replies(dialogue, {354});
    EXPECT_TRUE(dialogue.awaitingFinalReply() && dialogue.messageLeft().status == "Waiting for the server's reply...");
    Replies(dialogue, {250});
    EXPECT_FALSE(dialogue.awaitingFinalReply() || dialogue.messageLeft().status);
}

// Replies arrive in any pieces: each is acted on once, when its line ends (CR LF or LF); a
// multi-line reply acts on its final line; a line without a code is ignored.
TEST(SmtpDialogue, RepliesAreActedOnOnceTheirLineIsWhole) {
    for (const auto& [line, code] : {std::pair{"250 OK", 250}, {"250", 250}, {"250OK x", 250}, {"250-PIPELINING", -1},
                                     {" 250 OK", 0}, {"hello there", 0}, {"", 0}, {"99999999999999 big", 0}})
        EXPECT_EQ(ReplyCode(line), code) << line;
    // That pieces change nothing is smtp_fuzz's promise; here, what a whole line does.
    SmtpDialogue dialogue = Dialogue();
    EXPECT_EQ(dialogue.feed("Welcome\r\n220 mail.tolva.example ESMTP ready").send, "");
    EXPECT_EQ(dialogue.feed("\r\n").send, "HELO mail.tolva.example\r\n");
    EXPECT_EQ(dialogue.feed("250-mail.tolva.example\r\n250-SIZE 10240000\n").send, "");
    const SmtpAction two = dialogue.feed("250 HELP\r\n250\n");
    EXPECT_EQ(two.send, "RSET\r\nMAIL FROM:<tolva@tolva.example>\r\n");
    EXPECT_EQ(dialogue.state(), 2);
}

// A line beyond the limit, a socket error or time-out and a close before the goodbye end the
// dialogue in the error, once; a close after the goodbye or the sent mail is no error. (That the
// limit holds however the line arrives, and that nothing is acted on after the end: smtp_fuzz.)
TEST(SmtpDialogue, EndsInTheErrorOnceOrQuietlyAfterTheGoodbye) {
    SmtpDialogue flooded = Dialogue();
    EXPECT_FALSE(flooded.feed(std::string(kMaxReplyLine, 'y')).status);  // exactly the limit is still read
    const SmtpAction last = flooded.feed("y");
    EXPECT_TRUE(flooded.ended());
    EXPECT_EQ(last.status, "Error sending mail...");
    EXPECT_EQ(last.send, "");
    EXPECT_TRUE(last.closeSocket && !last.closeWindow);
    SmtpDialogue failed = Dialogue();
    Replies(failed, {220, 250});
    const SmtpAction action = failed.failed("lost");
    EXPECT_EQ(failed.failure(), "lost");
    EXPECT_EQ(action.status, "Error sending mail...");
    EXPECT_TRUE(action.closeSocket && !action.closeWindow);
    EXPECT_EQ(failed.state(), kSmtpErrorState);
    EXPECT_FALSE(failed.failed("lost").status);
    EXPECT_EQ(Dialogue().closed().status, "Error sending mail...");
    SmtpDialogue goodbye = Dialogue();
    Replies(goodbye, {220, 550, 221});
    const SmtpAction bye = goodbye.closed();
    EXPECT_FALSE(bye.status);
    EXPECT_TRUE(bye.closeSocket);
    EXPECT_TRUE(goodbye.ended());
    SmtpDialogue sent = Dialogue();
    Replies(sent, {220, 250, 250, 250, 250, 354, 250});
    EXPECT_TRUE(sent.ended());
    EXPECT_FALSE(sent.failed("lost").status);  // the window is closing; a late error changes nothing
}

// The first 354 sends the message, even before DATA; a server asking again gets nothing, and
// one that starts over to have it again without end ends the dialogue in the error. (That it
// goes out once at most, whatever the server sends, is smtp_fuzz's promise.)
TEST(SmtpDialogue, TheMessageGoesOutOnceHoweverOftenTheServerAsksForIt) {
    SmtpDialogue early = Dialogue();
    ASSERT_TRUE(Replies(early, {354}).send.ends_with("\r\n.\r\n"));
    EXPECT_EQ(Replies(early, {220, 250, 250, 250, 250}).send, "DATA\r\n");
    std::string cycles;
    for (int k = 0; k < 1000; ++k) cycles += "354 go ahead\r\n220 hi\r\n250 a\r\n250 b\r\n250 c\r\n250 d\r\n";
    const SmtpAction restarted = early.feed(cycles);
    EXPECT_EQ(restarted.send, "");
    EXPECT_EQ(restarted.status, "Error sending mail...");
    EXPECT_TRUE(early.ended());
}

// A reply code glued to its text still counts; the failure keeps the reason; Abort takes leave
// with QUIT between commands and drops the connection once the message is on its way.
TEST(SmtpDialogue, GluedCodesReasonsAndAbort) {
    SmtpDialogue glued = Dialogue();
    EXPECT_EQ(glued.feed("220mail.tolva.example\r\n250OK\r\n").send, "HELO mail.tolva.example\r\nRSET\r\n");
    glued.feed("550 5.1.1 no such mailbox\r\n");
    EXPECT_EQ(glued.failure(), "550 5.1.1 no such mailbox");
    EXPECT_TRUE(glued.unsent());

    struct Case { std::vector<int> replies; std::string send; bool dropHard; };
    for (const Case& c : std::vector<Case>{{{220, 250}, "QUIT\r\n", false},
                                           {{220, 250, 250, 250, 250}, "QUIT\r\n", false},
                                           {{220, 250, 250, 250, 250, 354}, "", true}}) {
        SmtpDialogue dialogue = Dialogue();
        EXPECT_EQ(Replies(dialogue, c.replies).message, c.dropHard);
        const SmtpAction action = dialogue.cancel();
        EXPECT_EQ(action.send, c.send);
        EXPECT_EQ(action.dropHard, c.dropHard);
        EXPECT_TRUE(action.closeSocket);
        EXPECT_EQ(action.status, "Sending cancelled...");
        EXPECT_TRUE(dialogue.ended() && dialogue.unsent());
        EXPECT_FALSE(dialogue.cancel().status);
    }
    SmtpDialogue accepted = Dialogue();
    Replies(accepted, {220, 250, 250, 250, 250, 354, 250});
    EXPECT_FALSE(accepted.unsent());
}

// The user's own server: the EHLO reply picks STARTTLS, then AUTH PLAIN or LOGIN, then the mail
// with its sender, recipient and Reply-To; no credential leaves before TLS (unless the plain
// connection was chosen), nor when STARTTLS is required and missing, nor with bytes that came
// along with the consent to TLS. "*" in a script is the end of the TLS handshake.
TEST(SmtpDialogue, OwnServerFollowsWhatEhloOffers) {
    const std::string message =
        MailDataText(MailHeaderLines({2024, 3, 5, 14, 3, 9}, "r@y.example", "s@x.example", "me@home.example"), {"line one"});
    ASSERT_NE(message.find("To: r@y.example\r\nFrom: s@x.example\r\nReply-To: me@home.example\r\nSubject"), std::string::npos);
    const std::string mail = "MAIL FROM:<s@x.example>\r\nRCPT TO:<r@y.example>\r\nDATA\r\n" + message + "QUIT\r\n";
    const std::vector<std::string> delivery = {"250 from", "250 rcpt", "354 go", "250 queued"};
    struct Case {
        const char* name;
        SmtpSecurity security;
        std::string user;
        bool loginOnly;
        std::vector<std::string> script;
        std::string sent;
        std::string failure;  // empty: accepted (or verified)
    };
    const auto filler = [](int lines) {  // the first lines of a long EHLO reply
        std::string out;
        for (int k = 0; k < lines; ++k) out += "250-x\r\n";
        return out;
    };
    const std::vector<Case> cases = {
        {"AUTH as the 64th line", SmtpSecurity::Tls, "tolva", true, {"220 hi", filler(63) + "250 AUTH PLAIN", "235 ok", "221 bye"},
         "EHLO me\r\nAUTH PLAIN AHRvbHZhAHNlY3JldA==\r\nQUIT\r\n", ""},
        {"AUTH as the 65th line", SmtpSecurity::Tls, "tolva", true, {"220 hi", filler(64) + "250 AUTH PLAIN"},
         "EHLO me\r\nQUIT\r\n", "the server offers no login by PLAIN or LOGIN"},
        {"STARTTLS, PLAIN", SmtpSecurity::StartTls, "tolva", false,
         {"220 hi", "250-x\r\n250-STARTTLS\r\n250 AUTH LOGIN", "220 go", "*", "250-x\r\n250 AUTH LOGIN PLAIN", "235 ok"},
         "EHLO me\r\nSTARTTLS\r\nEHLO me\r\nAUTH PLAIN AHRvbHZhAHNlY3JldA==\r\n" + mail, ""},
        {"TLS, LOGIN", SmtpSecurity::Tls, "tolva", false,
         {"220 hi", "250-x\r\n250 AUTH=LOGIN", "334 VXNlcm5hbWU6", "334 UGFzc3dvcmQ6", "235 ok"},
         "EHLO me\r\nAUTH LOGIN\r\ndG9sdmE=\r\nc2VjcmV0\r\n" + mail, ""},
        {"no login", SmtpSecurity::Tls, "", false, {"220 hi", "250 x"}, "EHLO me\r\n" + mail, ""},
        {"plain, confirmed", SmtpSecurity::None, "tolva", true, {"220 hi", "250 AUTH PLAIN", "235 ok", "221 bye"},
         "EHLO me\r\nAUTH PLAIN AHRvbHZhAHNlY3JldA==\r\nQUIT\r\n", ""},
        {"no STARTTLS offered", SmtpSecurity::StartTls, "tolva", false, {"220 hi", "250-x\r\n250 AUTH PLAIN LOGIN"},
         "EHLO me\r\nQUIT\r\n", "the server offers no STARTTLS, and nothing goes to it unprotected"},
        {"bytes along with the consent", SmtpSecurity::StartTls, "tolva", false,
         {"220 hi", "250 STARTTLS", "220 go\r\n250 AUTH PLAIN\r\n235 ok"}, "EHLO me\r\nSTARTTLS\r\n", "-"},
        {"no known login", SmtpSecurity::Tls, "tolva", false, {"220 hi", "250 AUTH CRAM-MD5"}, "EHLO me\r\nQUIT\r\n",
         "the server offers no login by PLAIN or LOGIN"},
        {"wrong password", SmtpSecurity::Tls, "tolva", false, {"220 hi", "250 AUTH PLAIN", "535 5.7.8 invalid"},
         "EHLO me\r\nAUTH PLAIN AHRvbHZhAHNlY3JldA==\r\nQUIT\r\n", "535 5.7.8 invalid"},
        {"TLS refused for now", SmtpSecurity::StartTls, "tolva", false, {"220 hi", "250 STARTTLS", "454 not now"},
         "EHLO me\r\nSTARTTLS\r\nQUIT\r\n", "454 not now"},
        {"354 before TLS", SmtpSecurity::StartTls, "tolva", false, {"220 hi", "354 go", "250 STARTTLS", "220 go", "354 go"},
         "EHLO me\r\nSTARTTLS\r\n", "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SmtpAccount account{c.security, "me", c.user, "secret", "s@x.example", "r@y.example", "me@home.example", c.loginOnly};
        SmtpDialogue dialogue("ignored", "tolva@tolva.example", {"line one"}, [] { return MailDate{2024, 3, 5, 14, 3, 9}; },
                              account);
        std::string sent;
        bool tlsAsked = false;
        for (const std::string& step : c.script) {
            const SmtpAction action = step == "*" ? dialogue.tlsStarted() : dialogue.feed(step + "\r\n");
            sent += action.send;
            tlsAsked = tlsAsked || action.startTls;
        }
        if (!c.loginOnly && c.failure.empty())
            for (const std::string& reply : delivery) sent += dialogue.feed(reply + "\r\n").send;
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(tlsAsked, c.sent.find("STARTTLS") != std::string::npos && !c.failure.starts_with("454"));
        if (c.failure == "-") {  // the handshake has not ended: nothing more was said
            EXPECT_EQ(dialogue.state(), kSmtpTlsStarting);
            continue;
        }
        EXPECT_EQ(dialogue.failure(), c.failure);
        EXPECT_EQ(dialogue.unsent(), !c.failure.empty() || c.loginOnly);  // a test sends no mail
        EXPECT_EQ(dialogue.verified(), c.loginOnly && c.failure.empty());
    }
}

}  // namespace
}  // namespace tolva

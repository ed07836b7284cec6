// The SMTP dialogue: every row of the reply table, the reading of replies from pieces of bytes,
// and a whole conversation with a server that accepts everything.
#include "core/mail/smtp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tolva {
namespace {

constexpr const char* kServer = "mail.tolva.example";
constexpr const char* kMailbox = "tolva@tolva.example";

SmtpDialogue Dialogue(std::vector<std::string> body = {"line one", "line two"}) {
    return SmtpDialogue(kServer, kMailbox, std::move(body), [] { return MailDate{2024, 3, 5, 14, 3, 9}; });
}

/// Feeds whole replies, one per piece, and returns the last action.
SmtpAction Replies(SmtpDialogue& dialogue, const std::vector<int>& codes) {
    SmtpAction last;
    for (int code : codes) last = dialogue.feed(std::to_string(code) + " ok\r\n");
    return last;
}

struct Row {
    const char* name;
    std::vector<int> before;  // replies that bring the dialogue into its state
    int code;
    int stateBefore;
    std::string send;
    std::optional<std::string> status;
    int stateAfter;
    bool closes;
};

TEST(SmtpDialogue, EveryRowOfTheReplyTable) {
    const std::string message = MailDataText(MailHeaderLines({2024, 3, 5, 14, 3, 9}, kMailbox),
                                             {"line one", "line two"});
    const std::vector<Row> rows = {
        {"220 at start", {}, 220, 0, "HELO mail.tolva.example\r\n", "Mail Server is ready...", 6, false},
        {"220 again in 2", {220, 250, 250}, 220, 2, "HELO mail.tolva.example\r\n", "Mail Server is ready...", 6,
         false},
        {"250 in 6", {220}, 250, 6, "RSET\r\n", "Sending Rset to server...", 1, false},
        {"250 in 1", {220, 250}, 250, 1, "MAIL FROM:<tolva@tolva.example>\r\n", "Sending FROM command...", 2,
         false},
        {"250 in 2", {220, 250, 250}, 250, 2, "RCPT TO:<tolva@tolva.example>\r\n", "Sending RCPT command...", 3,
         false},
        {"250 in 3", {220, 250, 250, 250}, 250, 3, "DATA\r\n", "Sending DATA command...", 4, false},
        {"354 in 4", {220, 250, 250, 250, 250}, 354, 4, message, std::nullopt, 5, false},
        {"354 in 0", {}, 354, 0, message, std::nullopt, 5, false},
        {"250 in 5", {220, 250, 250, 250, 250, 354}, 250, 5, "QUIT\r\n",
         "Sending Quit command to disconnecting from mail server...", 5, true},
        {"250 in 0", {}, 250, 0, "", std::nullopt, 0, false},
        {"250 in 4", {220, 250, 250, 250, 250}, 250, 4, "", std::nullopt, 4, false},
        {"221 in 6", {220}, 221, 6, "", "Disconnected from mail server...", 0, false},
        {"221 in 999", {220, 550}, 221, 999, "", "Disconnected from mail server after error...", 0, false},
        {"500 in 0", {}, 500, 0, "QUIT\r\n", "Error sending mail...", 999, false},
        {"550 in 2", {220, 250, 250}, 550, 2, "QUIT\r\n", "Error sending mail...", 999, false},
        {"599 in 4", {220, 250, 250, 250, 250}, 599, 4, "QUIT\r\n", "Error sending mail...", 999, false},
        {"554 in 5", {220, 250, 250, 250, 250, 354}, 554, 5, "QUIT\r\n", "Error sending mail...", 999, false},
        {"250 in 999", {220, 550}, 250, 999, "", std::nullopt, 999, false},
        {"421 in 6", {220}, 421, 6, "", std::nullopt, 6, false},
        {"600 in 6", {220}, 600, 6, "", std::nullopt, 6, false},
        {"499 in 1", {220, 250}, 499, 1, "", std::nullopt, 1, false},
    };
    for (const Row& row : rows) {
        SmtpDialogue dialogue = Dialogue();
        Replies(dialogue, row.before);
        ASSERT_EQ(dialogue.state(), row.stateBefore) << row.name;
        const SmtpAction action = dialogue.feed(std::to_string(row.code) + " text\r\n");
        EXPECT_EQ(action.send, row.send) << row.name;
        EXPECT_EQ(action.status, row.status) << row.name;
        EXPECT_EQ(dialogue.state(), row.stateAfter) << row.name;
        EXPECT_EQ(action.closeSocket, row.closes) << row.name;
        EXPECT_EQ(action.closeWindow, row.closes) << row.name;
    }
}

TEST(ReplyCode, ReadsTheLeadingNumber) {
    for (const auto& [line, code] : {std::pair{"250 OK", 250}, {"250", 250}, {"250-PIPELINING", -1}, {" 250 OK", 0},
                                     {"hello there", 0}, {"", 0}, {"99999999999999 big", 0}})
        EXPECT_EQ(ReplyCode(line), code) << line;
}

// Replies arrive in any pieces: each is acted on once, when its line ends (CR LF or LF); a
// multi-line reply acts on its final line; a line without a code is ignored.
TEST(SmtpDialogue, RepliesAreActedOnOnceTheirLineIsWhole) {
    SmtpDialogue dialogue = Dialogue();
    EXPECT_EQ(dialogue.feed("Welcome\r\n2").send, "");
    EXPECT_EQ(dialogue.feed("20 mail.tolva.example ES").send, "");
    EXPECT_EQ(dialogue.feed("MTP ready\r").send, "");
    EXPECT_EQ(dialogue.feed("\n").send, "HELO mail.tolva.example\r\n");
    EXPECT_EQ(dialogue.feed("").send, "");
    EXPECT_EQ(dialogue.feed("250-mail.tolva.example\r\n250-SIZE 10240000\n").send, "");
    EXPECT_EQ(dialogue.state(), 6);
    const SmtpAction two = dialogue.feed("250 HELP\r\n250\n");
    EXPECT_EQ(two.send, "RSET\r\nMAIL FROM:<tolva@tolva.example>\r\n");
    EXPECT_EQ(two.status, "Sending FROM command...");
    EXPECT_EQ(dialogue.state(), 2);
}

TEST(SmtpDialogue, ReplyWithoutLineEndBeyondTheLimitEndsTheDialogue) {
    SmtpDialogue dialogue = Dialogue();
    const std::string megabyte(1024 * 1024, 'x');
    const SmtpAction action = dialogue.feed("220 " + megabyte);
    EXPECT_EQ(action.send, "");
    EXPECT_EQ(action.status, "Error sending mail...");
    EXPECT_TRUE(action.closeSocket);
    EXPECT_FALSE(action.closeWindow);
    EXPECT_TRUE(dialogue.ended());
    // Nothing is acted on afterwards, not even a proper reply.
    EXPECT_EQ(dialogue.feed("\r\n220 ready\r\n").send, "");

    SmtpDialogue pieces = Dialogue();
    SmtpAction last;
    for (std::size_t sent = 0; sent <= kMaxReplyLine && !pieces.ended(); sent += 100)
        last = pieces.feed(std::string(100, 'y'));
    EXPECT_TRUE(pieces.ended());
    EXPECT_EQ(last.status, "Error sending mail...");
}

TEST(SmtpDialogue, SocketErrorOrTimeOutShowsTheError) {
    SmtpDialogue dialogue = Dialogue();
    Replies(dialogue, {220, 250});
    const SmtpAction action = dialogue.failed("lost");
    EXPECT_EQ(action.status, "Error sending mail...");
    EXPECT_TRUE(action.closeSocket);
    EXPECT_FALSE(action.closeWindow);
    EXPECT_EQ(dialogue.state(), kSmtpErrorState);
    EXPECT_FALSE(dialogue.failed("lost").status);  // reported once

    SmtpDialogue silent = Dialogue();
    EXPECT_EQ(silent.closed().status, "Error sending mail...");
}

TEST(SmtpDialogue, TheMessageGoesOutOnceHoweverOftenTheServerAsksForIt) {
    SmtpDialogue dialogue = Dialogue();
    Replies(dialogue, {220, 250, 250, 250, 250});
    const std::string message = Replies(dialogue, {354}).send;
    ASSERT_TRUE(message.ends_with("\r\n.\r\n"));
    std::string flood;
    for (int k = 0; k < 10000; ++k) flood += "354 go ahead\r\n";
    const SmtpAction again = dialogue.feed(flood);
    EXPECT_TRUE(again.send.empty());
    EXPECT_EQ(dialogue.state(), 5);
    // The dialogue still ends as usual.
    const SmtpAction quit = Replies(dialogue, {250});
    EXPECT_EQ(quit.send, "QUIT\r\n");
    EXPECT_TRUE(quit.closeWindow);

    // Out of order: the first 354 sends it, even before DATA. A server that starts over and
    // asks for it again after a new DATA would have it without end: the dialogue ends in the error.
    SmtpDialogue early = Dialogue();
    EXPECT_EQ(Replies(early, {354}).send, message);
    EXPECT_TRUE(Replies(early, {354}).send.empty());
    EXPECT_EQ(Replies(early, {220, 250, 250, 250, 250}).send, "DATA\r\n");
    std::string cycles;
    for (int k = 0; k < 1000; ++k) cycles += "354 go ahead\r\n220 hi\r\n250 a\r\n250 b\r\n250 c\r\n250 d\r\n";
    const SmtpAction restarted = early.feed(cycles);
    EXPECT_TRUE(restarted.send.empty());
    EXPECT_EQ(restarted.status, "Error sending mail...");
    EXPECT_TRUE(restarted.closeSocket);
    EXPECT_FALSE(restarted.closeWindow);
    EXPECT_TRUE(early.ended());
}

TEST(SmtpDialogue, CloseAfterGoodbyeIsNoError) {
    SmtpDialogue dialogue = Dialogue();
    Replies(dialogue, {220, 550});
    EXPECT_EQ(Replies(dialogue, {221}).status, "Disconnected from mail server after error...");
    const SmtpAction close = dialogue.closed();
    EXPECT_FALSE(close.status);
    EXPECT_TRUE(dialogue.ended());

    SmtpDialogue sent = Dialogue();
    Replies(sent, {220, 250, 250, 250, 250, 354, 250});
    EXPECT_TRUE(sent.ended());
    EXPECT_FALSE(sent.failed("lost").status);  // the window is closing; a late error changes nothing
}

TEST(SmtpDialogue, AcceptingServerReceivesExactlyTheDialogue) {
    // A server that greets with 220, answers DATA with 354 and every other command with 250,
    // and QUIT with 221. Its replies are driven by what it received.
    SmtpDialogue dialogue = Dialogue({"Name : Ana", ".", "..dots", "VERSION=1.0", ""});
    std::vector<std::string> received;
    std::string pending;
    SmtpAction action = dialogue.feed("220 mail.tolva.example ESMTP\r\n");
    bool quit = false;
    for (int round = 0; round < 20 && !action.send.empty(); ++round) {
        pending += action.send;
        std::string reply;
        std::size_t lf;
        while ((lf = pending.find("\r\n")) != std::string::npos) {
            std::string line = pending.substr(0, lf);
            pending.erase(0, lf + 2);
            received.push_back(line);
            if (line == "DATA") {
                reply += "354 go ahead\r\n";
            } else if (line == "QUIT") {
                quit = true;
                reply += "221 bye\r\n";
            } else if (line == "." || line.starts_with("HELO") || line == "RSET" ||
                       line.starts_with("MAIL") || line.starts_with("RCPT")) {
                reply += "250 ok\r\n";
            }
        }
        if (action.closeSocket) break;
        action = dialogue.feed(reply);
    }
    EXPECT_TRUE(quit);
    EXPECT_TRUE(action.closeWindow);
    EXPECT_EQ(pending, "");
    const std::vector<std::string> expected = {
        "HELO mail.tolva.example",
        "RSET",
        "MAIL FROM:<tolva@tolva.example>",
        "RCPT TO:<tolva@tolva.example>",
        "DATA",
        "Date: 05 Mar 24 14:03:09",
        "To: tolva@tolva.example",
        "From: tolva@tolva.example",
        "Subject: [Tolva!AutomaticMail]",
        "Cc: ",
        "",
        "Name : Ana",
        "..",
        "...dots",
        "VERSION=1.0",
        "",
        ".",
        "QUIT",
    };
    EXPECT_EQ(received, expected);
}

// A reply code glued to its text still counts; the failure keeps the reason; Abort takes leave
// with QUIT between commands and drops the connection once the message is on its way.
TEST(SmtpDialogue, GluedCodesReasonsAndAbort) {
    EXPECT_EQ(ReplyCode("250OK x"), 250);
    SmtpDialogue glued = Dialogue();
    EXPECT_EQ(glued.feed("220mail.tolva.example\r\n250OK\r\n").send, "HELO mail.tolva.example\r\nRSET\r\n");
    EXPECT_EQ(Replies(glued, {250, 250}).send, "RCPT TO:<tolva@tolva.example>\r\n");
    glued.feed("550 5.1.1 no such mailbox\r\n");
    EXPECT_EQ(glued.failure(), "550 5.1.1 no such mailbox");
    EXPECT_TRUE(glued.unsent());
    SmtpDialogue lost = Dialogue();
    Replies(lost, {220});
    EXPECT_EQ(lost.failed("no reply for 30 seconds").status, "Error sending mail...");
    EXPECT_EQ(lost.failure(), "no reply for 30 seconds");

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

}  // namespace
}  // namespace tolva

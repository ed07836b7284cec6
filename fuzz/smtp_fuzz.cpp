// The mail dialogue with a server that answers anything, cut into any pieces (the input's first
// byte separates the pieces), and a user who types anything (three NUL-ended fields before the
// server's bytes: name, address, comment): the machine never fails, never holds a reply line
// beyond its limit, acts the same however the replies were cut, stays silent once ended, and the
// message it sends ends its data only at its very end. Against the user's own server (security
// picked by the number of pieces, TLS coming up whenever it is asked for), no credential and no
// mail ever leaves before TLS is up unless the plain connection was chosen.
#include "core/mail/smtp.h"
#include "fuzz_support.h"

using namespace tolva;
using namespace tolva::fuzz;

namespace {

struct Run {
    std::string sent;
    std::optional<std::string> status;
    bool closeSocket = false, closeWindow = false;

    void take(const SmtpAction& action) {
        sent += action.send;
        if (action.status) status = action.status;
        closeSocket = closeSocket || action.closeSocket;
        closeWindow = closeWindow || action.closeWindow;
    }
};

SmtpDialogue MakeDialogue(const MailInputs& inputs) {
    return SmtpDialogue("mail.tolva.example", "tolva@tolva.example", MailBodyLines(inputs, GameTable(0)),
                        [] { return MailDate{2001, 2, 3, 4, 5, 6}; });
}

}  // namespace

TOLVA_FUZZ_TARGET(input) {
    const std::vector<std::string_view> fields = NulFields(input, 4);
    const MailInputs inputs{std::string(fields[0]), std::string(fields[1]), std::string(fields[2])};
    const std::vector<std::string_view> pieces = Pieces(fields[3]);

    // The message as DATA carries it: no line break but CR LF, no line of a single "." but the last.
    const std::string message =
        MailDataText(MailHeaderLines(MailDate{}, "tolva@tolva.example"), MailBodyLines(inputs, GameTable(0)));
    FUZZ_CHECK(EndsEveryLineInCrLf(message) && message.ends_with(".\r\n"));
    FUZZ_CHECK(message.find("\r\n.\r\n") == message.size() - 5);

    SmtpDialogue cutDialogue = MakeDialogue(inputs);
    Run cut;
    std::size_t lineSoFar = 0;  // bytes of the reply line whose end has not arrived
    for (const std::string_view piece : pieces) {
        const bool wasEnded = cutDialogue.ended();
        const SmtpAction action = cutDialogue.feed(piece);
        if (wasEnded) {
            FUZZ_CHECK(action.send.empty() && !action.status && !action.closeSocket && !action.closeWindow);
            continue;
        }
        cut.take(action);
        const std::size_t lf = piece.rfind('\n');
        lineSoFar = lf == std::string_view::npos ? lineSoFar + piece.size() : piece.size() - lf - 1;
        // A line beyond the limit ends the dialogue; a shorter one is only held.
        if (!cutDialogue.ended()) FUZZ_CHECK(lineSoFar <= kMaxReplyLine);
        if (action.closeWindow) FUZZ_CHECK(action.send.ends_with("QUIT\r\n") && cutDialogue.ended());
    }
    const bool endedBefore = cutDialogue.ended();
    cut.take(cutDialogue.closed());
    FUZZ_CHECK(cutDialogue.ended());
    if (!endedBefore) FUZZ_CHECK(cut.closeSocket);

    SmtpDialogue wholeDialogue = MakeDialogue(inputs);
    Run whole;
    whole.take(wholeDialogue.feed(Joined(pieces)));
    whole.take(wholeDialogue.closed());
    FUZZ_CHECK(whole.sent == cut.sent);
    FUZZ_CHECK(whole.status == cut.status);
    FUZZ_CHECK(whole.closeSocket == cut.closeSocket && whole.closeWindow == cut.closeWindow);
    FUZZ_CHECK(wholeDialogue.state() == cutDialogue.state());

    // The window closes only after the whole message went out, and it went out once at most,
    // however often the server answered 354.
    const std::size_t end = cut.sent.find("\r\n.\r\n");
    if (cut.closeWindow) FUZZ_CHECK(end < cut.sent.rfind("QUIT\r\n"));
    FUZZ_CHECK(end == std::string::npos || cut.sent.find("\r\n.\r\n", end + 1) == std::string::npos);

    SmtpAccount account{SmtpSecurity(pieces.size() % 3), "me", "user", "pw", "s@x.example", "r@y.example",
                        std::string(fields[1]), pieces.size() % 2 == 0};
    SmtpDialogue own("ignored", "", MailBodyLines(inputs, GameTable(0)), [] { return MailDate{}; }, account);
    bool tlsUp = account.security == SmtpSecurity::Tls;
    std::string sentBeforeTls;
    for (const std::string_view piece : pieces) {
        const bool wasEnded = own.ended();
        SmtpAction action = own.feed(piece);
        if (wasEnded) FUZZ_CHECK(action.send.empty() && !action.startTls);
        if (!tlsUp) sentBeforeTls += action.send;
        if (action.startTls) {
            FUZZ_CHECK(!tlsUp && sentBeforeTls.ends_with("STARTTLS\r\n"));
            tlsUp = true;
            FUZZ_CHECK(own.tlsStarted().send == "EHLO me\r\n");
        }
    }
    if (account.security != SmtpSecurity::None)
        FUZZ_CHECK(sentBeforeTls.find("AUTH") == std::string::npos && sentBeforeTls.find("MAIL FROM") == std::string::npos);
    FUZZ_CHECK(!own.verified() || account.loginOnly);
}

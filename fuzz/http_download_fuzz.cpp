// The update download fed by a server that sends anything, cut into any pieces (the input's first
// byte separates the pieces; a second byte says how the connection ends): the machine never fails,
// never holds more than its limits, ends the same way however the bytes were cut, and a complete
// download is exactly the announced body (or the chunks' data without their framing).
#include "core/update/http_download.h"
#include "fuzz_support.h"

using namespace tolva;
using namespace tolva::fuzz;

namespace {

enum class Ending { Close, SocketError, StillOpen };

void CheckLimits(const HttpDownload& download) {
    FUZZ_CHECK(static_cast<std::int64_t>(download.body().size()) <= kMaxBodyBytes);
    // Until the header has ended, every byte received is held, never more than the header limit.
    if (download.state() == HttpDownload::State::WaitingForHeader)
        FUZZ_CHECK(download.received() <= static_cast<std::int64_t>(kMaxHeaderBytes));
    if (download.progressMaximum() > 0) FUZZ_CHECK(download.progressPosition() <= download.progressMaximum());
    FUZZ_CHECK(download.progressPosition() <= download.received());
    if (download.state() == HttpDownload::State::Failed) {
        FUZZ_CHECK(!download.failure().empty());
        FUZZ_CHECK(download.body().empty());
    } else {
        FUZZ_CHECK(download.failure().empty());
    }
}

HttpDownload::State End(HttpDownload& download, Ending ending) {
    switch (ending) {
    case Ending::Close: return download.closed();
    case Ending::SocketError: return download.fail("the connection was reset");
    case Ending::StillOpen: break;
    }
    return download.state();
}

}  // namespace

TOLVA_FUZZ_TARGET(input) {
    std::string_view text = input;
    const auto ending = static_cast<Ending>(TakeByte(text).value_or(0) % 3);
    const std::vector<std::string_view> pieces = Pieces(text);

    HttpDownload cut;
    std::int64_t fed = 0;
    for (const std::string_view piece : pieces) {
        const bool wasFinished = cut.finished();
        const HttpDownload::State before = cut.state();
        const HttpDownload::State state = cut.feed(piece);
        if (wasFinished) FUZZ_CHECK(state == before);  // nothing moves a finished download
        else fed += static_cast<std::int64_t>(piece.size());
        FUZZ_CHECK(cut.received() == fed);
        CheckLimits(cut);
    }
    End(cut, ending);
    CheckLimits(cut);

    // The same bytes in one piece end the same way.
    HttpDownload whole;
    whole.feed(Joined(pieces));
    End(whole, ending);
    FUZZ_CHECK(whole.state() == cut.state());
    FUZZ_CHECK(whole.body() == cut.body());
    FUZZ_CHECK(whole.statusCode() == cut.statusCode() || cut.state() == HttpDownload::State::Failed);

    if (cut.state() != HttpDownload::State::Complete) return;
    FUZZ_CHECK(cut.statusCode() >= 200 && cut.statusCode() <= 299);
    if (cut.contentLength()) FUZZ_CHECK(static_cast<std::int64_t>(cut.body().size()) == *cut.contentLength());
    else if (!cut.chunked()) FUZZ_CHECK(ending == Ending::Close);
}

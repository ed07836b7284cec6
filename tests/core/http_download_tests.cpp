// Scripted byte dialogues for the update download: what the server sends, in which pieces, and
// what the machine makes of it; and the addresses and requests around it.
#include "core/update/http_download.h"

#include <gtest/gtest.h>

#include "core/endpoints.h"
#include "support.h"

namespace tolva {
namespace {

using namespace tolva::testing;
using State = HttpDownload::State;

const std::string kBody = "Version=1.2\r\n\r\nID=1234567890\r\nTitle=Alpha\r\nFlags=80000000H\r\n";

std::string WithLength(const std::string& body, const std::string& name = "Content-Length") {
    return "HTTP/1.0 200 OK\r\nServer: SimpleHTTP/0.6\r\nContent-type: text/plain\r\n" + name + ": " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

/// The download fed piece by piece (each byte apart when pieces is empty), then told the server
/// closed unless close is false.
HttpDownload Download(const std::string& all, std::vector<std::string_view> pieces = {}, bool close = true) {
    if (pieces.empty()) for (std::size_t k = 0; k < all.size(); ++k) pieces.push_back(std::string_view(all).substr(k, 1));
    HttpDownload download;
    for (const std::string_view piece : pieces) {
        download.feed(piece);
        EXPECT_TRUE(download.state() != State::WaitingForHeader || download.received() <= std::int64_t(kMaxHeaderBytes));
    }
    if (close) download.closed();
    return download;
}

TEST(ParseEndpoint, HostAndPortOrTheDefaults) {
    const std::tuple<std::string, std::string, int> cases[] = {
        {"", "default", 25}, {"mail.example", "mail.example", 25}, {"mail.example:2525", "mail.example", 2525},
        {"127.0.0.1:65535", "127.0.0.1", 65535}, {"h:65536", "h", 25}, {"h:0", "h", 25}, {"h:-1", "h", 25},
        {"h:12x", "h", 25}, {"h:", "h", 25}, {":2525", "default", 2525}, {"::1", "::1", 25},
        {"[::1]:2525", "::1", 2525}, {"[::1]", "::1", 25}, {"[::1]:", "::1", 25}, {"[::1]:65536", "::1", 25},
        {"[::1]:1x", "::1", 25}, {"[::1", "[::1", 25}, {"[::1]x", "::1", 25}, {"[::1]:0", "::1", 25},
        {"[::1]:1", "::1", 1}, {"[::1]:65535", "::1", 65535}, {"h:1", "h", 1}};
    for (const auto& [text, host, port] : cases) {
        const Endpoint endpoint = ParseEndpoint(text, "default", 25);
        EXPECT_EQ(endpoint.host + ":" + std::to_string(endpoint.port), host + ":" + std::to_string(port)) << text;
    }
}

TEST(HttpDownload, CompletesOnTheLastByteWithProgressKnownOnceTheHeaderEnds) {
    const std::string response = WithLength(kBody);
    const std::size_t header = response.size() - kBody.size();
    HttpDownload download;
    for (std::size_t i = 0; i + 1 < response.size(); ++i) {
        ASSERT_EQ(download.feed(response.substr(i, 1)), i + 1 < header ? State::WaitingForHeader : State::ReceivingBody) << i;
        EXPECT_EQ(download.progressMaximum(), i + 1 < header ? 0 : std::int64_t(response.size())) << i;
        EXPECT_EQ(download.progressPosition(), std::int64_t(i + 1));
    }
    EXPECT_EQ(download.feed(response.substr(response.size() - 1)), State::Complete);
    EXPECT_EQ(download.statusCode(), 200);
    EXPECT_EQ(download.received(), std::int64_t(response.size()));
    EXPECT_EQ(download.contentLength(), std::int64_t(kBody.size()));
    EXPECT_EQ(Download(response + "trailing junk", {response + "trailing junk"}, false).body(), kBody);
}

// Each response fed whole and byte by byte ends alike: in its state (before the server closes,
// where it needs no close), with its body, or failed saying why.
TEST(HttpDownload, EveryKindOfResponse) {
    std::string endless = "HTTP/1.0 200 OK\r\n";
    while (endless.size() < 2 * kMaxHeaderBytes) endless += "X-Filler: " + std::string(90, 'a') + "\r\n";
    const std::string chunked = "HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked\r\n";
    const std::string chunks = "E;ext=\"a;b\"\r\nVersion=1.0\r\nI\r\n7\r\nD=98765\r\n 5 \r\n43210\r\n0\r\nX-Sum: 1\r\n\r\n";
    const std::string length = "HTTP/1.0 200 OK\r\nContent-Length: ";
    const std::string tooLong = " bytes, more than an update can be (8388608 bytes)";
    const struct {
        std::string bytes;
        State state;
        std::string bodyOrFailure;  // the body when complete, a part of the failure otherwise
        bool needsClose = true;
    } cases[] = {
        {WithLength(kBody, "content-length"), State::Complete, kBody, false},
        {WithLength(kBody, "CONTENT-LENGTH"), State::Complete, kBody, false},
        {"HTTP/1.1 200 OK\r\nX-Content-Length: 3\r\nContent-Length:\t " + std::to_string(kBody.size()) + "  \r\n\r\n" + kBody,
         State::Complete, kBody, false},
        {"HTTP/1.0 200 OK\nContent-Length: 5\n\nhello", State::Complete, "hello", false},
        {"HTTP/1.0 200 OK\r\nContent-type: text/plain\r\n\r\n" + kBody, State::Complete, kBody},  // ends at close
        {"HTTP/1.0 204 No Content\r\n\r\n", State::Complete, ""},
        {"HTTP/1.0 299 Odd\r\nContent-Length: 0\r\n\r\n", State::Complete, "", false},
        {chunked + "\r\n" + chunks, State::Complete, "Version=1.0\r\nID=9876543210", false},
        {chunked + "Content-Length: 3\r\n\r\n" + chunks, State::Complete, "Version=1.0\r\nID=9876543210", false},
        {chunked + "\nb\nVersion=1.0\n0\n", State::Complete, "Version=1.0"},  // closed before the trailer ends
        {"HTTP/1.0 302 Found\r\nLocation: /new.ini\r\n\r\n", State::Redirected, "", false},
        {"HTTP/1.0 301 Moved\r\nLocation: /new.ini\r\n\r\n", State::Redirected, "", false},
        {"HTTP/1.0 200 OK\r\nLocation: /new.ini\r\nContent-Length: 5\r\n\r\nhello", State::Complete, "hello", false},
        {"HTTP/1.0 404 File not found\r\nContent-Length: 5\r\n\r\nerror", State::Failed, "404 File not found"},
        {"HTTP/1.0 301 Moved\r\n\r\n", State::Failed, "301 Moved"},  // a redirect to nowhere
        {"HTTP/1.1 500 Oops\r\n\r\n", State::Failed, "500 Oops"},
        {"HTTP/1.0 199 Odd\r\n\r\n", State::Failed, "199"},
        {"HTTP/1.0 300 Choices\r\n\r\n", State::Failed, "300"},
        {"SSH-2.0-OpenSSH\r\n\r\n", State::Failed, ""},
        {"HTTP/1.0 20 OK\r\n\r\n", State::Failed, ""},
        {"HTTP/1.0 2000 OK\r\n\r\n", State::Failed, ""},
        {"HTTP/1.0 2x0 OK\r\n\r\n", State::Failed, "did not answer with HTTP"},
        {"<html>\r\n\r\n", State::Failed, ""},
        {WithLength(kBody).substr(0, WithLength(kBody).size() - 5), State::Failed, "closed"},
        {"HTTP/1.0 200 OK\r\nContent-Le", State::Failed, ""},
        {"", State::Failed, ""},
        {length + "1000\r\n\r\n" + kBody, State::Failed, "closed"},
        {endless, State::Failed, "header", false},
        {length + "5\r\nContent-Length: 6\r\n\r\nhello", State::Failed, "", false},
        {length + "8388608\r\n\r\n", State::Failed, "closed"},  // the limit itself may be announced
        {length + "8388609\r\n\r\n", State::Failed, "the server announced 8388609" + tooLong, false},
        {length + "2147483648 \r\n\r\n", State::Failed, "the server announced 2147483648" + tooLong, false},
        {length + "2147483647 \r\n\r\n", State::Failed, "the server announced 2147483647" + tooLong, false},
        {length + "99999999999999999999999 \r\n\r\n", State::Failed, "unreadable Content-Length \"99999999999999999999999\"", false},
        {length + "-5 \r\n\r\n", State::Failed, "unreadable Content-Length \"-5\"", false},
        {length + "12abc \r\n\r\n", State::Failed, "unreadable Content-Length \"12abc\"", false},
        {length + " \r\n\r\n", State::Failed, "unreadable Content-Length \"\"", false},
        {chunked + "\r\nb\r\nVersion", State::Failed, ""},  // closed inside a chunk
        {chunked + "\r\n2\r\nID\r\n", State::Failed, ""},  // closed before the last chunk
        {chunked + "\r\nzz\r\nID\r\n", State::Failed, "", false},
        {chunked + "\r\n-2\r\nID\r\n0\r\n\r\n", State::Failed, "unreadable chunk size", false},  // signed
        {chunked + "\r\n+2\r\nID\r\n0\r\n\r\n", State::Failed, "unreadable chunk size", false},
        {chunked + "\r\n10000000000000000\r\nID\r\n", State::Failed, "unreadable chunk size", false},  // beyond 64 bits
        {chunked + "\r\n2\r\nID=1\r\n0\r\n\r\n", State::Failed, "", false},  // a chunk longer than its size
        {chunked + "\r\n1;" + std::string(kMaxChunkLine, 'x'), State::Failed, "", false},
        {"HTTP/1.0 200 OK\r\nTransfer-Encoding: identity, , chunked\r\n\r\n0\r\n\r\n", State::Complete, "", false},  // empty elements count for nothing
        {"HTTP/1.0 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n0\r\n\r\n", State::Failed, "", false},
        {"HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked, chunked\r\n\r\n0\r\n\r\n", State::Failed, "", false},
        {"HTTP/1.0 200 OK\r\nContent-Encoding: chunked\r\n\r\n0\r\n\r\n", State::Failed, "", false},
        {"HTTP/1.0 200 OK\r\nContent-Encoding: gzip\r\n\r\nx", State::Failed, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 80));
        for (const bool whole : {true, false}) {
            const std::vector<std::string_view> pieces = whole ? std::vector<std::string_view>{c.bytes} : std::vector<std::string_view>{};
            HttpDownload download = Download(c.bytes, pieces, false);
            if (!c.needsClose) { EXPECT_EQ(download.state(), c.state) << download.failure(); }
            download.closed();
            EXPECT_EQ(download.state(), c.state) << download.failure();
            const bool complete = c.state == State::Complete;
            EXPECT_EQ(download.body(), complete ? c.bodyOrFailure : "");
            EXPECT_NE(download.failure().find(complete ? "" : c.bodyOrFailure), std::string::npos) << download.failure();
        }
    }
    HttpDownload held;  // a header of exactly the limit, not yet ended, is still awaited
    EXPECT_EQ(held.feed("HTTP/1.0 200 OK\r\n" + std::string(kMaxHeaderBytes - 17, 'h')), State::WaitingForHeader);
    HttpDownload unbounded;  // a body without a length ends at its limit
    unbounded.feed("HTTP/1.0 200 OK\r\n\r\n");
    for (int i = 0; i < 8; ++i) unbounded.feed(std::string(1024 * 1024, 'x'));
    EXPECT_EQ(unbounded.state(), State::ReceivingBody);
    EXPECT_EQ(unbounded.feed("x"), State::Failed);
    HttpDownload moved;
    moved.feed("HTTP/1.1 307 Temporary\r\nlocation:  http://mirror.example:8080/u.ini \r\n\r\n");
    EXPECT_EQ(moved.location(), "http://mirror.example:8080/u.ini");
}

TEST(HttpDownload, NothingChangesAfterTheEndAndTheResultIsHandedOnOrNothing) {
    HttpDownload done;
    done.feed(WithLength("hello"));
    done.feed("more bytes");
    EXPECT_EQ(done.closed(), State::Complete);
    EXPECT_EQ(done.fail("late socket error"), State::Complete);
    EXPECT_EQ(done.body(), "hello");
    UpdateValues values{"stale text from a previous run", false};
    HttpDownload running;
    running.feed("HTTP/1.0 200 OK\r\n");
    StoreDownload(running, values);
    EXPECT_FALSE(values.DownloadDone);
    StoreDownload(done, values);
    EXPECT_TRUE(values.DownloadDone);
    EXPECT_EQ(values.DownloadText, "hello");
    running.fail("Connection refused");
    StoreDownload(running, values);
    EXPECT_EQ(values.DownloadText, "");
    EXPECT_EQ(running.failure(), "Connection refused");
}

// Inputs the fuzzer found, replayed from tests/fixtures/regressions/http_download_fuzz/ in its
// format (a byte for the ending, then the pieces): a download ends alike however its bytes
// arrive, and a header with its empty line exactly at the limit is accepted in any pieces.
TEST(HttpDownload, EndsAlikeHoweverItsBytesArrive) {
    std::vector<std::string> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(TOLVA_FIXTURES) + "/regressions/http_download_fuzz"))
        inputs.push_back(ReadFileBytes(entry.path().string()).substr(1));
    ASSERT_FALSE(inputs.empty());
    std::string header = "HTTP/1.0 200 OK\r\nX-Pad: ";
    header.append(kMaxHeaderBytes - 4 - header.size(), 'p').append("\r\n\r\n");
    inputs.push_back("|" + header + "|ID=1");
    for (const std::string& input : inputs) {
        const std::vector<std::string_view> pieces = Pieces(input);
        const std::string all = Joined(pieces);
        const HttpDownload cut = Download(all, pieces), whole = Download(all, {all}), single = Download(all);
        EXPECT_EQ(cut.state(), whole.state()) << cut.failure() << " / " << whole.failure();
        EXPECT_EQ(single.state(), whole.state()) << single.failure() << " / " << whole.failure();
        EXPECT_EQ(cut.body(), whole.body());
        EXPECT_EQ(single.body(), whole.body());
    }
    EXPECT_EQ(Download(header + "ID=1").body(), "ID=1");
}

TEST(HttpAddress, RedirectTargetsProxiesRequestsAndTheAddressShown) {
    const HttpAddress from{"www.tolva.example", 8080, "/dir/update.ini?x=1"};
    for (const auto& [location, expected] : std::vector<std::pair<const char*, std::string>>{
             {"http://Mirror.example/u.ini", "http://Mirror.example/u.ini"},
             {"HTTP://[::1]:81/u", "http://[::1]:81/u"},
             {"http://[::1]/u", "http://[::1]/u"},
             {"//other.example:90", "http://other.example:90/"},
             {"/top.ini#part", "http://www.tolva.example:8080/top.ini"},
             {"next.ini", "http://www.tolva.example:8080/dir/next.ini"},
             {"https://www.tolva.example/update.ini", ""},
             {"ftp://x/y", ""},
             {"http://host:1/", "http://host:1/"},
             {"http://host:65535/", "http://host:65535/"},
             {"http://host:0/", ""},
             {"http://host:65536/", ""},
             {"http://host:99999/", ""}}) {
        const auto target = RedirectTarget(from, location);
        EXPECT_EQ(target ? AddressText(*target) : "", expected) << location;
    }
    // Both routes take the next step by one rule: at most kMaxRedirects, never off plain http.
    const RedirectStep last = FollowRedirect(from, "next.ini", kMaxRedirects - 1);
    EXPECT_EQ(last.next ? AddressText(*last.next) : last.failure, "http://www.tolva.example:8080/dir/next.ini");
    EXPECT_EQ(FollowRedirect(from, "next.ini", kMaxRedirects).failure,
              "the server sent the update elsewhere more than 5 times");
    EXPECT_EQ(FollowRedirect(from, "ftp://x/", 0).failure,
              "the server sent the update to ftp://x/, which is not an http address");
    EXPECT_FALSE(FollowRedirect(std::nullopt, "http://x/", 0).next);  // from https, say

    const HttpAddress update{"www.tolva.example", 80, "/update.ini"};
    for (const auto& [proxy, noProxy, expected] : std::vector<std::tuple<const char*, const char*, std::string>>{
             {"", "", ""},
             {"http://proxy.lan:3128/", "", "http://proxy.lan:3128/"},
             {"proxy.lan", "", "http://proxy.lan:8080/"},
             {"http://u:p@proxy.lan:3128", "", "http://proxy.lan:3128/"},
             {"http://u:p@proxy.lan", "", "http://proxy.lan:8080/"},  // the password's ":" is no port
             {"http://u:p@[::1]", "", "http://[::1]:8080/"},
             {"proxy.lan:3128", "localhost, .tolva.example", ""},
             {"proxy.lan:3128", "tolva.example", ""},
             {"proxy.lan:3128", "*", ""},
             {"proxy.lan:3128", "lva.example", "http://proxy.lan:3128/"}}) {
        const auto through = ProxyFor(update, proxy, noProxy);
        EXPECT_EQ(through ? AddressText(*through) : "", expected) << proxy << " / " << noProxy;
    }

    const std::string agent = "User-Agent: Mozilla/3.0 (Win95; I)\r\n";
    EXPECT_EQ(UpdateRequest(update), "GET /update.ini HTTP/1.0\r\n" + agent + "Host: www.tolva.example\r\nAccept: */*\r\n\r\n");
    EXPECT_NE(UpdateRequest({"127.0.0.1", 8080, "/update.ini"}).find("\r\nHost: 127.0.0.1:8080\r\n"), std::string::npos);
    EXPECT_TRUE(UpdateRequest({"::1", 80, "/update.ini"}, true)
                    .starts_with("GET http://[::1]/update.ini HTTP/1.0\r\n" + agent + "Host: [::1]\r\n"));
    EXPECT_EQ(UpdateAddress("www.tolva.example", 80, "/update.ini"), "http://www.tolva.example/update.ini");
    EXPECT_EQ(UpdateAddress("127.0.0.1", 8080, "/update.ini"), "http://127.0.0.1:8080/update.ini");
    EXPECT_EQ(UpdateAddress("::1", 8080, "/update.ini"), "http://[::1]:8080/update.ini");
}

// The user's own web address follows redirects as a browser does, but never from https to http,
// never to another scheme, and not without end.
TEST(WebRedirectRefusal, HttpsNeverLeadsToHttp) {
    struct Case { const char* from; const char* to; int followed; const char* refusal; };
    for (const Case& c : std::initializer_list<Case>{
             {"https://a.example/u", "https://b.example/u", 0, ""},
             {"http://a.example/u", "HTTPS://b.example/u", 4, ""},
             {"http://a.example/u", "http://b.example/u", 0, ""},
             {"HTTPS://a.example/u", "http://a.example/u", 0, "from a protected (https) address to an unprotected one"},
             {"https://a.example/u", "ftp://a.example/u", 0, "which is no web address"},
             {"https://a.example/u", "https://a.example/v", 5, "more than 5 times"}}) {
        const std::string refusal = WebRedirectRefusal(c.from, c.to, c.followed);
        EXPECT_EQ(refusal.empty(), *c.refusal == 0) << c.from << " -> " << c.to;
        EXPECT_NE(refusal.find(c.refusal), std::string::npos) << refusal;
    }
}

}  // namespace
}  // namespace tolva

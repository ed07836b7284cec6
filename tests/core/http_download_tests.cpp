// Scripted byte dialogues for the update download: what the server sends, in which pieces, and
// what the machine makes of it.
#include "core/update/http_download.h"

#include "core/endpoints.h"

#include <gtest/gtest.h>

#include "../../fuzz/fuzz_support.h"
#include "support.h"

namespace tolva {
namespace {

using State = HttpDownload::State;

const std::string kBody = "Version=1.2\r\n\r\nID=1234567890\r\nTitle=Alpha\r\nFlags=80000000H\r\n";

std::string WithLength(const std::string& body, const std::string& name = "Content-Length") {
    return "HTTP/1.0 200 OK\r\nServer: SimpleHTTP/0.6\r\nContent-type: text/plain\r\n" + name + ": " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
}

/// The download fed piece by piece (each byte apart when pieces is empty), then told the server closed.
HttpDownload Download(const std::string& all, std::vector<std::string_view> pieces = {}) {
    if (pieces.empty()) for (std::size_t k = 0; k < all.size(); ++k) pieces.push_back(std::string_view(all).substr(k, 1));
    HttpDownload download;
    for (const std::string_view piece : pieces) {
        download.feed(piece);
        EXPECT_TRUE(download.state() != State::WaitingForHeader || download.received() <= std::int64_t(kMaxHeaderBytes));
    }
    download.closed();
    return download;
}

TEST(UpdateRequest, TheExactHttp10RequestAndTheAddressShown) {
    EXPECT_EQ(UpdateRequest({"www.tolva.example", 80, "/update.ini"}),
              "GET /update.ini HTTP/1.0\r\nUser-Agent: Mozilla/3.0 (Win95; I)\r\nHost: www.tolva.example\r\nAccept: */*\r\n\r\n");
    EXPECT_EQ(UpdateAddress("www.tolva.example", 80, "/update.ini"), "http://www.tolva.example/update.ini");
    EXPECT_EQ(UpdateAddress("127.0.0.1", 8080, "/update.ini"), "http://127.0.0.1:8080/update.ini");
    EXPECT_EQ(UpdateAddress("::1", 8080, "/update.ini"), "http://[::1]:8080/update.ini");
}

TEST(ParseEndpoint, HostAndPortOrTheDefaults) {
    const std::tuple<std::string, std::string, int> cases[] = {
        {"", "default", 25}, {"mail.example", "mail.example", 25}, {"mail.example:2525", "mail.example", 2525},
        {"127.0.0.1:65535", "127.0.0.1", 65535}, {"h:65536", "h", 25}, {"h:0", "h", 25}, {"h:-1", "h", 25},
        {"h:12x", "h", 25}, {"h:", "h", 25}, {":2525", "default", 2525}, {"::1", "::1", 25},
        {"[::1]:2525", "::1", 2525}, {"[::1]", "::1", 25}, {"[::1]:", "::1", 25}, {"[::1]:65536", "::1", 25},
        {"[::1]:1x", "::1", 25}, {"[::1", "[::1", 25}, {"[::1]x", "::1", 25}};
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
        ASSERT_FALSE(download.finished());
        EXPECT_EQ(download.progressMaximum(), i + 1 < header ? 0 : std::int64_t(response.size())) << i;
        EXPECT_EQ(download.progressPosition(), std::int64_t(i + 1));
    }
    EXPECT_EQ(download.feed(response.substr(response.size() - 1)), State::Complete);
    EXPECT_EQ(download.body(), kBody);
    EXPECT_EQ(download.statusCode(), 200);
    EXPECT_EQ(download.received(), std::int64_t(response.size()));
    EXPECT_EQ(download.contentLength(), std::int64_t(kBody.size()));
    HttpDownload whole;
    EXPECT_EQ(whole.feed(response + "trailing junk"), State::Complete);
    EXPECT_EQ(whole.body(), kBody);
}

// Header names in any case, blanks around the length, bare LF line ends, no length (the body
// ends at close), a 2xx without a body: each ends complete with the body sent.
TEST(HttpDownload, ResponsesThatComplete) {
    const std::pair<std::string, std::string> cases[] = {
        {WithLength(kBody, "content-length"), kBody}, {WithLength(kBody, "CONTENT-LENGTH"), kBody},
        {"HTTP/1.1 200 OK\r\nX-Content-Length: 3\r\nContent-Length:\t " + std::to_string(kBody.size()) + "  \r\n\r\n" + kBody, kBody},
        {"HTTP/1.0 200 OK\nContent-Length: 5\n\nhello", "hello"},
        {"HTTP/1.0 200 OK\r\nContent-type: text/plain\r\n\r\n" + kBody, kBody},
        {"HTTP/1.0 204 No Content\r\n\r\n", ""},
        {"HTTP/1.0 299 Odd\r\nContent-Length: 0\r\n\r\n", ""},
    };
    for (const auto& [response, body] : cases) {
        const HttpDownload download = Download(response);
        EXPECT_EQ(download.state(), State::Complete) << response << download.failure();
        EXPECT_EQ(download.body(), body);
    }
}

TEST(HttpDownload, ResponsesThatFailSayWhy) {
    std::string endless = "HTTP/1.0 200 OK\r\n";
    while (endless.size() < 2 * kMaxHeaderBytes) endless += "X-Filler: " + std::string(90, 'a') + "\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"HTTP/1.0 404 File not found\r\nContent-Length: 5\r\n\r\nerror", "404 File not found"},
        {"HTTP/1.0 301 Moved\r\n\r\n", "301 Moved"}, {"HTTP/1.1 500 Oops\r\n\r\n", "500 Oops"}, {"HTTP/1.0 199 Odd\r\n\r\n", "199"},
        {"HTTP/1.0 300 Choices\r\n\r\n", "300"}, {"SSH-2.0-OpenSSH\r\n\r\n", ""}, {"HTTP/1.0 20 OK\r\n\r\n", ""},
        {"HTTP/1.0 2000 OK\r\n\r\n", ""}, {"<html>\r\n\r\n", ""},
        {WithLength(kBody).substr(0, WithLength(kBody).size() - 5), "closed"},
        {"HTTP/1.0 200 OK\r\nContent-Le", ""}, {"", ""}, {"HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + kBody, "closed"},
        {endless, "header"},
        {"HTTP/1.0 200 OK\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\nhello", ""},
    };
    for (const auto& [response, said] : cases) {
        for (const HttpDownload& download : {Download(response), Download(response, {response})}) {
            EXPECT_EQ(download.state(), State::Failed) << response.substr(0, 60);
            EXPECT_EQ(download.body(), "");
            EXPECT_NE(download.failure().find(said), std::string::npos) << download.failure();
        }
    }
    for (const char* length : {"2147483648", "2147483647", "99999999999999999999999", "-5", "12abc", ""}) {
        HttpDownload download;  // fails before any body arrives
        EXPECT_EQ(download.feed(std::string("HTTP/1.0 200 OK\r\nContent-Length: ") + length + " \r\n\r\n"), State::Failed) << length;
        const std::string said = std::string_view(length).size() == 10 ? std::string("the server announced ") + length +
                                                                 " bytes, more than an update can be (8388608 bytes)"
                                                           : std::string("unreadable Content-Length \"") + length + "\"";
        EXPECT_NE(download.failure().find(said), std::string::npos) << download.failure();
    }
    HttpDownload unbounded;  // a body without a length ends at its limit
    unbounded.feed("HTTP/1.0 200 OK\r\n\r\n");
    const std::string chunk(1024 * 1024, 'x');
    for (int i = 0; i < 8; ++i) unbounded.feed(chunk);
    EXPECT_EQ(unbounded.state(), State::ReceivingBody);
    EXPECT_EQ(unbounded.feed("x"), State::Failed);
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
    EXPECT_TRUE(values.DownloadDone);
    EXPECT_EQ(values.DownloadText, "");
    EXPECT_EQ(running.failure(), "Connection refused");
}

// Inputs the fuzzer found, replayed from tests/fixtures/regressions/http_download_fuzz/ in its
// format (a byte for the ending, then the pieces): a download ends alike however its bytes
// arrive, and a header with its empty line exactly at the limit is accepted in any pieces.
TEST(HttpDownload, EndsAlikeHoweverItsBytesArrive) {
    std::vector<std::string> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(TOLVA_FIXTURES) + "/regressions/http_download_fuzz"))
        inputs.push_back(testing::ReadFileBytes(entry.path().string()).substr(1));
    ASSERT_FALSE(inputs.empty());
    std::string header = "HTTP/1.0 200 OK\r\nX-Pad: ";
    header.append(kMaxHeaderBytes - 4 - header.size(), 'p').append("\r\n\r\n");
    inputs.push_back("|" + header + "|ID=1");
    for (const std::string& input : inputs) {
        const std::vector<std::string_view> pieces = fuzz::Pieces(input);
        const std::string all = fuzz::Joined(pieces);
        const HttpDownload cut = Download(all, pieces), whole = Download(all, {all}), single = Download(all);
        EXPECT_EQ(cut.state(), whole.state()) << cut.failure() << " / " << whole.failure();
        EXPECT_EQ(single.state(), whole.state()) << single.failure() << " / " << whole.failure();
        EXPECT_EQ(cut.body(), whole.body());
        EXPECT_EQ(single.body(), whole.body());
    }
    EXPECT_EQ(Download(header + "ID=1").body(), "ID=1");
}

// Chunked bodies lose their framing however the bytes are cut, or the download fails; a
// redirect ends the download with its target; other codings are refused.
TEST(HttpDownload, ChunkedBodiesRedirectsAndCodings) {
    const std::string head = "HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked\r\n";
    const std::string chunks = "E;ext=\"a;b\"\r\nVersion=1.0\r\nI\r\n7\r\nD=98765\r\n 5 \r\n43210\r\n0\r\nX-Sum: 1\r\n\r\n";
    struct Case { const char* name; std::string bytes; bool close; State state; std::string body; };
    const std::vector<Case> cases = {
        {"chunks, extensions, trailer", head + "\r\n" + chunks, false, State::Complete, "Version=1.0\r\nID=9876543210"},
        {"chunks win over a length", head + "Content-Length: 3\r\n\r\n" + chunks, false, State::Complete,
         "Version=1.0\r\nID=9876543210"},
        {"close before the trailer ends", head + "\nb\nVersion=1.0\n0\n", true, State::Complete, "Version=1.0"},
        {"close inside a chunk", head + "\r\nb\r\nVersion", true, State::Failed, ""},
        {"close before the last chunk", head + "\r\n2\r\nID\r\n", true, State::Failed, ""},
        {"unreadable size", head + "\r\nzz\r\nID\r\n", false, State::Failed, ""},
        {"chunk longer than its size", head + "\r\n2\r\nID=1\r\n0\r\n\r\n", false, State::Failed, ""},
        {"size line beyond its limit", head + "\r\n1;" + std::string(kMaxChunkLine, 'x'), false, State::Failed, ""},
        {"compressed transfer", "HTTP/1.0 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n0\r\n\r\n", false,
         State::Failed, ""},
        {"compressed content", "HTTP/1.0 200 OK\r\nContent-Encoding: gzip\r\n\r\nx", true, State::Failed, ""},
        {"redirect", "HTTP/1.0 302 Found\r\nLocation: /new.ini\r\n\r\n", false, State::Redirected, ""},
        {"redirect nowhere", "HTTP/1.0 301 Moved\r\n\r\n", true, State::Failed, ""},
    };
    for (const Case& c : cases) {
        HttpDownload whole;
        HttpDownload bytewise;
        whole.feed(c.bytes);
        for (const char byte : c.bytes) bytewise.feed(std::string_view(&byte, 1));
        for (HttpDownload* download : {&whole, &bytewise}) {
            if (c.close) download->closed();
            EXPECT_EQ(download->state(), c.state) << c.name << ": " << download->failure();
            EXPECT_EQ(download->body(), c.body) << c.name;
        }
    }
    HttpDownload moved;
    moved.feed("HTTP/1.1 307 Temporary\r\nlocation:  http://mirror.example:8080/u.ini \r\n\r\n");
    EXPECT_EQ(moved.location(), "http://mirror.example:8080/u.ini");
}

TEST(HttpAddress, RedirectTargetsProxiesAndRequests) {
    const HttpAddress from{"www.tolva.example", 8080, "/dir/update.ini?x=1"};
    struct Case { const char* location; std::string expected; };
    for (const Case& c : std::vector<Case>{{"http://Mirror.example/u.ini", "http://Mirror.example/u.ini"},
                                           {"HTTP://[::1]:81/u", "http://[::1]:81/u"},
                                           {"//other.example:90", "http://other.example:90/"},
                                           {"/top.ini#part", "http://www.tolva.example:8080/top.ini"},
                                           {"next.ini", "http://www.tolva.example:8080/dir/next.ini"},
                                           {"https://www.tolva.example/update.ini", ""},
                                           {"ftp://x/y", ""},
                                           {"http://host:99999/", ""}}) {
        const auto target = RedirectTarget(from, c.location);
        EXPECT_EQ(target ? AddressText(*target) : "", c.expected) << c.location;
    }

    const HttpAddress update{"www.tolva.example", 80, "/update.ini"};
    struct Proxy { const char* proxy; const char* noProxy; std::string expected; };
    for (const Proxy& c : std::vector<Proxy>{{"", "", ""},
                                             {"http://proxy.lan:3128/", "", "http://proxy.lan:3128/"},
                                             {"proxy.lan", "", "http://proxy.lan:8080/"},
                                             {"http://u:p@proxy.lan:3128", "", "http://proxy.lan:3128/"},
                                             {"proxy.lan:3128", "localhost, .tolva.example", ""},
                                             {"proxy.lan:3128", "tolva.example", ""},
                                             {"proxy.lan:3128", "*", ""},
                                             {"proxy.lan:3128", "lva.example", "http://proxy.lan:3128/"}}) {
        const auto proxy = ProxyFor(update, c.proxy, c.noProxy);
        EXPECT_EQ(proxy ? AddressText(*proxy) : "", c.expected) << c.proxy << " / " << c.noProxy;
    }

    EXPECT_NE(UpdateRequest({"127.0.0.1", 8080, "/update.ini"}).find("\r\nHost: 127.0.0.1:8080\r\n"), std::string::npos);
    EXPECT_TRUE(UpdateRequest({"::1", 80, "/update.ini"}, true)
                    .starts_with("GET http://[::1]/update.ini HTTP/1.0\r\nUser-Agent: Mozilla/3.0 (Win95; I)\r\nHost: [::1]\r\n"));
}

}  // namespace
}  // namespace tolva

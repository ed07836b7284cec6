// Scripted byte dialogues for the update download: what the server sends, in which pieces, and
// what the machine makes of it.
#include "core/update/http_download.h"

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
    if (pieces.empty())
        for (std::size_t k = 0; k < all.size(); ++k) pieces.push_back(std::string_view(all).substr(k, 1));
    HttpDownload download;
    for (const std::string_view piece : pieces) {
        download.feed(piece);
        EXPECT_TRUE(download.state() != State::WaitingForHeader || download.received() <= std::int64_t(kMaxHeaderBytes));
    }
    download.closed();
    return download;
}

TEST(UpdateRequest, TheExactHttp10RequestAndTheAddressShown) {
    EXPECT_EQ(UpdateRequest("www.tolva.example", "/update.ini"),
              "GET /update.ini HTTP/1.0\r\nUser-Agent: Mozilla/3.0 (Win95; I)\r\nHost: www.tolva.example\r\nAccept: */*\r\n\r\n");
    EXPECT_EQ(UpdateAddress("www.tolva.example", 80, "/update.ini"), "http://www.tolva.example/update.ini");
    EXPECT_EQ(UpdateAddress("127.0.0.1", 8080, "/update.ini"), "http://127.0.0.1:8080/update.ini");
    EXPECT_EQ(UpdateAddress("::1", 8080, "/update.ini"), "http://[::1]:8080/update.ini");
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
        EXPECT_EQ(download.feed(std::string("HTTP/1.0 200 OK\r\nContent-Length: ") + length + "\r\n\r\n"), State::Failed) << length;
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

}  // namespace
}  // namespace tolva

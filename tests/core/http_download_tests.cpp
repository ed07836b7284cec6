// Scripted byte dialogues for the update download: what the server sends, in which pieces, and
// what the machine makes of it.
#include "core/update/http_download.h"

#include <gtest/gtest.h>

#include <string>

namespace tolva {
namespace {

using State = HttpDownload::State;

const std::string kBody = "Version=1.2\r\n\r\nID=1234567890\r\nTitle=Alpha\r\nFlags=80000000H\r\n";

std::string Response(const std::string& headerLines, const std::string& body) {
    return "HTTP/1.0 200 OK\r\n" + headerLines + "\r\n" + body;
}

std::string WithLength(const std::string& body, const char* name = "Content-Length") {
    return Response("Server: SimpleHTTP/0.6\r\nContent-type: text/plain\r\n" + std::string(name) +
                        ": " + std::to_string(body.size()) + "\r\n",
                    body);
}

State FeedBytewise(HttpDownload& download, const std::string& bytes) {
    for (char c : bytes) download.feed(std::string_view(&c, 1));
    return download.state();
}

TEST(UpdateRequest, IsTheExactHttp10Request) {
    EXPECT_EQ(UpdateRequest("www.tolva.example", "/update.ini"),
              "GET /update.ini HTTP/1.0\r\n"
              "User-Agent: Mozilla/3.0 (Win95; I)\r\n"
              "Host: www.tolva.example\r\n"
              "Accept: */*\r\n"
              "\r\n");
}

TEST(UpdateAddress, NamesThePortOnlyWhenNotTheDefault) {
    EXPECT_EQ(UpdateAddress("www.tolva.example", 80, "/update.ini"), "http://www.tolva.example/update.ini");
    EXPECT_EQ(UpdateAddress("127.0.0.1", 8080, "/update.ini"), "http://127.0.0.1:8080/update.ini");
    EXPECT_EQ(UpdateAddress("::1", 8080, "/update.ini"), "http://[::1]:8080/update.ini");
}

TEST(HttpDownload, ResponseInOnePieceCompletesAtOnce) {
    HttpDownload download;
    const std::string response = WithLength(kBody);
    EXPECT_EQ(download.feed(response), State::Complete);
    EXPECT_EQ(download.body(), kBody);
    EXPECT_EQ(download.statusCode(), 200);
    EXPECT_EQ(download.received(), static_cast<std::int64_t>(response.size()));
    EXPECT_EQ(download.progressMaximum(), static_cast<std::int64_t>(response.size()));
    EXPECT_EQ(download.progressPosition(), download.progressMaximum());
}

TEST(HttpDownload, OneBytePiecesCompleteOnTheLastByteOnly) {
    HttpDownload download;
    const std::string response = WithLength(kBody);
    for (std::size_t i = 0; i + 1 < response.size(); ++i) {
        ASSERT_NE(download.feed(response.substr(i, 1)), State::Complete) << "early at byte " << i;
        ASSERT_FALSE(download.finished());
    }
    EXPECT_EQ(download.feed(response.substr(response.size() - 1)), State::Complete);
    EXPECT_EQ(download.body(), kBody);
}

TEST(HttpDownload, ProgressMaximumIsKnownOnceTheHeaderEnds) {
    HttpDownload download;
    const std::string response = WithLength(kBody);
    const std::size_t headerSize = response.size() - kBody.size();
    download.feed(response.substr(0, headerSize - 1));
    EXPECT_EQ(download.progressMaximum(), 0);
    EXPECT_EQ(download.progressPosition(), static_cast<std::int64_t>(headerSize - 1));
    download.feed(response.substr(headerSize - 1, 11));
    EXPECT_EQ(download.state(), State::ReceivingBody);
    EXPECT_EQ(download.progressMaximum(), static_cast<std::int64_t>(response.size()));
    EXPECT_EQ(download.progressPosition(), static_cast<std::int64_t>(headerSize + 10));
}

TEST(HttpDownload, HeaderNamesMatchInAnyLetterCase) {
    for (const char* name : {"Content-Length", "content-length", "CONTENT-LENGTH", "Content-length"}) {
        HttpDownload download;
        const std::string response = WithLength(kBody, name) + "trailing junk";
        EXPECT_EQ(download.feed(response), State::Complete) << name;
        EXPECT_EQ(download.contentLength(), static_cast<std::int64_t>(kBody.size())) << name;
        EXPECT_EQ(download.body(), kBody) << name;
    }
}

TEST(HttpDownload, BlanksAroundTheLengthAndOtherHeadersAreHarmless) {
    HttpDownload download;
    const std::string response = "HTTP/1.1 200 OK\r\nX-Content-Length: 3\r\nContent-Length:\t " +
                                 std::to_string(kBody.size()) + "  \r\nContent-Type: text/plain\r\n\r\n" + kBody;
    EXPECT_EQ(FeedBytewise(download, response), State::Complete);
    EXPECT_EQ(download.body(), kBody);
}

TEST(HttpDownload, WithoutContentLengthTheBodyEndsAtClose) {
    HttpDownload download;
    download.feed(Response("Content-type: text/plain\r\n", kBody.substr(0, 10)));
    download.feed(kBody.substr(10));
    EXPECT_EQ(download.state(), State::ReceivingBody);
    EXPECT_EQ(download.progressMaximum(), 0);
    EXPECT_EQ(download.closed(), State::Complete);
    EXPECT_EQ(download.body(), kBody);
}

TEST(HttpDownload, BareLineFeedHeaderIsAccepted) {
    HttpDownload download;
    EXPECT_EQ(download.feed("HTTP/1.0 200 OK\nContent-Length: 5\n\nhello"), State::Complete);
    EXPECT_EQ(download.body(), "hello");
}

TEST(HttpDownload, StatusOtherThan2xxFails) {
    for (const char* status : {"HTTP/1.0 404 File not found", "HTTP/1.0 301 Moved", "HTTP/1.1 500 Oops",
                               "HTTP/1.0 199 Odd"}) {
        HttpDownload download;
        EXPECT_EQ(download.feed(std::string(status) + "\r\nContent-Length: 5\r\n\r\nerror"), State::Failed)
            << status;
        EXPECT_TRUE(download.body().empty());
        EXPECT_NE(download.failure().find(std::string(status).substr(9)), std::string::npos)
            << download.failure();
    }
    HttpDownload created;
    EXPECT_EQ(created.feed("HTTP/1.0 204 No Content\r\n\r\n"), State::ReceivingBody);
    EXPECT_EQ(created.closed(), State::Complete);
}

TEST(HttpDownload, SomethingOtherThanHttpFails) {
    for (const char* text : {"SSH-2.0-OpenSSH\r\n\r\n", "HTTP/1.0 20 OK\r\n\r\n", "HTTP/1.0 2000 OK\r\n\r\n",
                             "<html>\r\n\r\n"}) {
        HttpDownload download;
        EXPECT_EQ(download.feed(text), State::Failed) << text;
    }
}

TEST(HttpDownload, CloseMidBodyFails) {
    HttpDownload download;
    const std::string response = WithLength(kBody);
    download.feed(response.substr(0, response.size() - 5));
    EXPECT_EQ(download.state(), State::ReceivingBody);
    EXPECT_EQ(download.closed(), State::Failed);
    EXPECT_TRUE(download.body().empty());
    EXPECT_NE(download.failure().find("closed"), std::string::npos);
}

TEST(HttpDownload, CloseBeforeTheHeaderEndsFails) {
    HttpDownload nothing;
    EXPECT_EQ(nothing.closed(), State::Failed);
    HttpDownload half;
    half.feed("HTTP/1.0 200 OK\r\nContent-Le");
    EXPECT_EQ(half.closed(), State::Failed);
}

TEST(HttpDownload, ContentLengthLargerThanWhatArrivesNeverCompletes) {
    HttpDownload download;
    download.feed("HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n");
    download.feed(kBody);
    EXPECT_EQ(download.state(), State::ReceivingBody);
    EXPECT_FALSE(download.finished());
    EXPECT_EQ(download.closed(), State::Failed);
}

TEST(HttpDownload, HeaderThatNeverEndsFailsAtTheLimit) {
    HttpDownload download;
    download.feed("HTTP/1.0 200 OK\r\n");
    const std::string filler = "X-Filler: " + std::string(90, 'a') + "\r\n";
    std::size_t sent = 17;
    while (!download.finished() && sent < 4 * kMaxHeaderBytes) {
        download.feed(filler);
        sent += filler.size();
    }
    EXPECT_EQ(download.state(), State::Failed);
    EXPECT_LE(sent, kMaxHeaderBytes + filler.size());
    EXPECT_NE(download.failure().find("header"), std::string::npos);
}

TEST(HttpDownload, HugeContentLengthFailsBeforeAnyBodyArrives) {
    for (const char* length : {"2147483648", "2147483647", "99999999999999999999999", "-5", "12abc", ""}) {
        HttpDownload download;
        EXPECT_EQ(download.feed(std::string("HTTP/1.0 200 OK\r\nContent-Length: ") + length + "\r\n\r\n"),
                  State::Failed)
            << length;
    }
}

TEST(HttpDownload, BodyWithoutLengthBeyondTheLimitFails) {
    HttpDownload download;
    download.feed("HTTP/1.0 200 OK\r\n\r\n");
    const std::string chunk(1024 * 1024, 'x');
    for (int i = 0; i < 8 && !download.finished(); ++i) download.feed(chunk);
    EXPECT_EQ(download.state(), State::ReceivingBody);
    download.feed("x");
    EXPECT_EQ(download.state(), State::Failed);
}

TEST(HttpDownload, ConflictingContentLengthsFail) {
    HttpDownload download;
    EXPECT_EQ(download.feed("HTTP/1.0 200 OK\r\nContent-Length: 5\r\nContent-Length: 6\r\n\r\nhello"),
              State::Failed);
}

TEST(HttpDownload, NothingChangesAfterTheEnd) {
    HttpDownload download;
    download.feed(WithLength("hello"));
    ASSERT_EQ(download.state(), State::Complete);
    download.feed("more bytes");
    EXPECT_EQ(download.closed(), State::Complete);
    EXPECT_EQ(download.fail("late socket error"), State::Complete);
    EXPECT_EQ(download.body(), "hello");
}

TEST(StoreDownload, HandsOnTheBodyOrNothing) {
    UpdateValues values;
    HttpDownload running;
    running.feed("HTTP/1.0 200 OK\r\n");
    StoreDownload(running, values);
    EXPECT_FALSE(values.DownloadDone);

    HttpDownload done;
    done.feed(WithLength(kBody));
    StoreDownload(done, values);
    EXPECT_TRUE(values.DownloadDone);
    EXPECT_EQ(values.DownloadText, kBody);

    values = UpdateValues{"stale text from a previous run", false};
    HttpDownload lost;
    lost.feed("HTTP/1.0 200 OK\r\n");
    lost.fail("Connection refused");
    StoreDownload(lost, values);
    EXPECT_TRUE(values.DownloadDone);
    EXPECT_TRUE(values.DownloadText.empty());
    EXPECT_EQ(lost.failure(), "Connection refused");
}

}  // namespace
}  // namespace tolva

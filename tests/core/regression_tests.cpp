// Inputs the fuzzers (or a review of their promises) found to break the code, replayed from
// tests/fixtures/regressions/<fuzz target>/ in the fuzz target's own input format, so that each
// file can also be fed to the fuzz binary that found it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../../fuzz/fuzz_support.h"
#include "core/update/http_download.h"
#include "ini_test_files.h"

namespace tolva {
namespace {

using namespace tolva::testing;

std::vector<std::string> RegressionInputs(const std::string& target) {
    std::vector<std::string> files;
    const std::filesystem::path folder = std::filesystem::path(TOLVA_FIXTURES) / "regressions" / target;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

// The download fed piece by piece, then told that the server closed.
HttpDownload Download(const std::vector<std::string_view>& pieces) {
    HttpDownload download;
    for (const std::string_view piece : pieces) {
        download.feed(piece);
        if (download.state() == HttpDownload::State::WaitingForHeader) {
            EXPECT_LE(download.received(), static_cast<std::int64_t>(kMaxHeaderBytes));
        }
    }
    download.closed();
    return download;
}

// A response whose header runs up to the limit was accepted when it arrived in one piece and
// refused when it arrived in several; it must end alike however the bytes come.
TEST(Regressions, ADownloadEndsAlikeHoweverItsBytesArrive) {
    const std::vector<std::string> inputs = RegressionInputs("http_download_fuzz");
    ASSERT_FALSE(inputs.empty());
    for (const std::string& path : inputs) {
        const std::string input = ReadFileBytes(path);
        ASSERT_GE(input.size(), 2u) << path;
        // The fuzz format: a byte for the ending (these inputs end with a close), then the pieces.
        const std::vector<std::string_view> pieces = fuzz::Pieces(std::string_view(input).substr(1));
        const std::string all = fuzz::Joined(pieces);
        std::vector<std::string_view> bytes;
        for (std::size_t k = 0; k < all.size(); ++k) bytes.push_back(std::string_view(all).substr(k, 1));

        const HttpDownload cut = Download(pieces);
        const HttpDownload whole = Download({all});
        const HttpDownload single = Download(bytes);
        EXPECT_EQ(cut.state(), whole.state()) << path << ": " << cut.failure() << " / " << whole.failure();
        EXPECT_EQ(single.state(), whole.state()) << path << ": " << single.failure() << " / " << whole.failure();
        EXPECT_EQ(cut.body(), whole.body()) << path;
        EXPECT_EQ(single.body(), whole.body()) << path;
    }
}

TEST(Regressions, AHeaderWithItsEmptyLineWithinTheLimitIsAcceptedInAnyPieces) {
    std::string header = "HTTP/1.0 200 OK\r\nX-Pad: ";
    header.append(kMaxHeaderBytes - 4 - header.size(), 'p').append("\r\n\r\n");
    ASSERT_EQ(header.size(), kMaxHeaderBytes);
    const std::string response = header + "ID=1";
    std::vector<std::string_view> bytes;
    for (std::size_t k = 0; k < response.size(); ++k) bytes.push_back(std::string_view(response).substr(k, 1));
    for (const auto& pieces : {std::vector<std::string_view>{response}, bytes}) {
        const HttpDownload download = Download(pieces);
        EXPECT_EQ(download.state(), HttpDownload::State::Complete) << download.failure();
        EXPECT_EQ(download.body(), "ID=1");
    }
}

}  // namespace
}  // namespace tolva

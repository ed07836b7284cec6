// How the reader is talked to: over one local socket that is its standard input and output,
// a request is a path and an answer is the result, product code, disc ID and description, each
// a line with its fields apart by tabs, and tab, line break, carriage return and backslash
// escaped as in C. The reader limits its data size (RLIMIT_DATA) rather than its address
// space, counted from what it holds at its start: AddressSanitizer reserves terabytes of
// address space before main, which an address-space limit would refuse.
#include "app/platform/imagereader.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <new>
#include <thread>

#include "app/platform/discimage.h"
#include "core/games/discids.h"

extern char** environ;

namespace tolva {
namespace {

// An answer is four short fields and a description naming a path; far longer is no answer.
constexpr std::size_t kMaxAnswer = 64 * 1024;
// How far the reader stands back from the windows for the processor.
constexpr int kReaderNice = 10;
// A reader whose input has ended ends at once (sanitized builds check for leaks first).
constexpr std::chrono::milliseconds kReaderExitWait{3000};

std::string Escape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default: out += c;
        }
    }
    return out;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] != '\\' || k + 1 == text.size()) {
            out += text[k];
            continue;
        }
        const char c = text[++k];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields;
    for (std::size_t tab; (tab = line.find('\t')) != std::string_view::npos; line.remove_prefix(tab + 1))
        fields.push_back(Unescape(line.substr(0, tab)));
    fields.push_back(Unescape(line));
    return fields;
}

DiscIdentity Unreadable(const std::string& path, const std::string& why) {
    DiscIdentity identity;
    identity.result = DiscRead::Unreadable;
    identity.description = "cannot read " + path + ": " + why;
    return identity;
}

std::string Duration(std::chrono::milliseconds time) {
    const auto count = time.count();
    return count % 1000 == 0 ? std::to_string(count / 1000) + " seconds" : std::to_string(count) + " ms";
}

// The data the process holds now (VmData), in bytes; 0 when it cannot be told.
std::uint64_t DataSize() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmData:")) return std::strtoull(line.c_str() + 7, nullptr, 10) * 1024;
    }
    return 0;
}

// What the test images of the fault folder do in place of being read.
void Misbehave(const std::string& name) {
    if (name == "crash") ::raise(SIGSEGV);
    if (name == "hang") {
        for (;;) ::pause();
    }
    if (name == "grow") {
        // Twice the limit, touched: only the limit stops it.
        std::vector<std::unique_ptr<char[]>> blocks;
        for (std::uint64_t held = 0; held < 2 * kReaderMemoryBytes; held += 16u << 20) {
            blocks.emplace_back(new char[16u << 20]);
            std::memset(blocks.back().get(), 1, 16u << 20);
        }
    }
}

}  // namespace

ImageReader::ImageReader(std::vector<std::string> command, std::chrono::milliseconds limit)
    : command_(std::move(command)), limit_(limit) {}

ImageReader::~ImageReader() {
    if (pid_ < 0) return;
    // Its input ends, so it ends; one that does not is ended.
    ::close(socket_);
    const auto until = std::chrono::steady_clock::now() + kReaderExitWait;
    while (::waitpid(pid_, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > until) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool ImageReader::start(std::string& why) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        why = std::strerror(errno);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    std::vector<char*> argv;
    for (std::string& argument : command_) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failed = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    if (failed != 0) {
        ::close(ends[0]);
        why = command_.front() + ": " + std::strerror(failed);
        return false;
    }
    pid_ = pid;
    socket_ = ends[0];
    received_.clear();
    return true;
}

void ImageReader::stop() {
    ::kill(pid_, SIGKILL);
    ::close(socket_);
    ::waitpid(pid_, nullptr, 0);
    pid_ = socket_ = -1;
}

ImageReader::Wait ImageReader::await(std::string& line) {
    const auto until = std::chrono::steady_clock::now() + limit_;
    for (;;) {
        const std::size_t end = received_.find('\n');
        // A line longer than any answer is none, however its pieces arrived.
        if (std::min(end, received_.size()) > kMaxAnswer) return Wait::Closed;
        if (end != std::string::npos) {
            line = received_.substr(0, end);
            received_.erase(0, end + 1);
            return Wait::Answered;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
        if (left.count() <= 0) return Wait::TimedOut;
        pollfd ready{socket_, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(left.count()));
        if (polled < 0 && errno == EINTR) continue;
        if (polled <= 0) return polled == 0 ? Wait::TimedOut : Wait::Closed;
        char buffer[4096];
        const ssize_t got = ::recv(socket_, buffer, sizeof buffer, 0);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return Wait::Closed;
        received_.append(buffer, static_cast<std::size_t>(got));
    }
}

DiscIdentity ImageReader::read(const std::string& path) {
    const std::string request = Escape(path) + '\n';
    ++reads_;
    // A reader found gone when asked (it ended between images) is replaced once.
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::string why;
        if (pid_ < 0 && !start(why)) return Unreadable(path, "the image reader cannot be started: " + why);
        if (::send(socket_, request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size())) {
            stop();
            continue;
        }
        std::string line;
        switch (await(line)) {
            case Wait::TimedOut:
                stop();
                return Unreadable(path, "reading it took longer than " + Duration(limit_));
            case Wait::Closed: stop(); return Unreadable(path, "the disc image is damaged or cut short (reading it failed)");
            case Wait::Answered: break;
        }
        const std::vector<std::string> fields = Fields(line);
        const int result = fields.size() == 4 ? std::atoi(fields[0].c_str()) : -1;
        if (result < static_cast<int>(DiscRead::Found) || result > static_cast<int>(DiscRead::NotInTable)) {
            stop();
            return Unreadable(path, "the image reader answered out of turn");
        }
        DiscIdentity identity;
        identity.result = static_cast<DiscRead>(result);
        identity.productCode = fields[1];
        identity.discID = fields[2];
        identity.description = fields[3];
        return identity;
    }
    return Unreadable(path, "the image reader ends as soon as it starts");
}

DiscIdentity ReadDiscOrImage(ImageReader& reader, const std::string& path, const DiscIDTable& table) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && (S_ISDIR(info.st_mode) || S_ISBLK(info.st_mode) || S_ISCHR(info.st_mode)))
        return ReadDiscAt(path, table);
    return reader.read(path);
}

int ServeImageReads(const std::vector<std::string>& arguments) {
    std::string faults;
    for (std::size_t k = 0; k + 1 < arguments.size(); ++k)
        if (arguments[k] == "--faults") faults = arguments[k + 1];
    // Reading gives way to the windows: a scan of a whole collection must not slow a keystroke.
    ::setpriority(PRIO_PROCESS, 0, kReaderNice);
    const std::uint64_t held = DataSize();
    if (held > 0) {
        const rlimit limit{held + kReaderMemoryBytes, held + kReaderMemoryBytes};
        ::setrlimit(RLIMIT_DATA, &limit);
    }
    auto table = std::make_unique<DiscIDTable>();
    InitDiscIDs(*table);
    for (std::string line; std::getline(std::cin, line);) {
        const std::string path = Unescape(line);
        DiscIdentity identity;
        try {
            if (!faults.empty() && path.starts_with(faults + "/")) Misbehave(path.substr(faults.size() + 1));
            identity = ReadDiscAt(path, *table);
        } catch (const std::bad_alloc&) {
            identity = Unreadable(path, "reading it needed more memory than a disc image may take");
        } catch (const std::exception& failure) {
            identity = Unreadable(path, failure.what());
        }
        std::cout << static_cast<int>(identity.result) << '\t' << Escape(identity.productCode) << '\t'
                  << Escape(identity.discID) << '\t' << Escape(identity.description) << std::endl;
    }
    return 0;
}

}  // namespace tolva

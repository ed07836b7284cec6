#pragma once
// Disc images are read by a reader process of our own ("tolva --read-images"), so that no file,
// whatever libcdio does with it, can crash, hang or exhaust the program: one long-lived reader
// takes one image after another; one that dies, overruns an image's time or its memory is
// replaced by a new one at the next image, and that image alone gets its message. No Qt and no
// windows here: a worker thread can own one reader and read a whole folder tree through it.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/state.h"
#include "core/wizard/systemcnf.h"

namespace tolva {

/// The longest one image may take: a boot file is a few sectors, even on a slow network share.
inline constexpr std::chrono::milliseconds kImageReadLimit{10000};

/// The memory a reader may take beyond what it holds when it starts: the largest read (a root
/// directory and SYSTEM.CNF) needs well under a megabyte.
inline constexpr std::uint64_t kReaderMemoryBytes = 512u << 20;

/// The option that makes the program a reader.
inline constexpr const char* kReadImagesOption = "--read-images";

class ImageReader {
public:
    /// A reader started as `command` (the program, kReadImagesOption, and any further
    /// arguments) at the first image, then kept; limit is the time one image may take.
    explicit ImageReader(std::vector<std::string> command, std::chrono::milliseconds limit = kImageReadLimit);
    ~ImageReader();
    ImageReader(const ImageReader&) = delete;
    ImageReader& operator=(const ImageReader&) = delete;

    /// The identity of the disc image at path, as ReadDiscAt gives it in the reader. Blocks for
    /// at most the time limit; never throws and shows nothing. One thread at a time.
    DiscIdentity read(const std::string& path);

    /// How this reader is started: a reader of another thread is started the same way.
    const std::vector<std::string>& command() const { return command_; }
    /// The images asked of this reader so far; any thread may ask.
    int reads() const { return reads_; }

private:
    enum class Wait { Answered, Closed, TimedOut };
    bool start(std::string& why);
    void stop();
    Wait await(std::string& line);

    std::vector<std::string> command_;
    std::chrono::milliseconds limit_;
    int pid_ = -1;
    int socket_ = -1;
    std::string received_;  // bytes after the last complete answer
    std::atomic<int> reads_ = 0;
};

/// A drive or a mounted disc's folder read here (devices need the time a drive takes to spin
/// up, and read no image file); any other path through the reader.
DiscIdentity ReadDiscOrImage(ImageReader& reader, const std::string& path, const DiscIDTable& table);

/// The reader's side (tolva --read-images [--faults FOLDER]): limits its own memory, then
/// answers each path read from standard input with one line on standard output until input
/// ends. In FOLDER, which only tests name, the images "crash", "hang" and "grow" do as they say.
int ServeImageReads(const std::vector<std::string>& arguments);

}  // namespace tolva

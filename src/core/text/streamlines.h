#pragma once
// Lines of a stream that arrives in pieces (a server's replies, a chunked body's framing).
#include <cstddef>
#include <string>
#include <string_view>

namespace tolva {

/// Cuts bytes, fed in any pieces, into lines ended by LF (a CR before it is taken off with it),
/// holding the start of a line whose end has not arrived; a line longer than its limit is refused.
class StreamLines {
public:
    enum class Next { Line, NeedMore, TooLong };

    explicit StreamLines(std::size_t limit) : limit_(limit) {}

    /// Takes bytes up to the next line's end off the front of bytes. Line: line holds that line
    /// whole. NeedMore: every byte is held, the line goes on. TooLong: the line runs beyond the
    /// limit and bytes are left as they were.
    Next next(std::string_view& bytes, std::string& line);

    /// Whether a line has begun and not ended.
    bool holding() const { return !pending_.empty(); }

    /// Forgets the line begun.
    void clear() { pending_.clear(); }

private:
    std::size_t limit_;
    std::string pending_;
};

}  // namespace tolva

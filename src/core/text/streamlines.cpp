#include "core/text/streamlines.h"

#include <utility>

namespace tolva {

StreamLines::Next StreamLines::next(std::string_view& bytes, std::string& line) {
    const std::size_t lf = bytes.find('\n');
    const std::size_t take = lf == std::string_view::npos ? bytes.size() : lf;
    if (pending_.size() + take > limit_) return Next::TooLong;
    pending_.append(bytes.substr(0, take));
    if (lf == std::string_view::npos) {
        bytes = {};
        return Next::NeedMore;
    }
    bytes.remove_prefix(lf + 1);
    line = std::move(pending_);
    pending_.clear();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return Next::Line;
}

}  // namespace tolva

#pragma once

#include <functional>
#include <string>
#include <vector>

namespace norvo {

// The calls made on outside components, one line each, in order; shared by
// the recording implementations so that their lines interleave as they
// happened ("Win.DeleteObject(1)", "Norvo.UnlockObject()").
class CallLog {
public:
    void add(std::string line) { lines_.push_back(std::move(line)); }
    // A line sink that adds to this log.
    std::function<void(const std::string&)> writer()
    {
        return [this](const std::string& line) { add(line); };
    }
    const std::vector<std::string>& lines() const { return lines_; }
    // A text as call lines and scripts write it: double-quoted, with the
    // quote, the backslash, carriage return, line feed and tab escaped.
    static std::string quote(const std::string& text);
    static std::string boolean(bool value) { return value ? "True" : "False"; }

    // Hands out the lines logged so far and forgets them.
    std::vector<std::string> take()
    {
        std::vector<std::string> taken;
        taken.swap(lines_);
        return taken;
    }

private:
    std::vector<std::string> lines_;
};

} // namespace norvo

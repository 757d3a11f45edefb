#include "ArgumentList.h"

#include <algorithm>
#include <charconv>

namespace kvt::cli {

const std::string& ArgumentList::Value(const std::string& option) const {
    static const std::string none;
    const auto found = options.find(option);
    return found == options.end() ? none : found->second;
}

std::optional<std::string> SplitArguments(const Args& args, const std::vector<std::string>& allowed,
                                          ArgumentList& parsed) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        if (std::find(allowed.begin(), allowed.end(), arg) == allowed.end()) {
            return "unknown option " + arg;
        }
        if (i + 1 >= args.size()) {
            return arg + " needs a value";
        }
        parsed.options[arg] = args[++i];
    }
    return std::nullopt;
}

std::optional<int> WholeNumber(const std::string& text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    // from_chars takes a leading '-', which a count never has.
    if (text.empty() || text[0] == '-') {
        return std::nullopt;
    }
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

} // namespace kvt::cli

#include "ArgumentList.h"
#include "base/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstddef>

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

std::string ParseTraceList(const std::string& text, std::vector<int>& traces) {
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string piece =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (piece.empty()) {
            return "--traces needs a comma-separated list of trace indices";
        }
        traces.push_back(ParseLeadingInt(piece));
        if (comma == std::string::npos) {
            return "";
        }
        start = comma + 1;
    }
}

bool HasExtension(const std::string& path, const std::string& extension) {
    return path.size() >= extension.size() &&
           std::equal(
               extension.begin(), extension.end(), path.end() - static_cast<std::ptrdiff_t>(extension.size()),
               [](char want, char have) { return std::tolower(static_cast<unsigned char>(have)) == want; });
}

} // namespace kvt::cli

#include "ArgumentList.h"

#include <algorithm>

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

} // namespace kvt::cli

// The arguments of one command split into positional ones and "-x VALUE" / "--name VALUE" options.
#pragma once

#include "Commands.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kvt::cli {

struct ArgumentList {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options; // the last value of an option given twice wins

    bool Has(const std::string& option) const { return options.count(option) != 0; }
    // The option's value, or "" when it was not given.
    const std::string& Value(const std::string& option) const;
};

// Splits `args`; every argument that starts with '-' (and is longer than "-") must be one of
// `allowed` and be followed by its value. Returns the problem for the usage text, or nothing.
std::optional<std::string> SplitArguments(const Args& args, const std::vector<std::string>& allowed,
                                          ArgumentList& parsed);

// `text` as a whole number from `low` to `high`: digits only, nothing before or after them.
std::optional<int> WholeNumber(const std::string& text, int low, int high);

// "I,J,..." as 0-based trace indices, each read with the edit boxes' number rules. Returns the problem
// for the usage text, or "".
std::string ParseTraceList(const std::string& text, std::vector<int>& traces);

// Whether the path ends in `extension` (given in lower case), whatever the case of its letters.
bool HasExtension(const std::string& path, const std::string& extension);

} // namespace kvt::cli

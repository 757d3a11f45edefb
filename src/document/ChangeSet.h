// What an operation of the document changed, so that each part of a window refreshes only when its
// own part changed: the section repaints for samples, selection and display; the panel refills for
// the header; the actions re-enable for the tool, the modified flag and the history.
#pragma once

#include <cstdint>

namespace kvt {

enum class Change : uint32_t {
    Record = 1u << 0,    // another record (or none) is open: everything that shows it starts again
    Samples = 1u << 1,   // sample values
    Header = 1u << 2,    // header fields, receivers, shot point, file type
    Selection = 1u << 3, // selected traces, the area-edit line, the delay and shot-time lines
    Tool = 1u << 4,      // the edit tool or the selection mode
    Display = 1u << 5,   // fill, scale, gain, range, stretch
    Filter = 1u << 6,    // filter and spectrum settings
    Margins = 1u << 7,   // print margins
    Modified = 1u << 8,  // the data-changed flag
    History = 1u << 9,   // what undo and redo can do
};

class ChangeSet {
public:
    constexpr ChangeSet() = default;
    constexpr ChangeSet(Change change) : m_bits(static_cast<uint32_t>(change)) {}

    constexpr bool Has(Change change) const { return (m_bits & static_cast<uint32_t>(change)) != 0; }
    constexpr bool Empty() const { return m_bits == 0; }
    constexpr ChangeSet operator|(ChangeSet other) const { return FromBits(m_bits | other.m_bits); }
    constexpr ChangeSet& operator|=(ChangeSet other) { return *this = *this | other; }
    constexpr bool operator==(const ChangeSet&) const = default;

private:
    static constexpr ChangeSet FromBits(uint32_t bits) {
        ChangeSet set;
        set.m_bits = bits;
        return set;
    }
    uint32_t m_bits = 0;
};

constexpr ChangeSet operator|(Change a, Change b) {
    return ChangeSet(a) | ChangeSet(b);
}

} // namespace kvt

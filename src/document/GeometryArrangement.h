// The receiver and shot geometry as the arrangement dialog shows and edits it, and the auto-fill rule
// that continues the first two receivers over the whole table.
#pragma once

#include "record/GeometryPoints.h"

#include <string>
#include <vector>

namespace kvt {

struct GeometryTexts {
    // One row per receiver, in table order: channel ("%d"), position and station number ("%.2f").
    struct Row {
        std::string channel;
        std::string position;
        std::string cdp;
        bool operator==(const Row&) const = default;
    };
    std::vector<Row> rows;
    // The shot point's number, X and Y ("%.2f").
    std::string shotNumber;
    std::string shotX;
    std::string shotY;

    bool operator==(const GeometryTexts&) const = default;
};

// With three receivers or more, the first two fix start and step: receiver i from 2 on gets
// position p0 + i·(p1 − p0) and station number c0 + i·(c1 − c0). Shorter tables stay as they are.
void ContinueReceiverProgression(std::vector<ReceiverPoint>& receivers);

} // namespace kvt

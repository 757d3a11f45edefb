#include "GeometryArrangement.h"

namespace kvt {

void ContinueReceiverProgression(std::vector<ReceiverPoint>& receivers) {
    if (receivers.size() < 3) {
        return;
    }
    const float p0 = receivers[0].fPosition;
    const float c0 = receivers[0].fCdp;
    // The steps are floats; start plus i steps is formed in double and stored as float.
    const float positionStep = receivers[1].fPosition - p0;
    const float cdpStep = receivers[1].fCdp - c0;
    for (size_t i = 2; i < receivers.size(); ++i) {
        const auto n = static_cast<double>(i);
        receivers[i].fPosition = static_cast<float>(p0 + n * positionStep);
        receivers[i].fCdp = static_cast<float>(c0 + n * cdpStep);
    }
}

} // namespace kvt

// A document host that records what the document shows and how often it refreshes, for assertions.
#pragma once

#include "record/DocumentHost.h"

#include <vector>

namespace kvt::test {

class RecordingHost final : public DocumentHost {
public:
    std::vector<Message> messages;
    int infoChanges = 0;

    void ShowMessage(const Message& message) override { messages.push_back(message); }
    void RecordInfoChanged() override { ++infoChanges; }
};

} // namespace kvt::test

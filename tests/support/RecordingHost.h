// A document host that records what the document shows and what it says changed, for assertions.
#pragma once

#include "document/DocumentHost.h"

#include <vector>

namespace kvt::test {

class RecordingHost final : public DocumentHost {
public:
    std::vector<Message> messages;
    std::vector<ChangeSet> changes;

    void ShowMessage(const Message& message) override { messages.push_back(message); }
    void Changed(ChangeSet what) override { changes.push_back(what); }

    // Every kind of change reported since the last Clear.
    ChangeSet AllChanges() const {
        ChangeSet all;
        for (ChangeSet c : changes) {
            all |= c;
        }
        return all;
    }
    void Clear() {
        messages.clear();
        changes.clear();
    }
};

} // namespace kvt::test

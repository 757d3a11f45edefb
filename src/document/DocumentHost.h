// What the core shows or refreshes, it shows through this interface: the desktop program turns
// messages into message boxes and changes into repaints and refreshed actions; kvt-cli prints the
// messages; tests record both.
#pragma once

#include "ChangeSet.h"

#include <string>

namespace kvt {

enum class MessageIcon { None, Error, Warning, Information, Question };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    // Why, when the program knows it (a reader's reason for refusing a file): shown under the text.
    std::string detail;

    bool operator==(const Message&) const = default;
};

class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    virtual void ShowMessage(const Message& message) = 0;
    // After each operation that changed something: exactly the parts it changed.
    virtual void Changed(ChangeSet) {}
};

// A host that shows nothing; the document's default until a real host is attached.
class SilentHost final : public DocumentHost {
public:
    void ShowMessage(const Message&) override {}
};

} // namespace kvt

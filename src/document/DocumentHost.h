// What the core shows or refreshes, it shows through this interface: the desktop program turns
// messages into message boxes and changes into repaints and refreshed actions; kvt-cli prints the
// messages; tests record both.
#pragma once

#include "ChangeSet.h"

#include <string>
#include <vector>

namespace kvt {

enum class MessageIcon { None, Error, Warning, Information, Question };

// One piece of a composed message text as the core wrote it, so that a host showing another language
// translates the template first and only then puts the number in; verbatim pieces (paths) stay as
// they are.
struct MessagePiece {
    std::string source; // a marked text; "%n" stands for `count`
    int count = -1;     // -1: the text holds no number
    bool verbatim = false;

    bool operator==(const MessagePiece&) const = default;
};

// Every text here is the core's own (Simplified Chinese) and marked for translation in the context
// "Messages": hosts that do not translate show the fields as they are.
struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    // Why, when the program knows it (a reader's reason for refusing a file): shown under the text.
    std::string detail;
    // The pieces `text` was composed of, when it holds a number or a path; empty when `text` is one
    // marked text itself.
    std::vector<MessagePiece> pieces = {};

    // Two messages are the same when they show the same; the pieces only say how the text was made.
    bool operator==(const Message& other) const {
        return text == other.text && caption == other.caption && icon == other.icon && detail == other.detail;
    }
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

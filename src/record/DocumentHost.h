// What the core shows or refreshes, it shows through this interface: the desktop program turns
// messages into message boxes and refreshes into repaints; kvt-cli prints them; tests record them.
#pragma once

#include <string>

namespace kvt {

enum class MessageIcon { None, Error, Warning, Information, Question };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message&) const = default;
};

// The two file errors, shown by the document and the batch tools with the caption "Error".
inline Message OpenFailedMessage() {
    return {"文件打开失败", "Error", MessageIcon::Error};
}
inline Message SaveFailedMessage() {
    return {"保存文件失败", "Error", MessageIcon::Error};
}

class DocumentHost {
public:
    virtual ~DocumentHost() = default;
    virtual void ShowMessage(const Message& message) = 0;
    // The header or the data-changed flag changed: refill the record information, mark the file.
    virtual void RecordInfoChanged() {}
};

// A host that shows nothing; the document's default until a real host is attached.
class SilentHost final : public DocumentHost {
public:
    void ShowMessage(const Message&) override {}
};

} // namespace kvt

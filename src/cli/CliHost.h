// The command line's document host: every message goes to standard error as "CAPTION: TEXT".
#pragma once

#include "document/DocumentHost.h"

namespace kvt::cli {

class CliHost final : public DocumentHost {
public:
    void ShowMessage(const Message& message) override;
};

// Exit statuses of every command.
enum ExitCode : int { kExitOk = 0, kExitFailed = 1, kExitUsage = 2 };

} // namespace kvt::cli

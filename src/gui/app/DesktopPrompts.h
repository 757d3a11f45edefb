// Everything the desktop program asks or tells the user in a modal box or a file dialog goes through
// here, so that tests can answer instead of a person and no box ever blocks them.
#pragma once

#include "document/DocumentHost.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace kvt {

enum class Answer { Yes, No, Cancel };

struct FileDialogRequest {
    QString title;           // empty: the platform's own title
    QStringList nameFilters; // "描述 (*.a *.b)"
    QString folder;          // where the dialog starts
    bool save = false;
    mutable QString chosenFilter = {}; // the name filter the user left selected
};

class DesktopPrompts {
public:
    virtual ~DesktopPrompts() = default;
    virtual void Show(QWidget* owner, const Message& message) = 0;
    // "数据已修改是否保存？": Yes and No, plus Cancel when the caller can still stop.
    virtual Answer AskSaveChanges(QWidget* owner, bool withCancel) = 0;
    // The chosen path, or empty when the dialog was cancelled.
    virtual QString ChooseFile(QWidget* owner, const FileDialogRequest& request) = 0;
    // Several existing files at once; empty when cancelled.
    virtual QStringList ChooseFiles(QWidget* owner, const FileDialogRequest& request) = 0;
};

// The message in the interface's language: the core's marked texts translated, a composed text
// rebuilt from its translated templates with their numbers and the verbatim paths. Unchanged when no
// translation is installed.
Message TranslatedMessage(const Message& message);

// Message boxes and file dialogs of Qt.
class QtPrompts final : public DesktopPrompts {
public:
    void Show(QWidget* owner, const Message& message) override;
    Answer AskSaveChanges(QWidget* owner, bool withCancel) override;
    QString ChooseFile(QWidget* owner, const FileDialogRequest& request) override;
    QStringList ChooseFiles(QWidget* owner, const FileDialogRequest& request) override;
};

} // namespace kvt

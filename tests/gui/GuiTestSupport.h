// What the widget tests share: prompts that answer from a script and record what the program asked or
// said (so no box blocks a test), settings in a temporary folder, controls found by their id, record
// files written exactly as KVT writes them, and scroll views shown at a given client size.
#pragma once

#include "LoadedRecord.h"
#include "TempDir.h"
#include "gui/app/DesktopPrompts.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

#include <deque>
#include <functional>
#include <vector>

namespace kvt::test {

class RecordingPrompts final : public DesktopPrompts {
public:
    std::vector<Message> messages;
    std::vector<bool> questions;       // one per question: whether Cancel was offered
    std::deque<Answer> answers;        // the next answers; Cancel (or No without Cancel) when none is left
    std::deque<QString> files;         // the next chosen paths; a cancelled dialog when none is left
    std::deque<QStringList> fileLists; // the next choices of several files
    std::deque<QString> filters;       // the name filter left selected with each chosen path
    std::vector<FileDialogRequest> requests;

    void Show(QWidget*, const Message& message) override { messages.push_back(message); }
    Answer AskSaveChanges(QWidget*, bool withCancel) override {
        questions.push_back(withCancel);
        return Next(answers, withCancel ? Answer::Cancel : Answer::No);
    }
    QString ChooseFile(QWidget*, const FileDialogRequest& request) override {
        requests.push_back(request);
        request.chosenFilter = Next(filters, QString());
        return Next(files, QString());
    }
    QStringList ChooseFiles(QWidget*, const FileDialogRequest& request) override {
        requests.push_back(request);
        return Next(fileLists, QStringList());
    }

private:
    template <class T> static T Next(std::deque<T>& queue, T none) {
        if (queue.empty()) {
            return none;
        }
        T next = queue.front();
        queue.pop_front();
        return next;
    }
};

// Passes the document's change reports on, as the main window does for its views.
struct ForwardingHost final : DocumentHost {
    std::function<void(ChangeSet)> forward;
    void ShowMessage(const Message&) override {}
    void Changed(ChangeSet changes) override {
        if (forward) {
            forward(changes);
        }
    }
};

// Points the program's settings at a temporary folder for the life of the object.
class TemporarySettings {
public:
    TemporarySettings() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(m_dir.Path()));
    }

private:
    TempDir m_dir;
};

// The control "id<id>" (or named `name`) under `parent`; a missing one stops the run, as every later
// step would fail.
template <class Widget = QWidget> Widget& Find(const QWidget& parent, const QString& name) {
    auto* widget = parent.findChild<Widget*>(name);
    if (widget == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return *widget;
}
template <class Widget = QWidget> Widget& Find(const QWidget& parent, int id) {
    return Find<Widget>(parent, QStringLiteral("id%1").arg(id));
}

inline void Click(const QWidget& parent, int id) {
    Find<QPushButton>(parent, id).click();
}
inline void Type(const QWidget& parent, int id, const QString& text) {
    Find<QLineEdit>(parent, id).setText(text);
}
inline QString Text(const QWidget& parent, int id) {
    return Find<QLineEdit>(parent, id).text();
}
inline QStringList Texts(const std::vector<Message>& messages) {
    QStringList texts;
    for (const Message& m : messages) {
        texts << QString::fromStdString(m.text);
    }
    return texts;
}

inline void ShowActive(QWidget& widget) {
    widget.show();
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
}

// A record saved through the document, so the file is exactly what KVT writes.
inline QString WriteRecord(const std::string& path, int32_t traces, int32_t samples, float intervalUs,
                           const std::function<int32_t(int32_t trace, int32_t sample)>& value) {
    CKVTDoc writer;
    LoadRecord(writer, traces, samples, intervalUs, value);
    if (!writer.SaveByPath(path)) {
        qFatal("cannot write %s", path.c_str());
    }
    return QString::fromStdString(path);
}

// Shows a scroll view whose client area is exactly `client`.
inline void ShowWithClient(QAbstractScrollArea& view, QSize client) {
    view.show();
    if (QTest::qWaitForWindowExposed(&view)) {
        view.resize(client + view.size() - view.viewport()->size());
        QCoreApplication::processEvents();
    }
}

} // namespace kvt::test

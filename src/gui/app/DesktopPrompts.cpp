#include "DesktopPrompts.h"

#include "document/Messages.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace kvt {

namespace {

QString Translate(const std::string& text, int count = -1) {
    return QCoreApplication::translate(kMessageContext, text.c_str(), nullptr, count);
}

std::string TranslateText(const std::string& text) {
    return text.empty() ? text : Translate(text).toStdString();
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Message TranslatedMessage(const Message& message) {
    Message shown = message;
    shown.caption = TranslateText(message.caption);
    shown.detail = TranslateText(message.detail);
    if (message.pieces.empty()) {
        shown.text = TranslateText(message.text);
        return shown;
    }
    QString text;
    for (const MessagePiece& piece : message.pieces) {
        text += piece.verbatim ? QString::fromStdString(piece.source) : Translate(piece.source, piece.count);
    }
    shown.text = text.toStdString();
    return shown;
}

void QtPrompts::Show(QWidget* owner, const Message& message) {
    QMessageBox box(BoxIcon(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), QMessageBox::Ok, owner);
    if (!message.detail.empty()) {
        // The reason stays readable in the box itself rather than behind a "details" button.
        box.setInformativeText(QString::fromStdString(message.detail));
    }
    box.exec();
}

Answer QtPrompts::AskSaveChanges(QWidget* owner, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) {
        buttons |= QMessageBox::Cancel;
    }
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate(kMessageContext, kSaveChangesCaption),
                    QCoreApplication::translate(kMessageContext, kSaveChangesQuestion), buttons, owner);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

namespace {

QStringList RunFileDialog(QWidget* owner, const FileDialogRequest& request, QFileDialog::FileMode mode) {
    QFileDialog dialog(owner, request.title, request.folder);
    dialog.setNameFilters(request.nameFilters);
    dialog.setFileMode(mode);
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    request.chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles();
}

} // namespace

QString QtPrompts::ChooseFile(QWidget* owner, const FileDialogRequest& request) {
    const QStringList files =
        RunFileDialog(owner, request, request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    return files.isEmpty() ? QString() : files.first();
}

QStringList QtPrompts::ChooseFiles(QWidget* owner, const FileDialogRequest& request) {
    return RunFileDialog(owner, request, QFileDialog::ExistingFiles);
}

} // namespace kvt

#pragma once

#include <QDialog>
#include <QList>
#include <QPrinter>
#include <QQueue>
#include <QString>

#include "ui/common/dialogs.h"

namespace orbalis::testing {

// Records every modal interaction and answers from queued replies, so that a
// window test never waits on a dialog.
class FakeDialogs final : public Dialogs {
public:
    struct Message {
        QString text;
        QString caption;
        MessageIcon icon;
    };

    QList<Message> messages;
    QList<Message> questions;  // icon unused
    QList<FileDialogRequest> saveRequests;
    QList<FileDialogRequest> openRequests;
    QList<PrinterRequest> printerRequests;
    QList<QString> modalDialogs;  // object names of dialogs run modally
    QList<QString> webAddresses;

    // Replies, consumed in order; an empty queue answers "cancel".
    QQueue<std::optional<QString>> saveReplies;
    QQueue<std::optional<QString>> openReplies;
    QQueue<bool> printerReplies;
    QQueue<bool> yesNoReplies;  // an empty queue answers No
    // A confirmed printer dialog sends the job to this PDF file; with no file
    // set the job goes nowhere, never to a real printer.
    QString printerOutputFile;
    // Whether a browser opens the web pages asked for.
    bool webBrowserAvailable = true;

    void showMessage(QWidget*, const QString& text, const QString& caption,
                     MessageIcon icon) override {
        messages.append({text, caption, icon});
    }
    bool askYesNo(QWidget*, const QString& text, const QString& caption) override {
        questions.append({text, caption, MessageIcon::Information});
        return !yesNoReplies.isEmpty() && yesNoReplies.dequeue();
    }
    std::optional<QString> chooseSaveFile(QWidget*, const FileDialogRequest& request) override {
        saveRequests.append(request);
        return saveReplies.isEmpty() ? std::nullopt : saveReplies.dequeue();
    }
    std::optional<QString> chooseOpenFile(QWidget*, const FileDialogRequest& request) override {
        openRequests.append(request);
        return openReplies.isEmpty() ? std::nullopt : openReplies.dequeue();
    }
    bool choosePrinter(QWidget*, QPrinter& printer, const PrinterRequest& request) override {
        printerRequests.append(request);
        const bool confirmed = !printerReplies.isEmpty() && printerReplies.dequeue();
        if (confirmed) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printerOutputFile);
        }
        return confirmed;
    }
    void runModal(QDialog& dialog) override { modalDialogs.append(dialog.objectName()); }
    bool openWebAddress(const QString& address) override {
        webAddresses.append(address);
        return webBrowserAvailable;
    }

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.back().text; }
};

}  // namespace orbalis::testing

#pragma once

#include <QDialog>
#include <QList>
#include <QPrinter>
#include <QQueue>
#include <QString>
#include <functional>

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

    // Runs while each dialog is "open", as events would arrive during a
    // real dialog's own event loop.
    std::function<void()> whileOpen;

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.back().text; }

  protected:
    void doShowMessage(QWidget*, const QString& text, const QString& caption,
                       MessageIcon icon) override {
        messages.append({text, caption, icon});
        Open();
    }
    bool doAskYesNo(QWidget*, const QString& text, const QString& caption) override {
        questions.append({text, caption, MessageIcon::Information});
        Open();
        return !yesNoReplies.isEmpty() && yesNoReplies.dequeue();
    }
    std::optional<QString> doChooseSaveFile(QWidget*, const FileDialogRequest& request) override {
        saveRequests.append(request);
        Open();
        return saveReplies.isEmpty() ? std::nullopt : saveReplies.dequeue();
    }
    std::optional<QString> doChooseOpenFile(QWidget*, const FileDialogRequest& request) override {
        openRequests.append(request);
        Open();
        return openReplies.isEmpty() ? std::nullopt : openReplies.dequeue();
    }
    bool doChoosePrinter(QWidget*, QPrinter& printer, const PrinterRequest& request) override {
        printerRequests.append(request);
        Open();
        const bool confirmed = !printerReplies.isEmpty() && printerReplies.dequeue();
        if (confirmed) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printerOutputFile);
        }
        return confirmed;
    }
    void doRunModal(QDialog& dialog) override {
        modalDialogs.append(dialog.objectName());
        Open();
    }
    bool doOpenWebAddress(const QString& address) override {
        webAddresses.append(address);
        return webBrowserAvailable;
    }

  private:
    void Open() {
        // A copy runs, so that the hook may replace itself.
        if (const std::function<void()> hook = whileOpen) hook();
    }
};

}  // namespace orbalis::testing

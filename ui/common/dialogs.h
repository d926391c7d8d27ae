#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "model/messages.h"

class QDialog;
class QPrintDialog;
class QPrinter;
class QWidget;

namespace orbalis {

// How a file dialog is set up. The filter is written "Description|pattern".
struct FileDialogRequest {
    QString filter;
    QString defaultExtension;  // without the dot; added when the name has none
    QString title;
    QString initialName;
    // Where the dialog opens, unless initialName names a folder of its own.
    QString folder;
    bool overwritePrompt = false;
    bool pathMustExist = false;
    bool fileMustExist = false;
    bool noReadOnlyReturn = false;
    bool hideReadOnly = false;
};

struct PrinterRequest {
    bool allowPrintToFile = false;
    bool showPageRange = false;
};

// Every modal interaction of the program goes through this interface, so that
// windows can be driven by tests without anything waiting for a person.
//
// A modal dialog runs an event loop of its own inside the window that asked
// for it; whatever arrives meanwhile (a reading file handed over by a later
// start) must not take that window away. While a dialog is open `open()` is
// true, and `whenClosed` keeps work for the moment the last one closes.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    void showMessage(QWidget* parent, const QString& text, const QString& caption,
                     MessageIcon icon);
    // A question with the buttons Yes and No; true for Yes.
    bool askYesNo(QWidget* parent, const QString& text, const QString& caption);
    // The chosen path, or nothing when the user cancels.
    std::optional<QString> chooseSaveFile(QWidget* parent, const FileDialogRequest& request);
    std::optional<QString> chooseOpenFile(QWidget* parent, const FileDialogRequest& request);
    // True when the user confirms the printer dialog; the printer then holds the choice.
    bool choosePrinter(QWidget* parent, QPrinter& printer, const PrinterRequest& request);
    // Shows a dialog of the program modally (the about box).
    void runModal(QDialog& dialog);
    // Opens a web page in the user's browser; false when nothing could.
    bool openWebAddress(const QString& address) { return doOpenWebAddress(address); }

    // Whether a dialog is open now.
    bool open() const { return openDialogs_ > 0; }
    // Runs `task` from the event loop once no dialog is open: soon, when none is.
    void whenClosed(std::function<void()> task);

  protected:
    virtual void doShowMessage(QWidget* parent, const QString& text, const QString& caption,
                               MessageIcon icon) = 0;
    virtual bool doAskYesNo(QWidget* parent, const QString& text, const QString& caption) = 0;
    virtual std::optional<QString> doChooseSaveFile(QWidget* parent,
                                                    const FileDialogRequest& request) = 0;
    virtual std::optional<QString> doChooseOpenFile(QWidget* parent,
                                                    const FileDialogRequest& request) = 0;
    virtual bool doChoosePrinter(QWidget* parent, QPrinter& printer,
                                 const PrinterRequest& request) = 0;
    virtual void doRunModal(QDialog& dialog) = 0;
    virtual bool doOpenWebAddress(const QString& address) = 0;

  private:
    class OpenDialog;
    void RunWaitingTasks();

    int openDialogs_ = 0;
    std::vector<std::function<void()>> waiting_;
};

// The dialogs a person sees.
class QtDialogs final : public Dialogs {
  protected:
    void doShowMessage(QWidget* parent, const QString& text, const QString& caption,
                       MessageIcon icon) override;
    bool doAskYesNo(QWidget* parent, const QString& text, const QString& caption) override;
    std::optional<QString> doChooseSaveFile(QWidget* parent,
                                            const FileDialogRequest& request) override;
    std::optional<QString> doChooseOpenFile(QWidget* parent,
                                            const FileDialogRequest& request) override;
    bool doChoosePrinter(QWidget* parent, QPrinter& printer,
                         const PrinterRequest& request) override;
    void doRunModal(QDialog& dialog) override;
    bool doOpenWebAddress(const QString& address) override;
};

// Sets up the platform's printer dialog as the request asks; without the page
// range, the dialog prints the one page and shows no range fields.
void ConfigurePrintDialog(QPrintDialog& dialog, QPrinter& printer, const PrinterRequest& request);

// Opens a web page; where no browser can, shows its address in a message (the
// text of every message can be selected and copied).
void OpenWebPage(Dialogs& dialogs, QWidget* parent, const QString& address);

}  // namespace orbalis

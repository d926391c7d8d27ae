#pragma once

#include <QString>
#include <optional>

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
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual void showMessage(QWidget* parent, const QString& text, const QString& caption,
                             MessageIcon icon) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> chooseSaveFile(QWidget* parent,
                                                  const FileDialogRequest& request) = 0;
    virtual std::optional<QString> chooseOpenFile(QWidget* parent,
                                                  const FileDialogRequest& request) = 0;
    // True when the user confirms the printer dialog; the printer then holds the choice.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer,
                               const PrinterRequest& request) = 0;
    // Shows a dialog of the program modally (the about box).
    virtual void runModal(QDialog& dialog) = 0;
    // Opens a web page in the user's browser; false when nothing could.
    virtual bool openWebAddress(const QString& address) = 0;
};

// The dialogs a person sees.
class QtDialogs final : public Dialogs {
public:
    void showMessage(QWidget* parent, const QString& text, const QString& caption,
                     MessageIcon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, const QString& caption) override;
    std::optional<QString> chooseSaveFile(QWidget* parent,
                                          const FileDialogRequest& request) override;
    std::optional<QString> chooseOpenFile(QWidget* parent,
                                          const FileDialogRequest& request) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer, const PrinterRequest& request) override;
    void runModal(QDialog& dialog) override;
    bool openWebAddress(const QString& address) override;
};

// Sets up the platform's printer dialog as the request asks; without the page
// range, the dialog prints the one page and shows no range fields.
void ConfigurePrintDialog(QPrintDialog& dialog, QPrinter& printer, const PrinterRequest& request);

// Opens a web page; where no browser can, shows its address in a message (the
// text of every message can be selected and copied).
void OpenWebPage(Dialogs& dialogs, QWidget* parent, const QString& address);

}  // namespace orbalis

#include "ui/common/dialogs.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <QDesktopServices>
#include <QDialog>
#include <QEvent>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include "model/catalogue.h"
#include "model/program_identity.h"

namespace orbalis {
namespace {

// "Description|*.ext" becomes Qt's "Description (*.ext)" unless the
// description already names the pattern.
QString QtFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf('|');
    if (bar < 0) return filter;
    const QString description = filter.left(bar);
    const QString pattern = filter.mid(bar + 1);
    if (description.contains(pattern)) return description;
    return QStringLiteral("%1 (%2)").arg(description, pattern);
}

void Configure(QFileDialog& dialog, const FileDialogRequest& request) {
    dialog.setWindowTitle(request.title);
    dialog.setNameFilter(QtFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
}

// Hides the widget it watches each time something shows it.
class KeepHidden final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) static_cast<QWidget*>(watched)->hide();
        return false;
    }
};

const QStringList kPageRangeFields = {QStringLiteral("printRange"),
                                      QStringLiteral("from"),
                                      QStringLiteral("to"),
                                      QStringLiteral("pagesRadioButton"),
                                      QStringLiteral("pagesLineEdit"),
                                      QStringLiteral("printCurrentPage"),
                                      QStringLiteral("printSelection")};

}  // namespace

// Counts a dialog as open for as long as it runs.
class Dialogs::OpenDialog {
  public:
    explicit OpenDialog(Dialogs& dialogs) : dialogs_(dialogs) { ++dialogs_.openDialogs_; }
    ~OpenDialog() {
        if (--dialogs_.openDialogs_ == 0 && !dialogs_.waiting_.empty()) dialogs_.RunWaitingTasks();
    }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

  private:
    Dialogs& dialogs_;
};

void Dialogs::showMessage(QWidget* parent, const QString& text, const QString& caption,
                          MessageIcon icon) {
    const OpenDialog open(*this);
    doShowMessage(parent, text, caption, icon);
}

bool Dialogs::askYesNo(QWidget* parent, const QString& text, const QString& caption) {
    const OpenDialog open(*this);
    return doAskYesNo(parent, text, caption);
}

std::optional<QString> Dialogs::chooseSaveFile(QWidget* parent, const FileDialogRequest& request) {
    const OpenDialog open(*this);
    return doChooseSaveFile(parent, request);
}

std::optional<QString> Dialogs::chooseOpenFile(QWidget* parent, const FileDialogRequest& request) {
    const OpenDialog open(*this);
    return doChooseOpenFile(parent, request);
}

bool Dialogs::choosePrinter(QWidget* parent, QPrinter& printer, const PrinterRequest& request) {
    const OpenDialog open(*this);
    return doChoosePrinter(parent, printer, request);
}

void Dialogs::runModal(QDialog& dialog) {
    const OpenDialog open(*this);
    doRunModal(dialog);
}

void Dialogs::whenClosed(std::function<void()> task) {
    waiting_.push_back(std::move(task));
    if (!open()) RunWaitingTasks();
}

// The tasks run from the event loop, after the dialog's caller has finished
// with whatever it holds; a task that opens a dialog itself sends the rest
// to wait for that one.
void Dialogs::RunWaitingTasks() {
    QMetaObject::invokeMethod(
        qApp,
        [this] {
            while (!waiting_.empty() && !open()) {
                std::function<void()> task = std::move(waiting_.front());
                waiting_.erase(waiting_.begin());
                task();
            }
        },
        Qt::QueuedConnection);
}

// The texts of Qt's own buttons, which Qt asks the installed translator
// for; marked here so that the catalogues carry them.
[[maybe_unused]] constexpr const char* kQtButtonTexts[] = {N_("OK"), N_("&Yes"), N_("&No"),
                                                           N_("Cancel")};

void QtDialogs::doShowMessage(QWidget* parent, const QString& text, const QString& caption,
                              MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    caption, text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool QtDialogs::doAskYesNo(QWidget* parent, const QString& text, const QString& caption) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::doChooseSaveFile(QWidget* parent,
                                                   const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    Configure(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

std::optional<QString> QtDialogs::doChooseOpenFile(QWidget* parent,
                                                   const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    Configure(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

bool QtDialogs::doChoosePrinter(QWidget* parent, QPrinter& printer, const PrinterRequest& request) {
    QPrintDialog dialog(&printer, parent);
    ConfigurePrintDialog(dialog, printer, request);
    return dialog.exec() == QDialog::Accepted;
}

void ConfigurePrintDialog(QPrintDialog& dialog, QPrinter& printer, const PrinterRequest& request) {
    dialog.setOption(QAbstractPrintDialog::PrintToFile, request.allowPrintToFile);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.showPageRange);
    if (request.showPageRange) return;
    // Qt's dialog shows its page-range box whatever the option says: the
    // range is fixed to the one page, its fields disabled, and the box kept
    // hidden whenever the dialog shows it.
    printer.setPrintRange(QPrinter::AllPages);
    dialog.setMinMax(1, 1);
    for (QWidget* field : dialog.findChildren<QWidget*>()) {
        if (kPageRangeFields.contains(field->objectName())) field->setEnabled(false);
    }
    if (auto* box = dialog.findChild<QWidget*>(QStringLiteral("gbPrintRange"))) {
        box->installEventFilter(new KeepHidden(box));
        box->hide();
    }
}

void QtDialogs::doRunModal(QDialog& dialog) {
    dialog.exec();
}

bool QtDialogs::doOpenWebAddress(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
}

void OpenWebPage(Dialogs& dialogs, QWidget* parent, const QString& address) {
    if (dialogs.openWebAddress(address)) return;
    dialogs.showMessage(parent,
                        QCoreApplication::translate(
                            "Orbalis", "No web browser could open the page. Its address is:\n") +
                            address,
                        QString::fromUtf8(kProgramTitle), MessageIcon::Error);
}

}  // namespace orbalis

#include "app/ui/dialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

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
    if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
}

}  // namespace

void QtDialogs::showMessage(QWidget* parent, const QString& text, const QString& caption,
                            MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    caption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::askYesNo(QWidget* parent, const QString& text, const QString& caption) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::chooseSaveFile(QWidget* parent,
                                                 const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    Configure(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

std::optional<QString> QtDialogs::chooseOpenFile(QWidget* parent,
                                                 const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    Configure(dialog, request);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

bool QtDialogs::choosePrinter(QWidget* parent, QPrinter& printer, const PrinterRequest& request) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, request.allowPrintToFile);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.showPageRange);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::runModal(QDialog& dialog) { dialog.exec(); }

void QtDialogs::openWebAddress(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

}  // namespace orbalis

#include "ui/common/print_form.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

#include "model/program_identity.h"
#include "ui/common/dialogs.h"
#include "ui/common/qt_text.h"

namespace orbalis {

QRect PaintFormFitted(QWidget& form, QPainter& painter, const QRect& page) {
    const QSize formSize = form.size();
    if (formSize.isEmpty() || page.isEmpty()) return {};
    const QSize fitted = formSize.scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.left() + (page.width() - fitted.width()) / 2, page.top(),
                       fitted.width(), fitted.height());
    // Rendered straight onto a printer a widget comes out as one bitmap of
    // the whole form: recorded first as drawing commands and played back, its
    // labels stay text and its lines stay lines, on paper and in a PDF.
    QPicture picture;
    {
        QPainter recorder(&picture);
        form.render(&recorder, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(static_cast<qreal>(fitted.width()) / formSize.width(),
                  static_cast<qreal>(fitted.height()) / formSize.height());
    painter.setClipRect(QRect(QPoint(), formSize));
    picture.play(&painter);
    painter.restore();
    return target;
}

bool PrintForm(QWidget& form, QPrinter& printer) {
    // The form's labels take their type sizes in points at the screen's
    // resolution; a printer at the same resolution sets them alike, and its
    // output is vector text and lines whatever its resolution.
    printer.setResolution(form.logicalDpiY());
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The painter's origin is the printable area's top left.
    const QRect page(QPoint(0, 0), painter.viewport().size());
    PaintFormFitted(form, painter, page);
    return painter.end();
}

void PrintWithDialog(Dialogs& dialogs, QWidget* parent, QWidget& form) {
    PrintWithDialog(dialogs, parent,
                    [&form](QPrinter& printer) { return PrintForm(form, printer); });
}

void PrintWithDialog(Dialogs& dialogs, QWidget* parent,
                     const std::function<bool(QPrinter&)>& print) {
    QPrinter printer(QPrinter::HighResolution);
    PrinterRequest request;
    // Printing to a PDF file serves a user without a printer.
    request.allowPrintToFile = true;
    request.showPageRange = false;
    if (!dialogs.choosePrinter(parent, printer, request)) return;
    if (!print(printer)) {
        dialogs.showMessage(parent,
                            QCoreApplication::translate("Orbalis", "No printer is available."),
                            QtText(kProgramTitle), MessageIcon::Error);
    }
}

}  // namespace orbalis

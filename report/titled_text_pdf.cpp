#include "report/titled_text_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "painting/page.h"
#include "report/report_sheet.h"

namespace orbalis {

bool PaintTitledText(QPagedPaintDevice& device, const QString& title, const QString& text) {
    QTextDocument document;
    // Laid out in the device's own units, so points are points on paper.
    document.documentLayout()->setPaintDevice(&device);
    document.setDocumentMargin(0);
    QTextOption option = document.defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);

    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFont(ReportFont(13.0, true));
    cursor.setCharFormat(heading);
    cursor.insertText(title);

    QTextBlockFormat body;
    body.setTopMargin(12.0);
    QTextCharFormat fixed;
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSizeF(9.0);
    fixed.setFont(mono);
    // One block per line keeps blank lines and leading blanks as written.
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (normalised.endsWith(u'\n')) normalised.chop(1);
    bool first = true;
    for (const QString& line : normalised.split(u'\n')) {
        cursor.insertBlock(body, fixed);
        if (first) {
            body.setTopMargin(0.0);
            first = false;
        }
        cursor.insertText(line, fixed);
    }
    // The whole printable area of the page is the document's page; the
    // pages are painted one under the other through a window of one page.
    const QSizeF page = device.pageLayout().paintRectPixels(device.logicalDpiY()).size();
    document.setPageSize(page);

    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (int number = 0; number < document.pageCount(); ++number) {
        if (number > 0) device.newPage();
        painter.save();
        painter.translate(0, -number * page.height());
        document.drawContents(&painter, QRectF(QPointF(0, number * page.height()), page));
        painter.restore();
    }
    return painter.end();
}

QByteArray TitledTextPdf(const QString& title, const QString& text) {
    return PaintedPdf(
        title, [&](QPagedPaintDevice& device) { return PaintTitledText(device, title, text); });
}

}  // namespace orbalis

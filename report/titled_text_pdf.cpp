#include "report/titled_text_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include "painting/page.h"

namespace orbalis {

QByteArray TitledTextPdf(const QString& title, const QString& text) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        SetUpA4(writer, title);

        QTextDocument document;
        // Laid out in the writer's own units, so points are points on paper.
        document.documentLayout()->setPaintDevice(&writer);
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
        // The whole printable area of the page is the document's page.
        document.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
        document.print(&writer);
    }
    buffer.close();
    return bytes;
}

}  // namespace orbalis

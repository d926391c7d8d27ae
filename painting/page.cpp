#include "painting/page.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "model/program_identity.h"

namespace orbalis {

void SetUpA4(QPdfWriter& writer, const QString& title) {
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(
        QString::fromUtf8(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size())));
}

QFont ReportFont(qreal pointSize, bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace orbalis

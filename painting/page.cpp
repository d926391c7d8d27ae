#include "painting/page.h"

#include <QFontDatabase>
#include <QFontInfo>
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
    // The Latin face as the system resolves it, then the Devanagari and
    // Tamil faces by name: left to the system's fallback, the script's face
    // would depend on which fonts happen to be installed and cached.
    // The system's sans serif is asked for by name first: under a Hindi or
    // Tamil locale the font configuration answers "sans serif" with that
    // script's face, whose Latin letters and digits stand taller than the
    // form's rows.
    static const QStringList families = [] {
        QString face;
        for (const QString& name : {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")})
            if (QFontDatabase::hasFamily(name)) {
                face = name;
                break;
            }
        if (face.isEmpty()) {
            QFont latin(QStringLiteral("Verdana"));
            latin.setStyleHint(QFont::SansSerif);
            face = QFontInfo(latin).family();
        }
        return QStringList{face, QStringLiteral("Lohit Devanagari"), QStringLiteral("Lohit Tamil")};
    }();
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace orbalis

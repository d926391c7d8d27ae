#include "report/titled_text_pdf.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "pdf_tools.h"

namespace orbalis {
namespace {

TEST(TitledTextPdf, TitleAndEveryLineAsSearchableTextWithEmbeddedFonts) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString text = QStringLiteral("From            Mars in the   Verdict\r\n");
    for (int row = 1; row <= 80; ++row)
        text += QStringLiteral("Row %1 Lagna     %1th house     dosha\r\n").arg(row);
    const QByteArray pdf = TitledTextPdf(QStringLiteral("Kuja Dosha Details"), text);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const QString path = testing::WriteTemporaryPdf(pdf, folder.path(), QStringLiteral("t.pdf"));

    const std::string words = testing::PdfText(path);
    EXPECT_NE(words.find("Kuja Dosha Details"), std::string::npos);
    EXPECT_NE(words.find("Mars in the"), std::string::npos);
    EXPECT_NE(words.find("Row 80 Lagna"), std::string::npos) << "the text runs on to a next page";
    EXPECT_NE(words.find('\f'), std::string::npos) << "more than one page";
    EXPECT_TRUE(testing::EveryFontEmbedded(testing::PdfFonts(path))) << testing::PdfFonts(path);
}

}  // namespace
}  // namespace orbalis

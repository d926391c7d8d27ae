#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace orbalis::testing {

// What poppler's tools make of a PDF: its text in reading order
// (pdftotext -layout) and its font table (pdffonts). Empty when the tool
// fails.
std::string PdfText(const QString& pdfPath);
std::string PdfFonts(const QString& pdfPath);
// The text in the order it was drawn (pdftotext -raw), every run of blanks
// and line ends folded into one blank, so that a wrapped sentence reads whole;
// a new page is a form feed.
std::string PdfWords(const QString& pdfPath);

// True when the font table lists at least one font and every one is embedded.
bool EveryFontEmbedded(const std::string& pdffontsOutput);

// Writes `bytes` to a file in a temporary folder and returns its path.
QString WriteTemporaryPdf(const QByteArray& bytes, const QString& folder, const QString& name);

}  // namespace orbalis::testing

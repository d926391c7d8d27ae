#include "pdf_tools.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <sstream>
#include <utility>

namespace orbalis::testing {

namespace {

std::string Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return process.readAllStandardOutput().toStdString();
}

}  // namespace

std::string PdfText(const QString& pdfPath) {
    return Run(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
}

std::string PdfWords(const QString& pdfPath) {
    std::string words;
    for (char c :
         Run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdfPath, QStringLiteral("-")})) {
        const bool blank = c == ' ' || c == '\n';
        if (blank && (words.empty() || words.back() == ' ')) continue;
        words += blank ? ' ' : c;
    }
    // The type's ligatures read as their letters.
    for (const auto& [ligature, letters] : {std::pair{"\uFB01", "fi"}, std::pair{"\uFB02", "fl"}})
        for (std::size_t at = words.find(ligature); at != std::string::npos;
             at = words.find(ligature, at))
            words.replace(at, std::string(ligature).size(), letters);
    return words;
}

std::string PdfFonts(const QString& pdfPath) {
    return Run(QStringLiteral("pdffonts"), {pdfPath});
}

bool EveryFontEmbedded(const std::string& output) {
    // After the two heading lines, one line per font; the "emb" column is
    // the third from the right of the type and encoding: read it by the
    // heading's column positions.
    std::istringstream lines(output);
    std::string heading;
    std::string rule;
    if (!std::getline(lines, heading) || !std::getline(lines, rule)) return false;
    const std::size_t column = heading.find("emb");
    if (column == std::string::npos) return false;
    int fonts = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        ++fonts;
        if (line.compare(column, 3, "yes") != 0) return false;
    }
    return fonts > 0;
}

QString WriteTemporaryPdf(const QByteArray& bytes, const QString& folder, const QString& name) {
    const QString path = folder + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
}

}  // namespace orbalis::testing

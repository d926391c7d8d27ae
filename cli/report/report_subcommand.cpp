// `orbalis-cli report`: the PDF report of a reading file, as the results
// window saves it, or of a couple, as the match window saves it, without a
// display, in the language asked for.

#include <CLI/CLI.hpp>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "charts/chart_geometry.h"
#include "cli/positions_option.h"
#include "cli/reading_command.h"
#include "cli/reading_result.h"
#include "cli/run_cli.h"
#include "cli/subcommand.h"
#include "files/replacing_file.h"
#include "reading/couple_match.h"
#include "reading/languages.h"
#include "reading/match_sheet.h"
#include "reading/reading_file.h"
#include "report/couple_report.h"
#include "report/reading_report.h"

namespace orbalis::cli {

namespace {

struct ReportArguments {
    std::vector<std::string> files;
    std::string out;
    std::string positions = "classic";
    std::string chartStyle = "south";
    std::string vashya = "symmetric";
    std::string language;
};

// Qt's painting needs an application object; the offscreen platform needs
// no display. A caller that has one already (a test) keeps its own.
std::unique_ptr<QGuiApplication> PaintingApplication() {
    if (QCoreApplication::instance()) return nullptr;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own warnings reach the user on standard error, named as Qt's; a
    // fatal one ends the run with a word of what stopped it instead of an
    // abort.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtDebugMsg || type == QtInfoMsg) return;
        // Qt names each face of the report's list that lacks a script before
        // it reaches the one that has it: the face is found, nothing is wrong.
        if (message.trimmed().startsWith(QStringLiteral("OpenType support missing for"))) return;
        const QByteArray text = message.toLocal8Bit();
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "orbalis-cli: the report stopped: %s\n", text.constData());
            std::fflush(stderr);
            std::_Exit(kRunFailed);
        }
        std::fprintf(stderr, "orbalis-cli: Qt: %s\n", text.constData());
    });
    static int argc = 1;
    static char name[] = "orbalis-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The full reading of one file; false with the refusal printed.
bool ReadFile(const std::string& path, PositionsMode mode, FullReading& full,
              const CliStreams& streams, int& status) {
    ReadingFileBirth file = LoadReadingFileBirth(path);
    if (!file.birth) {
        status = PrintOutcome(RefusedReadingFile(std::move(file)), true, streams);
        return false;
    }
    std::string refusal;
    if (!ComputeFullReading(*file.birth, mode, full, refusal)) {
        std::fprintf(streams.errors, "%s: %s\n", path.c_str(), refusal.c_str());
        status = kReadingRefused;
        return false;
    }
    return true;
}

int RunReport(const ReportArguments& a, const CliStreams& streams) {
    const std::string language = a.language.empty() ? LanguageOfEnvironment() : a.language;
    if (!IsAvailableLanguage(language)) {
        std::string known;
        for (const LanguageChoice& choice : AvailableLanguages())
            known += (known.empty() ? "" : ", ") + choice.code;
        std::fprintf(streams.errors, "--lang: no language \"%s\"; this installation speaks %s.\n",
                     language.c_str(), known.c_str());
        return kUsageError;
    }
    const PositionsMode mode = PositionsModeNamed(a.positions).value_or(PositionsMode::Classic);
    const ChartStyle style = ChartStyleNamed(a.chartStyle).value_or(ChartStyle::South);
    std::vector<std::unique_ptr<FullReading>> readings;
    for (const std::string& path : a.files) {
        readings.push_back(std::make_unique<FullReading>());
        int status = 0;
        if (!ReadFile(path, mode, *readings.back(), streams, status)) return status;
    }

    const Catalogue words = CatalogueFor(language);
    const std::unique_ptr<QGuiApplication> application = PaintingApplication();
    QByteArray pdf;
    if (readings.size() == 1) {
        const FullReading& full = *readings[0];
        ReportReading report;
        report.birth = full.birth;
        report.reading = full.chart;
        report.chartBoxes = full.display.chartBoxes;
        report.positions = mode;
        report.chartStyle = style;
        report.firmness = full.display.firmness;
        pdf = ReadingReportPdf(report, words);
    } else {
        // Two readings of one name are told apart by their files, as the
        // match command does.
        std::string names[2] = {readings[0]->birth.name, readings[1]->birth.name};
        if (names[0] == names[1])
            for (std::size_t i = 0; i < 2; ++i) names[i] += " (" + a.files[i] + ")";
        std::optional<CoupleMatch> match = MatchCouple(names[0], readings[0]->chart, names[1],
                                                       readings[1]->chart, VashyaOption(a.vashya));
        if (!match) {
            const std::size_t lacking = AnalyseClassicalKujaDosha(readings[0]->chart) ? 1 : 0;
            return PrintOutcome(RefusedReadingFile({std::nullopt, std::string(kCheckTheFileMessage),
                                                    a.files[lacking]}),
                                true, streams);
        }
        match->sameBirth = CompareBirths(readings[0]->birth, readings[1]->birth);
        CoupleReport report;
        for (std::size_t i = 0; i < 2; ++i)
            report.people[i] = {readings[i]->birth, readings[i]->chart};
        report.sheet = ComposeMatchSheet(*match, words);
        report.chartStyle = style;
        pdf = CoupleReportPdf(report, words);
    }
    if (pdf.isEmpty()) {
        std::fprintf(streams.errors, "The report could not be made.\n");
        return kRunFailed;
    }
    // A read-only target is refused as in the window, by the same replacement.
    orbalis::ReplacingFile output;
    if (!output.Open(a.out) ||
        !output.Write({pdf.constData(), static_cast<std::size_t>(pdf.size())}) ||
        !output.Commit()) {
        std::fprintf(streams.errors, "Unable to save the file. %s\n%s\n", a.out.c_str(),
                     output.Error().c_str());
        return kUsageError;
    }
    return 0;
}

}  // namespace

Subcommand AddReportSubcommand(CLI::App& app) {
    auto a = std::make_shared<ReportArguments>();
    CLI::App* report = app.add_subcommand(
        "report", "The PDF report of a reading file, or of a couple's two, without a display");
    report
        ->add_option("FILE", a->files, "A reading file (.orb); two for a couple, the groom's first")
        ->required()
        ->expected(1, 2);
    report->add_option("-o,--output", a->out, "The PDF file to write")->required();
    AddPositionsOption(*report, a->positions);
    report->add_option("--chart-style", a->chartStyle, "south (default), north or east")
        ->check(CLI::IsMember({"south", "north", "east"}));
    AddVashyaOption(*report, a->vashya);
    report->add_option("--lang", a->language,
                       "The report's language: en, hi or ta (default: the locale's)");
    return {report, [a](const CliStreams& streams) { return RunReport(*a, streams); }};
}

}  // namespace orbalis::cli

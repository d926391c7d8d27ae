// `orbalis-cli report`: the PDF report of a reading file, as the results
// window saves it, without a display.

#include <CLI/CLI.hpp>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "charts/chart_geometry.h"
#include "cli/positions_option.h"
#include "cli/reading_command.h"
#include "cli/reading_result.h"
#include "cli/run_cli.h"
#include "cli/subcommand.h"
#include "files/replacing_file.h"
#include "reading/reading_file.h"
#include "report/reading_report.h"

namespace orbalis::cli {

namespace {

struct ReportArguments {
    std::string file;
    std::string out;
    std::string positions = "classic";
    std::string chartStyle = "south";
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

int RunReport(const ReportArguments& a, const CliStreams& streams) {
    ReadingFileBirth file = LoadReadingFileBirth(a.file);
    if (!file.birth) return PrintOutcome(RefusedReadingFile(std::move(file)), true, streams);
    const PositionsMode mode = PositionsModeNamed(a.positions).value_or(PositionsMode::Classic);
    auto full = std::make_unique<FullReading>();
    std::string refusal;
    if (!ComputeFullReading(*file.birth, mode, *full, refusal)) {
        std::fprintf(streams.errors, "%s\n", refusal.c_str());
        return kReadingRefused;
    }

    ReportReading report;
    report.birth = full->birth;
    report.reading = full->chart;
    report.chartBoxes = full->display.chartBoxes;
    report.fromLagna = full->display.fromLagna;
    report.fromMoon = full->display.fromMoon;
    report.positions = mode;
    report.chartStyle = ChartStyleNamed(a.chartStyle).value_or(ChartStyle::South);
    report.firmness = full->display.firmness;

    const std::unique_ptr<QGuiApplication> application = PaintingApplication();
    const QByteArray pdf = ReadingReportPdf(report);
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
    CLI::App* report =
        app.add_subcommand("report", "The PDF report of a reading file, without a display");
    report->add_option("FILE", a->file, "A reading file (.orb)")->required();
    report->add_option("-o,--output", a->out, "The PDF file to write")->required();
    AddPositionsOption(*report, a->positions);
    report->add_option("--chart-style", a->chartStyle, "south (default), north or east")
        ->check(CLI::IsMember({"south", "north", "east"}));
    return {report, [a](const CliStreams& streams) { return RunReport(*a, streams); }};
}

}  // namespace orbalis::cli

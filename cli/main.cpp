// orbalis-cli: the Kuja dosha reading without a window, for one birth or a
// whole file of births. Everything it does is in RunCli; the PDF report, the
// one subcommand that paints with Qt, is added here.

#include "cli/run_cli.h"
#include "files/temporary_names.h"

int main(int argc, char** argv) {
    orbalis::RemoveTemporaryFilesOnSignals();
    constexpr orbalis::cli::SubcommandMaker withReport[] = {orbalis::cli::AddReportSubcommand};
    return orbalis::cli::RunCli({argv + 1, argv + argc}, stdout, stderr, stdin, withReport);
}

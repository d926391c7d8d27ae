// orbalis-cli: the Kuja dosha reading without a window, for one birth or a
// whole file of births. Everything it does is in RunCli, once a signal that
// stops it is set to remove the hidden file of an output in flight.

#include "cli/run_cli.h"
#include "files/temporary_names.h"

int main(int argc, char** argv) {
    orbalis::RemoveTemporaryFilesOnSignals();
    return orbalis::cli::RunCli({argv + 1, argv + argc}, stdout, stderr);
}

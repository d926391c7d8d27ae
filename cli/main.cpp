// orbalis-cli: the Kuja dosha reading without a window, for one birth or a
// whole file of births. Everything it does is in RunCli.

#include "cli/run_cli.h"

int main(int argc, char** argv) {
    return orbalis::cli::RunCli({argv + 1, argv + argc}, stdout, stderr);
}

// `orbalis-cli guna-table`: the points and poruthams of every pair of Moon
// stars and padas, or of those a filter lets through.

#include <CLI/CLI.hpp>
#include <memory>
#include <string>

#include "cli/guna_table.h"
#include "cli/subcommand.h"

namespace orbalis::cli {

namespace {

struct GunaTableArguments {
    GunaTableFilter filter;
    std::string vashya = "symmetric";
};

}  // namespace

Subcommand AddGunaTableSubcommand(CLI::App& app) {
    auto a = std::make_shared<GunaTableArguments>();
    CLI::App* table = app.add_subcommand(
        "guna-table",
        "Gunas and poruthams of all 11,664 groom-bride pairs of nakshatra and pada, as CSV; "
        "with a filter, the pairs it lets through, highest total first");
    const auto star = CLI::Range(1, 27);
    const auto pada = CLI::Range(1, 4);
    table
        ->add_option("--groom-nakshatra", a->filter.groomNakshatra,
                     "The groom's nakshatra, 1 to 27")
        ->check(star);
    table->add_option("--groom-pada", a->filter.groomPada, "The groom's pada, 1 to 4")->check(pada);
    table
        ->add_option("--bride-nakshatra", a->filter.brideNakshatra,
                     "The bride's nakshatra, 1 to 27")
        ->check(star);
    table->add_option("--bride-pada", a->filter.bridePada, "The bride's pada, 1 to 4")->check(pada);
    AddVashyaOption(*table, a->vashya);
    return {table, [a](const CliStreams& streams) {
                return PrintListing(GunaTable(a->filter, VashyaOption(a->vashya)), streams);
            }};
}

}  // namespace orbalis::cli

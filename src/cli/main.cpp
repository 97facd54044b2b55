// kugelmeister-cli: the program's model without windows. Commands for people
// (update, show, check, calc, stats, export, import, odds) and the script
// driver, which plays control-level commands, answers the program's dialogs
// from the script and prints what it shows.

#include <CLI/CLI.hpp>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "cli/history_commands.h"
#include "cli/odds_command.h"
#include "cli/script.h"
#include "cli/script_runner.h"
#include "cli/session.h"
#include "cli/stats_command.h"
#include "cli/ticket_commands.h"
#include "controls/value_text.h"
#include "generation/tip_calculation.h"
#include "model/main_window.h"
#include "qt/qsettings_store.h"
#include "scripted/scripted_platform.h"
#include "shell/application.h"

namespace {

constexpr int kExitScriptError = 2;
constexpr int kExitNoAnswer = 3;

std::vector<kugel::cli::Command> readScript(const std::string& file) {
    if (file == "-") return kugel::cli::parseScript(std::cin);
    std::ifstream in(file, std::ios::binary);
    if (!in) throw kugel::cli::ScriptError{0, "the script cannot be read"};
    return kugel::cli::parseScript(in);
}

int runScript(const kugel::cli::GlobalOptions& options, const std::string& scriptFile) {
    std::vector<kugel::cli::Command> commands;
    try {
        commands = readScript(scriptFile);
    } catch (const kugel::cli::ScriptError& e) {
        std::cerr << "kugelmeister-cli: " << scriptFile;
        if (e.line > 0) std::cerr << ':' << e.line;
        std::cerr << ": " << e.message << '\n';
        return kExitScriptError;
    }

    kugel::ScriptedPlatform platform(std::cout);
    platform.setStopAtFirstUnanswered(true);
    std::unique_ptr<kugel::QSettingsStore> settings;
    std::unique_ptr<kugel::QSettingsStore> toolSettings;
    try {
        // One request at a time unless asked: then a script's request lines
        // replay exactly, whatever the server's timing.
        kugel::cli::configurePlatform(platform, options, 1, settings, toolSettings);
    } catch (const kugel::cli::UsageError& e) {
        std::cerr << "kugelmeister-cli: " << e.what() << '\n';
        return kExitScriptError;
    } catch (const std::exception& e) {  // the program directory cannot be made
        std::cerr << "kugelmeister-cli: " << e.what() << '\n';
        return kExitNoAnswer;
    }

    // Scripts must replay exactly: a long calculation hands control to the
    // script's `onevents` lines every 4096 runs, never by the wall clock.
    kugel::setEventPacing({4096, std::chrono::milliseconds(0), std::chrono::milliseconds(0)});

    kugel::Application app(platform);
    if (options.server) app.form1().serverOverride = *options.server;
    kugel::cli::ScriptRunner runner(app, platform, std::cout);

    int status = 0;
    try {
        runner.run(commands);
    } catch (const kugel::cli::ScriptError& e) {
        std::cout.flush();
        std::cerr << "kugelmeister-cli: " << scriptFile << ':' << e.line << ": " << e.message
                  << '\n';
        status = kExitScriptError;
    } catch (const kugel::NoAnswerError& e) {
        std::cout.flush();
        std::cerr << "kugelmeister-cli: " << scriptFile << ':' << runner.currentLine() << ": "
                  << e.what() << '\n';
        status = kExitNoAnswer;
    }
    std::cout.flush();
    settings->flush();
    toolSettings->flush();
    return status;
}

// Standard output is buffered: a full disk or a closed pipe shows only when
// it is flushed. A command whose results were not all written has failed.
int checkOutputWritten(int status) {
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && std::cout && std::ferror(stdout) == 0) return status;
    std::cerr << "kugelmeister-cli: standard output cannot be written";
    if (error != 0) std::cerr << ": " << std::strerror(error);
    std::cerr << '\n';
    return status == 0 ? kugel::cli::kExitDataError : status;
}

// The parser's messages carry the program's name as every other message does,
// and a word that is no command is called what it is.
std::string parseFailureText(const CLI::App* app, const CLI::Error& error) {
    std::string text = error.what();
    // With no command parsed, a word left over is what was meant as one.
    if (app->get_parent() == nullptr && app->get_subcommands().empty() && !app->remaining().empty())
        text = "unknown command: " + app->remaining().front();
    return "kugelmeister-cli: " + text + "\nRun with --help for more information.\n";
}

// A command's failure on standard error: a line for people, or with --json
// one JSON object a program can read.
int reportFailure(const char* message, int status, bool json) {
    std::cout.flush();
    if (json)
        std::cerr << "{\"error\":" << kugel::jsonString(message) << ",\"exit\":" << status << "}\n";
    else
        std::cerr << "kugelmeister-cli: " << message << '\n';
    return status;
}

// Runs a command for people and turns what it throws into its exit status.
int runCommand(const std::function<int()>& command, bool json) {
    try {
        return command();
    } catch (const kugel::cli::UsageError& e) {
        return reportFailure(e.what(), kugel::cli::kExitUsage, json);
    } catch (const std::exception& e) {
        return reportFailure(e.what(), kugel::cli::kExitDataError, json);
    }
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App cli{
        "Kugelmeister without windows: commands for people, and a script driver for "
        "automation.\nExit status: 0 success, 2 usage error, 3 data or I/O error."};
    cli.name("kugelmeister-cli");
    cli.require_subcommand(1);
    cli.set_version_flag("--version", "kugelmeister-cli " KUGEL_VERSION);
    cli.failure_message(parseFailureText);
    kugel::cli::GlobalOptions options;
    cli.add_option("--home", options.home,
                   "the program's directory (default: the executable's, or the user's data "
                   "directory when installed)");
    cli.add_option("--settings", options.settingsFile, "the program's settings as an INI file");
    cli.add_option("--tool-settings", options.toolSettingsFile,
                   "the automation tool's settings as an INI file");
    cli.add_option("--server", options.server, "base address of the vendor's web server");
    cli.add_option("--today", options.today, "today's date, YYYY-MM-DD");
    cli.add_option("--clock", options.clock, "the value of the high-resolution clock");
    cli.add_option("--parallel-requests", options.parallelRequests,
                   "requests of a results update in flight at once (1..6; default: 6 as "
                   "the window does, 1 for a script)")
        ->check(CLI::Range(1, 6));
    cli.add_flag("--no-progress", options.noProgress, "draws no progress bar on standard error");

    std::string scriptFile;
    CLI::App* script = cli.add_subcommand("script", "runs a script (FILE \"-\": standard input)");
    script->fallthrough();
    script->add_option("FILE", scriptFile, "the script")->required();

    bool json = false;
    CLI::App* odds = cli.add_subcommand("odds", "prints the prize divisions and their chances");
    odds->add_flag("--json", json, "one line of JSON instead of a table");

    CLI::App* update = cli.add_subcommand(
        "update", "downloads the new draws into the history, as the window does");
    update->add_flag("--json", json, "JSON instead of text");

    std::optional<std::string> showDate;
    CLI::App* show =
        cli.add_subcommand("show", "prints the draw on or after DATE (default: the newest)");
    show->add_option("DATE", showDate, "YYYY-MM-DD");
    show->add_flag("--json", json, "JSON instead of text");

    kugel::cli::CheckOptions check;
    CLI::App* checkCommand = cli.add_subcommand(
        "check", "checks the rows of a tip file against one draw or every stored draw");
    checkCommand->add_option("FILE", check.file, "the tip file (.qlt)")->required();
    auto* checkDate = checkCommand->add_option("--date", check.date,
                                               "the draw on or after DATE (default: the newest)");
    checkCommand->add_flag("--all", check.all, "every stored draw")->excludes(checkDate);
    checkCommand->add_flag("--json", check.json, "JSON instead of text");
    checkCommand->add_option("--calculated", check.calculatedUntil,
                             "with --all: the newest draw the ticket was calculated from "
                             "(YYYY-MM-DD; default: the day a name yyyymmdd.qlt is for, less one)");

    kugel::cli::CalcOptions calc;
    CLI::App* calcCommand =
        cli.add_subcommand("calc", "calculates a ticket as \"Tipps berechnen\" does");
    calcCommand->add_option("--rows", calc.rows, "rows to calculate (1..12; default: stored)");
    calcCommand->add_option("--lucky", calc.lucky,
                            "the lucky number (1..99999999): the same number, the same ticket");
    calcCommand->add_option("--settings", calc.settingsFile,
                            "the settings to calculate with, an INI file");
    calcCommand->add_option("-o,--output", calc.output, "saves the ticket to this tip file (.qlt)");
    calcCommand->add_flag("--json", calc.json, "JSON instead of text");

    kugel::cli::StatsOptions stats;
    CLI::App* statsCommand =
        cli.add_subcommand("stats", "a statistic of the stored draws as a table");
    statsCommand
        ->add_option("KIND", stats.kind, "freq|outstanding|powerball|sums|pairs|triples|quads")
        ->required()
        ->check(CLI::IsMember(
            {"freq", "outstanding", "powerball", "sums", "pairs", "triples", "quads"}));
    statsCommand->add_option("--from", stats.from,
                             "the period's first day, YYYY-MM-DD: a draw on that day counts for "
                             "freq and the Powerball counts, and not for outstanding, sums, "
                             "pairs, triples, quads and the Powerball's outstanding, as in the "
                             "charts");
    statsCommand->add_option("--to", stats.to, "last day counted, YYYY-MM-DD");
    statsCommand->add_flag("--json", stats.json, "JSON instead of text");

    std::string exportFile;
    CLI::App* exportCommand = cli.add_subcommand("export", "writes the history in another format");
    exportCommand->require_subcommand(1);
    CLI::App* exportCsv = exportCommand->add_subcommand(
        "csv", "the history as CSV (date,n1,n2,n3,n4,n5,n6,pb,extra) to FILE or standard output");
    exportCsv->add_option("FILE", exportFile, "the CSV file (default: standard output)");

    std::string importFile;
    kugel::cli::ImportOptions import;
    CLI::App* importCommand =
        cli.add_subcommand("import", "replaces the history from another format");
    importCommand->require_subcommand(1);
    CLI::App* importCsv = importCommand->add_subcommand(
        "csv", "replaces the history with the draws of a CSV file; any bad line: nothing written");
    importCsv->add_option("FILE", importFile, "the CSV file (\"-\": standard input)")->required();
    importCsv->add_flag("--dry-run", import.dryRun, "checks the file and writes nothing");
    importCsv->add_flag("--json", import.json, "JSON instead of text");
    std::string dateFormat = "iso";
    importCsv
        ->add_option("--date-format", dateFormat,
                     "how the dates are written: iso (YYYY-MM-DD or YYYYMMDD, the default), dmy "
                     "(D/M/YYYY) or mdy (M/D/YYYY); never guessed")
        ->check(CLI::IsMember({"iso", "dmy", "mdy"}));

    try {
        cli.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return cli.exit(e);
    } catch (const CLI::ParseError& e) {
        cli.exit(e);
        return kugel::cli::kExitUsage;
    }
    return checkOutputWritten([&] {
        using namespace kugel::cli;
        if (odds->parsed()) {
            printOdds(std::cout, json);
            return kExitSuccess;
        }
        if (update->parsed())
            return runCommand([&] { return updateHistory(options, json, std::cout); }, json);
        if (show->parsed())
            return runCommand([&] { return showDraw(options, showDate, json, std::cout); }, json);
        if (checkCommand->parsed())
            return runCommand([&] { return checkTicket(options, check, std::cout); }, check.json);
        if (calcCommand->parsed())
            return runCommand([&] { return calculateTicket(options, calc, std::cout); }, calc.json);
        if (statsCommand->parsed())
            return runCommand([&] { return printStatistics(options, stats, std::cout); },
                              stats.json);
        if (exportCsv->parsed())
            return runCommand([&] { return kugel::cli::exportCsv(options, exportFile, std::cout); },
                              false);
        if (importCsv->parsed())
            return runCommand(
                [&] {
                    import.dates = dateFormat == "dmy"   ? kugel::CsvDateFormat::DayMonthYear
                                   : dateFormat == "mdy" ? kugel::CsvDateFormat::MonthDayYear
                                                         : kugel::CsvDateFormat::Iso;
                    return kugel::cli::importCsv(options, importFile, import, std::cout, std::cerr);
                },
                import.json);
        return runScript(options, scriptFile);
    }());
}

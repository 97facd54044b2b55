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
#include "platform/durable_file.h"
#include "qtcore/qsettings_store.h"
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
    // Each store is written even when the other cannot be.
    for (kugel::QSettingsStore* store : {settings.get(), toolSettings.get()}) {
        try {
            store->flush();
        } catch (const kugel::FileError& e) {
            std::cerr << "kugelmeister-cli: " << e.what() << '\n';
            if (status == 0) status = kugel::cli::kExitDataError;
        }
    }
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

// The command line: the options every command shares, each command's own,
// and which command was given.
struct CommandLine {
    kugel::cli::GlobalOptions options;
    std::string scriptFile;
    bool json = false;  // odds, update and show
    std::optional<std::string> showDate;
    kugel::cli::CheckOptions check;
    kugel::cli::CalcOptions calc;
    kugel::cli::StatsOptions stats;
    std::string exportFile;
    std::string importFile;
    kugel::cli::ImportOptions import;
    std::string dateFormat = "iso";

    CLI::App* script = nullptr;
    CLI::App* odds = nullptr;
    CLI::App* update = nullptr;
    CLI::App* show = nullptr;
    CLI::App* checkCommand = nullptr;
    CLI::App* calcCommand = nullptr;
    CLI::App* statsCommand = nullptr;
    CLI::App* exportCsv = nullptr;
    CLI::App* importCsv = nullptr;
};

void addGlobalOptions(CLI::App& cli, kugel::cli::GlobalOptions& options) {
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
}

// The commands in the order the help lists them.
void addCommands(CLI::App& cli, CommandLine& c) {
    c.script = cli.add_subcommand("script", "runs a script (FILE \"-\": standard input)");
    c.script->fallthrough();
    c.script->add_option("FILE", c.scriptFile, "the script")->required();

    c.odds = cli.add_subcommand("odds", "prints the prize divisions and their chances");
    c.odds->add_flag("--json", c.json, "one line of JSON instead of a table");

    c.update = cli.add_subcommand("update",
                                  "downloads the new draws into the history, as the window does");
    c.update->add_flag("--json", c.json, "JSON instead of text");

    c.show = cli.add_subcommand("show", "prints the draw on or after DATE (default: the newest)");
    c.show->add_option("DATE", c.showDate, "YYYY-MM-DD");
    c.show->add_flag("--json", c.json, "JSON instead of text");

    c.checkCommand = cli.add_subcommand(
        "check", "checks the rows of a tip file against one draw or every stored draw");
    c.checkCommand->add_option("FILE", c.check.file, "the tip file (.qlt)")->required();
    auto* checkDate = c.checkCommand->add_option("--date", c.check.date,
                                                 "the draw on or after DATE (default: the newest)");
    c.checkCommand->add_flag("--all", c.check.all, "every stored draw")->excludes(checkDate);
    c.checkCommand->add_flag("--json", c.check.json, "JSON instead of text");
    c.checkCommand->add_option(
        "--calculated", c.check.calculatedUntil,
        "with --all: the newest draw the ticket was calculated from "
        "(YYYY-MM-DD; default: the day a name yyyymmdd.qlt is for, less one)");

    c.calcCommand = cli.add_subcommand("calc", "calculates a ticket as \"Tipps berechnen\" does");
    c.calcCommand->add_option("--rows", c.calc.rows, "rows to calculate (1..12; default: stored)");
    c.calcCommand->add_option("--lucky", c.calc.lucky,
                              "the lucky number (1..99999999): the same number, the same ticket");
    c.calcCommand->add_option("--settings", c.calc.settingsFile,
                              "the settings to calculate with, an INI file");
    c.calcCommand->add_option("-o,--output", c.calc.output,
                              "saves the ticket to this tip file (.qlt)");
    c.calcCommand->add_flag("--json", c.calc.json, "JSON instead of text");

    c.statsCommand = cli.add_subcommand("stats", "a statistic of the stored draws as a table");
    c.statsCommand
        ->add_option("KIND", c.stats.kind, "freq|outstanding|powerball|sums|pairs|triples|quads")
        ->required()
        ->check(CLI::IsMember(
            {"freq", "outstanding", "powerball", "sums", "pairs", "triples", "quads"}));
    c.statsCommand->add_option("--from", c.stats.from,
                               "the period's first day, YYYY-MM-DD: a draw on that day counts for "
                               "freq and the Powerball counts, and not for outstanding, sums, "
                               "pairs, triples, quads and the Powerball's outstanding, as in the "
                               "charts");
    c.statsCommand->add_option("--to", c.stats.to, "last day counted, YYYY-MM-DD");
    c.statsCommand->add_flag("--json", c.stats.json, "JSON instead of text");

    CLI::App* exportCommand = cli.add_subcommand("export", "writes the history in another format");
    exportCommand->require_subcommand(1);
    c.exportCsv = exportCommand->add_subcommand(
        "csv", "the history as CSV (date,n1,n2,n3,n4,n5,n6,pb,extra) to FILE or standard output");
    c.exportCsv->add_option("FILE", c.exportFile, "the CSV file (default: standard output)");

    CLI::App* importCommand =
        cli.add_subcommand("import", "replaces the history from another format");
    importCommand->require_subcommand(1);
    c.importCsv = importCommand->add_subcommand(
        "csv", "replaces the history with the draws of a CSV file; any bad line: nothing written");
    c.importCsv->add_option("FILE", c.importFile, "the CSV file (\"-\": standard input)")
        ->required();
    c.importCsv->add_flag("--dry-run", c.import.dryRun, "checks the file and writes nothing");
    c.importCsv->add_flag("--json", c.import.json, "JSON instead of text");
    c.importCsv
        ->add_option("--date-format", c.dateFormat,
                     "how the dates are written: iso (YYYY-MM-DD or YYYYMMDD, the default), dmy "
                     "(D/M/YYYY) or mdy (M/D/YYYY); never guessed")
        ->check(CLI::IsMember({"iso", "dmy", "mdy"}));
}

// Runs the command that was parsed and returns its exit status.
int runParsedCommand(CommandLine& c) {
    using namespace kugel::cli;
    if (c.odds->parsed()) {
        printOdds(std::cout, c.json);
        return kExitSuccess;
    }
    if (c.update->parsed())
        return runCommand([&] { return updateHistory(c.options, c.json, std::cout); }, c.json);
    if (c.show->parsed())
        return runCommand([&] { return showDraw(c.options, c.showDate, c.json, std::cout); },
                          c.json);
    if (c.checkCommand->parsed())
        return runCommand([&] { return checkTicket(c.options, c.check, std::cout); }, c.check.json);
    if (c.calcCommand->parsed())
        return runCommand([&] { return calculateTicket(c.options, c.calc, std::cout); },
                          c.calc.json);
    if (c.statsCommand->parsed())
        return runCommand([&] { return printStatistics(c.options, c.stats, std::cout); },
                          c.stats.json);
    if (c.exportCsv->parsed())
        return runCommand([&] { return exportCsv(c.options, c.exportFile, std::cout); }, false);
    if (c.importCsv->parsed())
        return runCommand(
            [&] {
                c.import.dates = c.dateFormat == "dmy"   ? kugel::CsvDateFormat::DayMonthYear
                                 : c.dateFormat == "mdy" ? kugel::CsvDateFormat::MonthDayYear
                                                         : kugel::CsvDateFormat::Iso;
                return importCsv(c.options, c.importFile, c.import, std::cout, std::cerr);
            },
            c.import.json);
    return runScript(c.options, c.scriptFile);
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
    CommandLine c;
    addGlobalOptions(cli, c.options);
    addCommands(cli, c);
    try {
        cli.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return cli.exit(e);
    } catch (const CLI::ParseError& e) {
        cli.exit(e);
        return kugel::cli::kExitUsage;
    }
    return checkOutputWritten(runParsedCommand(c));
}

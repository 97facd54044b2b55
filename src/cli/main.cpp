// kugelmeister-cli: runs the program's model from a script of control-level
// commands, answering its dialogs from the script and printing what it shows.

#include <CLI/CLI.hpp>

#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "cli/odds_command.h"
#include "cli/script.h"
#include "cli/script_runner.h"
#include "cli/system_locale.h"
#include "controls/value_text.h"
#include "generation/tip_calculation.h"
#include "model/main_window.h"
#include "net/curl_http_client.h"
#include "platform/dates.h"
#include "platform/scripted_platform.h"
#include "qt/qsettings_store.h"
#include "shell/application.h"

namespace {

constexpr int kExitScriptError = 2;
constexpr int kExitNoAnswer = 3;

struct Options {
    std::string home;
    std::string settingsFile;
    std::string toolSettingsFile;
    std::optional<std::string> server;
    std::optional<std::string> today;
    std::optional<std::uint64_t> clock;
    int parallelRequests = 1;
    std::string script;
};

std::string executableDirectory() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path().string();
    return exe.parent_path().string();
}

double realToday() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return kugel::encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).value_or(0);
}

std::uint64_t realClock() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// A store file the option names exists from the start, even when the run
// writes nothing into it.
std::unique_ptr<kugel::QSettingsStore> iniStore(const std::string& path, const std::string& group) {
    if (!std::filesystem::exists(path)) std::ofstream(path, std::ios::app);
    return kugel::QSettingsStore::iniFile(path, group);
}

std::vector<kugel::cli::Command> readScript(const std::string& file) {
    if (file == "-") return kugel::cli::parseScript(std::cin);
    std::ifstream in(file, std::ios::binary);
    if (!in) throw kugel::cli::ScriptError{0, "the script cannot be read"};
    return kugel::cli::parseScript(in);
}

int run(const Options& options) {
    std::vector<kugel::cli::Command> commands;
    try {
        commands = readScript(options.script);
    } catch (const kugel::cli::ScriptError& e) {
        std::cerr << "kugelmeister-cli: " << options.script;
        if (e.line > 0) std::cerr << ':' << e.line;
        std::cerr << ": " << e.message << '\n';
        return kExitScriptError;
    }

    double today = realToday();
    if (options.today) {
        const auto day =
            options.today->size() == 10 ? kugel::parseDayValue(*options.today) : std::nullopt;
        if (!day) {
            std::cerr << "kugelmeister-cli: --today expects YYYY-MM-DD, got " << *options.today
                      << '\n';
            return kExitScriptError;
        }
        today = *day;
    }

    std::unique_ptr<kugel::QSettingsStore> settings = options.settingsFile.empty()
                                                          ? kugel::QSettingsStore::programStore()
                                                          : iniStore(options.settingsFile, {});
    std::unique_ptr<kugel::QSettingsStore> toolSettings =
        options.toolSettingsFile.empty() ? kugel::QSettingsStore::automationToolStore()
                                         : iniStore(options.toolSettingsFile, "Settings");

    kugel::ScriptedPlatform platform(std::cout);
    platform.setStopAtFirstUnanswered(true);
    platform.setProgramDirectory(options.home.empty() ? executableDirectory() : options.home);
    platform.setToday(today);
    platform.setClock(options.clock ? *options.clock : realClock());
    platform.setLocale(kugel::cli::environmentLocale());
    platform.setSettings(settings.get());
    platform.setToolSettings(toolSettings.get());
    platform.http = [](const kugel::HttpRequest& request) { return kugel::curlHttpGet(request); };
    // One request at a time unless asked: then a script's request lines
    // replay exactly, whatever the server's timing.
    if (options.parallelRequests > 1) {
        platform.parallelHttp = [n = options.parallelRequests] {
            return kugel::curlRequestQueue(n);
        };
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
        std::cerr << "kugelmeister-cli: " << options.script << ':' << e.line << ": " << e.message
                  << '\n';
        status = kExitScriptError;
    } catch (const kugel::NoAnswerError& e) {
        std::cout.flush();
        std::cerr << "kugelmeister-cli: " << options.script << ':' << runner.currentLine() << ": "
                  << e.what() << '\n';
        status = kExitNoAnswer;
    }
    std::cout.flush();
    settings->flush();
    toolSettings->flush();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App cli{"Runs Kugelmeister without windows from a script of control-level commands."};
    cli.name("kugelmeister-cli");
    cli.require_subcommand(1);
    Options options;
    cli.add_option("--home", options.home, "the program's directory (default: the executable's)");
    cli.add_option("--settings", options.settingsFile, "the program's settings as an INI file");
    cli.add_option("--tool-settings", options.toolSettingsFile,
                   "the automation tool's settings as an INI file");
    cli.add_option("--server", options.server, "base address of the vendor's web server");
    cli.add_option("--today", options.today, "today's date, YYYY-MM-DD");
    cli.add_option("--clock", options.clock, "the value of the high-resolution clock");
    cli.add_option("--parallel-requests", options.parallelRequests,
                   "requests of a results update in flight at once (1..6)")
        ->check(CLI::Range(1, 6));
    CLI::App* script = cli.add_subcommand("script", "runs a script (FILE \"-\": standard input)");
    script->fallthrough();
    script->add_option("FILE", options.script, "the script")->required();
    bool oddsAsJson = false;
    CLI::App* odds = cli.add_subcommand("odds", "prints the prize divisions and their chances");
    odds->add_flag("--json", oddsAsJson, "one line of JSON instead of a table");

    try {
        cli.parse(argc, argv);
    } catch (const CLI::Success& e) {
        return cli.exit(e);
    } catch (const CLI::ParseError& e) {
        cli.exit(e);
        return kExitScriptError;
    }
    if (odds->parsed()) {
        kugel::cli::printOdds(std::cout, oddsAsJson);
        return 0;
    }
    return run(options);
}

#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "scripted/scripted_platform.h"

namespace kugel {
class Application;
class QSettingsStore;
class TForm1;
}  // namespace kugel

namespace kugel::cli {

// Exit statuses of every command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitDataError = 3;

// A command line that makes no sense (exit 2).
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
// Data that cannot be read, used or written (exit 3).
class DataError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The options that come before the command.
struct GlobalOptions {
    std::string home;
    std::string settingsFile;
    std::string toolSettingsFile;
    std::optional<std::string> server;
    std::optional<std::string> today;
    std::optional<std::uint64_t> clock;
    // Unset: the default of the command (the window's six for the commands for
    // people, one for the script driver, whose request lines must replay).
    std::optional<int> parallelRequests;
    bool noProgress = false;
};

// Requests in flight of the commands for people: what the window keeps.
inline constexpr int kCommandParallelRequests = 6;

// A date given on the command line: YYYY-MM-DD. Throws UsageError naming the option.
double parseDateOption(const std::string& option, const std::string& text);

// The program as a command for people runs it: the same forms and handlers
// as the window, on a platform that answers no dialog by itself. A message
// box the program shows is an error of the command; it is kept and written
// to standard error, never answered from a script.
// What the script driver would print of the program's doings goes nowhere
// here; it is made before the platform that writes to it.
struct DiscardedOutput {
    std::ostream discarded{nullptr};
};

class CommandPlatform : private DiscardedOutput, public ScriptedPlatform {
  public:
    CommandPlatform();
    using ScriptedPlatform::messageBox;
    DialogResult messageBox(const std::string& caption, const std::string& text,
                            MessageButtons buttons, DialogResult defaultButton) override;
    const std::vector<std::string>& messages() const { return messages_; }

  private:
    std::vector<std::string> messages_;
};

class Session {
  public:
    explicit Session(const GlobalOptions& options);  // throws UsageError
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    CommandPlatform& platform() { return platform_; }
    Application& app() { return *app_; }
    TForm1& form();

    // The start without the results update (the update is a command of its own).
    void prepare();
    // Runs a handler of the main window as the user's click does.
    void invoke(const std::string& handler);
    // Throws DataError with the first message the program showed. The
    // program's settings are never saved: a command changes none on purpose.
    void failOnMessages() const;

  private:
    // The commands for people speak the language of the user's locale
    // (LC_ALL, LC_MESSAGES, LANG), English for the C locale.
    void speakTheUsersLanguage();

    CommandPlatform platform_;
    std::unique_ptr<QSettingsStore> settings_;
    std::unique_ptr<QSettingsStore> toolSettings_;
    std::unique_ptr<Application> app_;
};

// Configures a platform from the global options, for the script driver and
// the commands alike. Throws UsageError for a bad option.
void configurePlatform(ScriptedPlatform& platform, const GlobalOptions& options,
                       int defaultParallelRequests, std::unique_ptr<QSettingsStore>& settings,
                       std::unique_ptr<QSettingsStore>& toolSettings);

}  // namespace kugel::cli

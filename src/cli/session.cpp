#include "cli/session.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string_view>

#include "cli/system_locale.h"
#include "controls/value_text.h"
#include "generation/tip_calculation.h"
#include "model/language_menu.h"
#include "model/main_window.h"
#include "net/curl_http_client.h"
#include "platform/dates.h"
#include "platform/program_home.h"
#include "qtcore/program_home.h"
#include "qtcore/qsettings_store.h"
#include "shell/application.h"
#include "shell/language.h"
#include "shell/startup.h"

namespace kugel::cli {
namespace {

// The language of the user's messages, as the C library chooses it.
std::string_view messagesLocaleName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value) return value;
    return {};
}

double realToday() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).value_or(0);
}

std::uint64_t realClock() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

// A store file the option names exists from the start, even when the run
// writes nothing into it.
std::unique_ptr<QSettingsStore> iniStore(const std::string& path, const std::string& group) {
    if (!std::filesystem::exists(path)) std::ofstream(path, std::ios::app);
    return QSettingsStore::iniFile(path, group);
}

}  // namespace

double parseDateOption(const std::string& option, const std::string& text) {
    const auto day = text.size() == 10 ? parseDayValue(text) : std::nullopt;
    if (!day) throw UsageError(option + " expects YYYY-MM-DD, got " + text);
    return *day;
}

void configurePlatform(ScriptedPlatform& platform, const GlobalOptions& options,
                       int defaultParallelRequests, std::unique_ptr<QSettingsStore>& settings,
                       std::unique_ptr<QSettingsStore>& toolSettings) {
    const double today = options.today ? parseDateOption("--today", *options.today) : realToday();
    settings = options.settingsFile.empty() ? QSettingsStore::programStore()
                                            : iniStore(options.settingsFile, {});
    toolSettings = options.toolSettingsFile.empty()
                       ? QSettingsStore::automationToolStore()
                       : iniStore(options.toolSettingsFile, "Settings");
    platform.setProgramDirectory(options.home.empty() ? programHome() : options.home);
    platform.setToday(today);
    platform.setClock(options.clock ? *options.clock : realClock());
    platform.setLocale(environmentLocale());
    platform.setSettings(settings.get());
    platform.setToolSettings(toolSettings.get());
    platform.http = [](const HttpRequest& request) { return curlHttpGet(request); };
    const int inFlight = options.parallelRequests.value_or(defaultParallelRequests);
    if (inFlight > 1) platform.parallelHttp = [inFlight] { return curlRequestQueue(inFlight); };
}

CommandPlatform::CommandPlatform() : ScriptedPlatform(discarded) {}

DialogResult CommandPlatform::messageBox(const std::string& caption, const std::string& text,
                                         MessageButtons buttons, DialogResult defaultButton) {
    (void)caption;
    (void)defaultButton;
    messages_.push_back(text);
    // A question is answered with its safe side: nothing is deleted or
    // overwritten without a person saying so.
    return buttons == MessageButtons::Ok ? DialogResult::Ok : DialogResult::No;
}

Session::Session(const GlobalOptions& options) {
    configurePlatform(platform_, options, kCommandParallelRequests, settings_, toolSettings_);
    app_ = std::make_unique<Application>(platform_);
    if (options.server) app_->form1().serverOverride = *options.server;
}

Session::~Session() = default;

TForm1& Session::form() {
    return app_->form1();
}

void Session::prepare() {
    // Without the activation: it would show the newest draw, and with no
    // history yet that is a message box and an empty history file.
    app_->userAction([this] { prepareMainWindow(app_->form1()); });
    speakTheUsersLanguage();
    failOnMessages();
}

void Session::speakTheUsersLanguage() {
    const Language& language = languageOfLocaleName(messagesLocaleName());
    if (language.number == 1) return;  // the program's own texts are German
    TForm1& form = app_->form1();
    // A program directory without language files (a bare --home) takes them
    // from where the program's shipped files lie.
    app_->userAction([&] {
        if (!applyLanguageFrom(form, language, form.Home))
            applyLanguageFrom(form, language,
                              shippedFilesDirectory(executableDirectory()).string());
    });
}

void Session::invoke(const std::string& handler) {
    app_->invoke(app_->form1(), handler, &app_->form1());
}

void Session::failOnMessages() const {
    if (!platform_.messages().empty()) throw DataError(platform_.messages().front());
}

}  // namespace kugel::cli

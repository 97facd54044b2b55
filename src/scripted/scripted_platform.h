#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

#include "platform/platform.h"

namespace kugel {

// No answer was queued for a dialog that appeared.
class NoAnswerError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Settings kept in memory (tests; the driver without a settings file).
class MemorySettingsStore : public SettingsStore {
  public:
    bool contains(const std::string& name) const override;
    std::optional<int> readInt(const std::string& name) const override;
    std::optional<std::string> readString(const std::string& name) const override;
    std::optional<std::string> readBinary(const std::string& name) const override;
    void writeInt(const std::string& name, int value) override;
    void writeString(const std::string& name, const std::string& value) override;
    void writeBinary(const std::string& name, const std::string& bytes) override;
    void flush() override {}
    // Kept in memory only, so there is no place to name.
    std::optional<std::string> keepDamagedCopy() override {
        damagedCopy = values;
        return std::nullopt;
    }

    std::map<std::string, std::string> values;  // ints as decimal text
    std::optional<std::map<std::string, std::string>> damagedCopy;
};

// A Platform played from a script: dialog answers come from a queue, and
// everything the program shows is printed as one line per event. Used by
// the headless driver and by the tests.
class ScriptedPlatform : public Platform {
  public:
    struct Answer {
        // Default: whichever button the box has as its default.
        enum class Kind { Button, Text, File, Cancel, Default } kind = Kind::Button;
        DialogResult button = DialogResult::Ok;
        std::string text;
    };

    explicit ScriptedPlatform(std::ostream& out);

    // ---- script side
    void queueAnswer(Answer answer) { answers_.push_back(std::move(answer)); }
    std::size_t queuedAnswers() const { return answers_.size(); }
    void clearAnswers() { answers_.clear(); }
    // Called for each modal showing; returns the modal result.
    std::function<int(Form&)> onShowModal;
    // Called each time the program handles pending events.
    std::function<void()> onProcessEvents;
    // Performs HTTP requests (the real client in the driver).
    std::function<HttpResponse(const HttpRequest&)> http;
    // Makes a queue that keeps several requests in flight (the driver's
    // --parallel-requests); without one, requests go out one at a time.
    // Either way each request is printed when its answer is taken.
    std::function<std::unique_ptr<HttpRequestQueue>()> parallelHttp;
    // A desktop without a program for what is opened (shell open answers
    // false), and a printer that refuses every job.
    bool nothingOpens = false;
    bool printerRefuses = false;
    void setToday(double day) { today_ = day; }
    void setClock(std::uint64_t ticks) { clock_ = ticks; }
    void setProgramDirectory(std::string dir) { programDirectory_ = std::move(dir); }
    void setLocale(LocaleInfo locale) { locale_ = std::move(locale); }
    void setSettings(SettingsStore* store) { settings_ = store; }
    void setToolSettings(SettingsStore* store) { toolSettings_ = store; }
    bool busy() const { return busyDepth_ > 0; }
    // The first dialog that found no answer, if any.
    const std::optional<std::string>& unanswered() const { return unanswered_; }
    // Records the dialog as unanswered and throws NoAnswerError.
    [[noreturn]] void failNoAnswer(const std::string& dialog);
    // After the first unanswered dialog every further dialog fails at once,
    // unprinted: the program's own error box about the failure is not shown.
    // The driver stops at the first missing answer this way.
    void setStopAtFirstUnanswered(bool on) { stopAtFirstUnanswered_ = on; }
    int processEventsCount() const { return processEventsCount_; }
    // The locale name of the language the program chose last; empty before.
    const std::string& language() const { return language_; }

    // ---- Platform
    using Platform::messageBox;
    DialogResult messageBox(const std::string& caption, const std::string& text,
                            MessageButtons buttons, DialogResult defaultButton) override;
    std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& defaultText) override;
    std::optional<std::string> openFileDialog(const std::string& filter,
                                              const std::string& proposedFile,
                                              const std::string& defaultExt) override;
    std::optional<std::string> saveFileDialog(const std::string& filter,
                                              const std::string& proposedFile,
                                              const std::string& defaultExt) override;
    DialogResult showModal(Form& form) override;
    // Prints the window's caption and every line its text controls show.
    void showWindow(Form& form) override;
    void processEvents() override;
    void setBusyCursor(bool busy) override;
    bool shellOpen(const std::string& target) override;
    void startProgram(const std::string& program, const std::string& parameters) override;
    void playSoundAsync(const std::string& file) override;
    PrintResult print(const PrintJob& job) override;
    HttpResponse httpGet(const HttpRequest& request) override;
    std::unique_ptr<HttpRequestQueue> httpRequestQueue() override;
    SettingsStore& settings() override { return *settings_; }
    SettingsStore& toolSettings() override { return *toolSettings_; }
    std::string programDirectory() override { return programDirectory_; }
    double today() override { return today_; }
    double now() override { return today_; }
    std::uint64_t clockTicks() override { return clock_; }
    const LocaleInfo& locale() override { return locale_; }
    void sleepMs(int) override {}
    void languageChanged(const std::string& locale) override { language_ = locale; }

    // The C locale: English weekday abbreviations, MM/dd/yy.
    static LocaleInfo cLocale();

    // Prints the request line for a request and its answer.
    void printRequest(const HttpRequest& request, const HttpResponse& response);

  private:
    Answer takeAnswer(const std::string& dialog);
    // Throws again when stopped at an earlier unanswered dialog.
    void checkStopped() const;
    std::optional<std::string> fileDialog(const char* kind, const std::string& filter,
                                          const std::string& proposedFile);

    std::ostream& out_;
    std::deque<Answer> answers_;
    MemorySettingsStore ownSettings_;
    MemorySettingsStore ownToolSettings_;
    SettingsStore* settings_ = &ownSettings_;
    SettingsStore* toolSettings_ = &ownToolSettings_;
    double today_ = 0;
    std::uint64_t clock_ = 0;
    std::string programDirectory_ = ".";
    LocaleInfo locale_ = cLocale();
    int busyDepth_ = 0;
    int processEventsCount_ = 0;
    std::optional<std::string> unanswered_;
    bool stopAtFirstUnanswered_ = false;
    std::string language_;
};

}  // namespace kugel

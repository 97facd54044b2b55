#pragma once

#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "qtcore/qsettings_store.h"

namespace kugel {

// The Platform of the desktop program: Qt dialogs, the Qt event loop,
// QSettings, QSoundEffect, the desktop shell and the curl HTTP client.
// Handles the window's pending events for a job that hands control over:
// repaints, input, a click on the stop button. At most every 15 ms; calls in
// between return at once.
void handlePendingEvents();

class QtPlatform : public Platform {
  public:
    explicit QtPlatform(std::string programDirectory);
    ~QtPlatform() override;

    // The view shows the dialog forms; it registers itself here once built.
    void setModalShower(std::function<DialogResult(Form&)> shower) {
        modalShower_ = std::move(shower);
    }
    void setWindowShower(std::function<void(Form&)> shower) { windowShower_ = std::move(shower); }

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
    void showWindow(Form& form) override;
    void processEvents() override;
    void setBusyCursor(bool busy) override;
    bool shellOpen(const std::string& target) override;
    void startProgram(const std::string& program, const std::string& parameters) override;
    void playSoundAsync(const std::string& file) override;
    PrintResult print(const PrintJob& job) override;
    HttpResponse httpGet(const HttpRequest& request) override;
    std::unique_ptr<HttpRequestQueue> httpRequestQueue() override;
    SettingsStore& settings() override;
    SettingsStore& toolSettings() override;
    std::string programDirectory() override { return programDirectory_; }
    double today() override;
    double now() override;
    std::uint64_t clockTicks() override;
    const LocaleInfo& locale() override { return locale_; }
    void sleepMs(int ms) override;
    void languageChanged(const std::string& locale) override;

  private:
    std::optional<std::string> fileDialog(bool save, const std::string& filter,
                                          const std::string& proposedFile,
                                          const std::string& defaultExt);

    std::string programDirectory_;
    std::function<DialogResult(Form&)> modalShower_;
    std::function<void(Form&)> windowShower_;
    std::unique_ptr<QSettingsStore> settings_;
    std::unique_ptr<QSettingsStore> toolSettings_;
    LocaleInfo locale_;
    int busyDepth_ = 0;
};

}  // namespace kugel

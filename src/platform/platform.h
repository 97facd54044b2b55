#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_result.h"
#include "platform/print_job.h"

namespace kugel {

class Form;

enum class MessageButtons { Ok, YesNo };

struct HttpRequest {
    std::string url;                                         // without query
    std::vector<std::pair<std::string, std::string>> query;  // URL-encoded by the client
    std::string userAgent;
    std::string accept;
    bool cookies = true;
    int connectTimeoutMs = 5000;
    int readTimeoutMs = 5000;  // since the last byte received
    // The whole request, however its bytes trickle in: a read time-out alone
    // restarts with every byte and would let a slow server hold it for ever.
    int totalTimeoutMs = 30000;
    int maxRedirects = 15;
    std::string proxyHost;  // empty: no proxy
    int proxyPort = 80;
    // Asked while the request waits (the user's clicks are being handled
    // meanwhile); true gives the request up at once.
    std::function<bool()> abandon;
};

// Why a request got no answer, as far as the user can act on it.
enum class HttpFailure {
    None,
    HostUnknown,   // the server's (or the proxy's) name does not resolve
    NoConnection,  // refused or unreachable
    TimedOut,      // no connection or no data within the time-outs
    BrokenOff,     // the connection ended before a whole answer arrived
    Abandoned,     // given up on the caller's request
    Other
};

struct HttpResponse {
    bool answered = false;  // false: no connection, time-out, unknown host...
    HttpFailure failure = HttpFailure::None;
    int statusCode = 0;
    std::string statusLine;              // "HTTP/1.1 200 OK"
    std::string body;                    // decoded to UTF-8 from the ANSI code page
    std::string bytes;                   // the body exactly as received
    std::optional<double> lastModified;  // day value
    std::string error;                   // why there was no answer
};

// Requests that wait for their answers together, as many at once as the
// queue allows; answers are taken strictly in the order the requests were
// sent. Requests not taken when the queue goes are given up.
class HttpRequestQueue {
  public:
    virtual ~HttpRequestQueue() = default;
    // How many requests may wait for their answers at once.
    virtual int capacity() const = 0;
    virtual void send(const HttpRequest& request) = 0;
    // The answer to the oldest request not taken yet, once it is complete.
    virtual HttpResponse takeNext() = 0;
};

// The user's locale as far as the program formats dates with it.
struct LocaleInfo {
    std::array<std::string, 7> shortDayNames;  // Sunday first
    std::string shortDateFormat;               // e.g. "dd.MM.yyyy", "MM/dd/yy"
    std::string decimalSeparator = ".";        // "," in German
};

// The persistent settings store: named values at one level.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual bool contains(const std::string& name) const = 0;
    virtual std::optional<int> readInt(const std::string& name) const = 0;
    virtual std::optional<std::string> readString(const std::string& name) const = 0;
    virtual std::optional<std::string> readBinary(const std::string& name) const = 0;
    virtual void writeInt(const std::string& name, int value) = 0;
    virtual void writeString(const std::string& name, const std::string& value) = 0;
    virtual void writeBinary(const std::string& name, const std::string& bytes) = 0;
    virtual void flush() = 0;
    // Copies the store as it is now beside it, replacing the copy made at an
    // earlier time, so that a damaged store can still be looked into; returns
    // where the copy is, or nothing when this store cannot be copied.
    virtual std::optional<std::string> keepDamagedCopy() { return std::nullopt; }
};

// Everything outside the model: dialogs, the event loop, the clock, the
// network, the shell, sound and the settings store. The desktop program
// implements it with Qt; tests and the headless driver with a script.
class Platform {
  public:
    virtual ~Platform() = default;

    // A message box whose default button (the one Enter presses) is
    // `defaultButton`: Yes or No for a question, OK otherwise.
    virtual DialogResult messageBox(const std::string& caption, const std::string& text,
                                    MessageButtons buttons, DialogResult defaultButton) = 0;
    // With the first button as the default: Yes for a question, else OK.
    DialogResult messageBox(const std::string& caption, const std::string& text,
                            MessageButtons buttons) {
        return messageBox(caption, text, buttons,
                          buttons == MessageButtons::YesNo ? DialogResult::Yes : DialogResult::Ok);
    }
    virtual std::optional<std::string> inputBox(const std::string& caption,
                                                const std::string& prompt,
                                                const std::string& defaultText) = 0;
    virtual std::optional<std::string> openFileDialog(const std::string& filter,
                                                      const std::string& proposedFile,
                                                      const std::string& defaultExt) = 0;
    virtual std::optional<std::string> saveFileDialog(const std::string& filter,
                                                      const std::string& proposedFile,
                                                      const std::string& defaultExt) = 0;
    // Shows a dialog form modally and returns its modal result.
    virtual DialogResult showModal(Form& form) = 0;
    // Shows a form beside the main window and returns at once.
    virtual void showWindow(Form& form) = 0;

    // Lets the user's pending clicks and repaints through.
    virtual void processEvents() = 0;
    virtual void setBusyCursor(bool busy) = 0;

    // Opens a file or web address with the desktop's program for it; false
    // when nothing on this desktop opened it.
    virtual bool shellOpen(const std::string& target) = 0;
    virtual void startProgram(const std::string& program, const std::string& parameters) = 0;
    virtual void playSoundAsync(const std::string& file) = 0;
    // Offers the pages to the user for printing (the desktop shows a print
    // preview from which the user prints or saves a PDF, or gives up).
    virtual PrintResult print(const PrintJob& job) = 0;

    virtual HttpResponse httpGet(const HttpRequest& request) = 0;
    // A queue for a series of requests. By default one request at a time:
    // each goes out through httpGet only when its answer is taken.
    virtual std::unique_ptr<HttpRequestQueue> httpRequestQueue();

    virtual SettingsStore& settings() = 0;
    virtual SettingsStore& toolSettings() = 0;

    // The directory the program's files live in (history, land/, Tipps/ ...).
    virtual std::string programDirectory() = 0;

    virtual double today() = 0;              // day value, whole
    virtual double now() = 0;                // day value with time
    virtual std::uint64_t clockTicks() = 0;  // high-resolution clock
    virtual const LocaleInfo& locale() = 0;
    virtual void sleepMs(int ms) = 0;

    // The language the program's texts are in from now on, as a locale name
    // ("de", "en", "pt_PT", "zh_CN"): the desktop's own dialogs and buttons
    // follow it. Without such dialogs there is nothing to do.
    virtual void languageChanged(const std::string& locale) { (void)locale; }
};

}  // namespace kugel

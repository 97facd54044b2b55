#include "scripted/scripted_platform.h"

#include <cctype>
#include <cstdio>
#include <deque>

#include "controls/form.h"
#include "controls/value_text.h"

namespace kugel {

// ---------------------------------------------------------------- settings

bool MemorySettingsStore::contains(const std::string& name) const {
    return values.count(name) > 0;
}

std::optional<int> MemorySettingsStore::readInt(const std::string& name) const {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    try {
        return std::stoi(it->second);
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<std::string> MemorySettingsStore::readString(const std::string& name) const {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

std::optional<std::string> MemorySettingsStore::readBinary(const std::string& name) const {
    return readString(name);
}

void MemorySettingsStore::writeInt(const std::string& name, int value) {
    values[name] = std::to_string(value);
}

void MemorySettingsStore::writeString(const std::string& name, const std::string& value) {
    values[name] = value;
}

void MemorySettingsStore::writeBinary(const std::string& name, const std::string& bytes) {
    values[name] = bytes;
}

// ---------------------------------------------------------------- platform

LocaleInfo ScriptedPlatform::cLocale() {
    return {{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}, "MM/dd/yy", "."};
}

ScriptedPlatform::ScriptedPlatform(std::ostream& out) : out_(out) {}

void ScriptedPlatform::failNoAnswer(const std::string& dialog) {
    const std::string message = "no answer queued for " + dialog;
    if (!unanswered_) unanswered_ = message;
    throw NoAnswerError(message);
}

void ScriptedPlatform::checkStopped() const {
    if (stopAtFirstUnanswered_ && unanswered_) throw NoAnswerError(*unanswered_);
}

ScriptedPlatform::Answer ScriptedPlatform::takeAnswer(const std::string& dialog) {
    if (answers_.empty()) failNoAnswer(dialog);
    Answer a = std::move(answers_.front());
    answers_.pop_front();
    return a;
}

namespace {
std::string urlEncode(const std::string& s) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            out += ch;
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

const char* buttonName(DialogResult r) {
    switch (r) {
        case DialogResult::Yes:
            return "yes";
        case DialogResult::No:
            return "no";
        case DialogResult::Cancel:
            return "cancel";
        default:
            return "ok";
    }
}
}  // namespace

DialogResult ScriptedPlatform::messageBox(const std::string& caption, const std::string& text,
                                          MessageButtons buttons, DialogResult defaultButton) {
    checkStopped();
    out_ << "messagebox " << quoted(caption) << ' ' << quoted(text) << " -> " << std::flush;
    Answer a;
    try {
        a = takeAnswer("messagebox " + quoted(caption) + " " + quoted(text));
    } catch (...) {
        out_ << "(no answer)\n";
        throw;
    }
    DialogResult r = a.kind == Answer::Kind::Cancel    ? DialogResult::Cancel
                     : a.kind == Answer::Kind::Default ? defaultButton
                                                       : a.button;
    // A box with only OK can end with OK alone, whatever was queued.
    if (buttons == MessageButtons::Ok) r = DialogResult::Ok;
    out_ << buttonName(r) << '\n';
    return r;
}

std::optional<std::string> ScriptedPlatform::inputBox(const std::string& caption,
                                                      const std::string& prompt,
                                                      const std::string& defaultText) {
    checkStopped();
    out_ << "inputbox " << quoted(caption) << ' ' << quoted(prompt) << ' ' << quoted(defaultText)
         << " -> " << std::flush;
    Answer a;
    try {
        a = takeAnswer("inputbox " + quoted(caption));
    } catch (...) {
        out_ << "(no answer)\n";
        throw;
    }
    if (a.kind == Answer::Kind::Text) {
        out_ << quoted(a.text) << '\n';
        return a.text;
    }
    // An input box's default button is OK: it takes the text proposed.
    if ((a.kind == Answer::Kind::Button && a.button == DialogResult::Ok) ||
        a.kind == Answer::Kind::Default) {
        out_ << quoted(defaultText) << '\n';
        return defaultText;
    }
    out_ << "cancel\n";
    return std::nullopt;
}

std::optional<std::string> ScriptedPlatform::fileDialog(const char* kind, const std::string& filter,
                                                        const std::string& proposedFile) {
    checkStopped();
    out_ << kind << ' ' << quoted(filter) << ' ' << quoted(proposedFile) << " -> " << std::flush;
    Answer a;
    try {
        a = takeAnswer(std::string(kind));
    } catch (...) {
        out_ << "(no answer)\n";
        throw;
    }
    if (a.kind == Answer::Kind::File || a.kind == Answer::Kind::Text) {
        out_ << a.text << '\n';
        return a.text;
    }
    out_ << "cancel\n";
    return std::nullopt;
}

std::optional<std::string> ScriptedPlatform::openFileDialog(const std::string& filter,
                                                            const std::string& proposedFile,
                                                            const std::string&) {
    return fileDialog("opendialog", filter, proposedFile);
}

std::optional<std::string> ScriptedPlatform::saveFileDialog(const std::string& filter,
                                                            const std::string& proposedFile,
                                                            const std::string&) {
    return fileDialog("savedialog", filter, proposedFile);
}

DialogResult ScriptedPlatform::showModal(Form& form) {
    checkStopped();
    if (!onShowModal) failNoAnswer("modal " + form.name());
    const int result = onShowModal(form);
    out_ << "modal " << form.name() << " -> " << result << '\n';
    return static_cast<DialogResult>(result);
}

void ScriptedPlatform::showWindow(Form& form) {
    checkStopped();
    out_ << "window " << form.name() << ' ' << quoted(form.caption()) << '\n';
    for (const auto& c : form.components()) {
        if (c->kind() != Kind::Memo || !c->visible()) continue;
        for (const std::string& line : static_cast<const Memo&>(*c).lines())
            out_ << "window " << form.name() << ' ' << quoted(line) << '\n';
    }
}

void ScriptedPlatform::processEvents() {
    ++processEventsCount_;
    if (onProcessEvents) onProcessEvents();
}

void ScriptedPlatform::setBusyCursor(bool busy) {
    busyDepth_ += busy ? 1 : -1;
}

bool ScriptedPlatform::shellOpen(const std::string& target) {
    out_ << "shell open " << escapedToLineEnd(target) << '\n';
    return !nothingOpens;
}

void ScriptedPlatform::startProgram(const std::string& program, const std::string& parameters) {
    out_ << "shell start " << escapedToLineEnd(program) << ' ' << escapedToLineEnd(parameters)
         << '\n';
}

void ScriptedPlatform::playSoundAsync(const std::string& file) {
    out_ << "sound " << file << '\n';
}

namespace {

// Millimetres with one decimal, as the page model places things.
std::string mm(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    return buf;
}

}  // namespace

PrintResult ScriptedPlatform::print(const PrintJob& job) {
    out_ << "printjob " << quoted(job.title) << ' ' << job.pages.size() << ' ' << mm(job.pageWidth)
         << 'x' << mm(job.pageHeight) << '\n';
    for (std::size_t p = 0; p < job.pages.size(); ++p) {
        const PrintPage& page = job.pages[p];
        for (const PrintText& t : page.texts) {
            char size[32];
            std::snprintf(size, sizeof size, "%g", t.font.pointSize);
            out_ << "printtext " << p + 1 << ' ' << mm(t.x) << ' ' << mm(t.top) << ' '
                 << (t.align == PrintAlign::Right ? "right" : "left") << ' '
                 << quoted(t.font.family) << ' ' << size << ' ' << (t.font.bold ? "bold" : "normal")
                 << ' ' << quoted(t.text) << '\n';
        }
        for (const PrintRule& r : page.rules)
            out_ << "printrule " << p + 1 << ' ' << mm(r.x1) << ' ' << mm(r.y) << ' ' << mm(r.x2)
                 << ' ' << mm(r.width) << '\n';
    }
    return printerRefuses ? PrintResult::Failed : PrintResult::Printed;
}

void ScriptedPlatform::printRequest(const HttpRequest& request, const HttpResponse& response) {
    std::string url = request.url;
    // The printed address shows the query as sent, URL-encoded.
    for (std::size_t i = 0; i < request.query.size(); ++i) {
        url += i == 0 ? '?' : '&';
        url += urlEncode(request.query[i].first) + "=" + urlEncode(request.query[i].second);
    }
    out_ << "http GET " << url << " -> "
         << (response.answered ? std::to_string(response.statusCode) : response.error) << '\n';
}

HttpResponse ScriptedPlatform::httpGet(const HttpRequest& request) {
    HttpResponse response;
    if (http)
        response = http(request);
    else
        response.error = "no HTTP client";
    printRequest(request, response);
    return response;
}

namespace {

// Prints each request in the order its answer is taken, so a script's
// output does not depend on which answer happened to arrive first.
class PrintingQueue : public HttpRequestQueue {
  public:
    PrintingQueue(ScriptedPlatform& platform, std::unique_ptr<HttpRequestQueue> inner)
        : platform_(platform), inner_(std::move(inner)) {}
    int capacity() const override { return inner_->capacity(); }
    void send(const HttpRequest& request) override {
        sent_.push_back(request);
        inner_->send(request);
    }
    HttpResponse takeNext() override {
        HttpResponse response = inner_->takeNext();
        if (!sent_.empty()) {
            platform_.printRequest(sent_.front(), response);
            sent_.pop_front();
        }
        return response;
    }

  private:
    ScriptedPlatform& platform_;
    std::unique_ptr<HttpRequestQueue> inner_;
    std::deque<HttpRequest> sent_;
};

}  // namespace

std::unique_ptr<HttpRequestQueue> ScriptedPlatform::httpRequestQueue() {
    if (!parallelHttp) return Platform::httpRequestQueue();
    return std::make_unique<PrintingQueue>(*this, parallelHttp());
}

}  // namespace kugel

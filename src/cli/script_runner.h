#pragma once

#include <deque>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "cli/script.h"

namespace kugel {
class Application;
class Component;
class Form;
}  // namespace kugel

namespace kugel::cli {

// Plays a parsed script against the program: lines act on the forms as the
// user would, answers go to the platform's queue, modal blocks and onevents
// lines wait for the platform's hooks.
class ScriptRunner {
  public:
    ScriptRunner(Application& app, ScriptedPlatform& platform, std::ostream& out);
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Runs every command. Throws ScriptError for a bad line and lets
    // NoAnswerError through for a dialog without an answer.
    void run(const std::vector<Command>& commands);

    // The line being run (the innermost one inside modal blocks and onevents).
    int currentLine() const { return currentLine_; }

  private:
    struct PendingLine {
        int remaining;
        const Command* command;
    };

    void execute(const Command& c);
    void doSet(const Command& c);
    void doCall(const Command& c);
    void doClick(const Command& c);
    void doPrint(const Command& c);
    int showModal(Form& form);
    void eventsHandled();

    Form& form(const Command& c) const;
    Component& component(const Command& c, Form& f, const std::string& name) const;
    Application& app_;
    ScriptedPlatform& platform_;
    std::ostream& out_;
    std::map<std::string, std::deque<const Command*>, std::less<>> modalBlocks_;
    std::vector<PendingLine> pending_;
    int currentLine_ = 0;
};

}  // namespace kugel::cli

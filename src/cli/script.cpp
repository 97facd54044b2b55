#include "cli/script.h"

#include "controls/value_text.h"

namespace kugel::cli {
namespace {

using Answer = ScriptedPlatform::Answer;

// Splits "word rest": the rest starts after the single blank that follows
// the word, so a value may begin or end with blanks.
std::pair<std::string, std::string> splitWord(const std::string& s) {
    const auto blank = s.find_first_of(" \t");
    if (blank == std::string::npos) return {s, std::string()};
    return {s.substr(0, blank), s.substr(blank + 1)};
}

[[noreturn]] void fail(int line, const std::string& message) {
    throw ScriptError{line, message};
}

Target parseTarget(int line, const std::string& text, bool needsMember) {
    Target t;
    const auto dot = text.find('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == text.size())
        fail(line, "expected <Form>.<Name>, got \"" + text + "\"");
    t.form = text.substr(0, dot);
    const std::string rest = text.substr(dot + 1);
    const auto dot2 = rest.find('.');
    if (dot2 == std::string::npos) {
        t.name = rest;
    } else {
        t.name = rest.substr(0, dot2);
        t.property = rest.substr(dot2 + 1);
        if (t.name.empty() || t.property.empty())
            fail(line, "expected <Form>.<Name>.<Property>, got \"" + text + "\"");
    }
    if (needsMember && t.name.empty()) fail(line, "missing name in \"" + text + "\"");
    return t;
}

Answer parseAnswer(int line, const std::string& args) {
    const auto [kind, value] = splitWord(args);
    if (kind == "yes") return {Answer::Kind::Button, DialogResult::Yes, {}};
    if (kind == "no") return {Answer::Kind::Button, DialogResult::No, {}};
    if (kind == "ok") return {Answer::Kind::Button, DialogResult::Ok, {}};
    if (kind == "cancel") return {Answer::Kind::Cancel, DialogResult::Cancel, {}};
    if (kind == "default") return {Answer::Kind::Default, DialogResult::None, {}};
    if (kind == "text") return {Answer::Kind::Text, DialogResult::Ok, value};
    if (kind == "file") {
        if (value.empty()) fail(line, "answer file needs a path");
        return {Answer::Kind::File, DialogResult::Ok, value};
    }
    fail(line, "unknown answer \"" + kind +
                   "\" (yes, no, ok, cancel, default, text <value>, file <path>)");
}

void requireNoArgs(int line, const std::string& word, const std::string& args) {
    if (!trimmedRight(args).empty()) fail(line, word + " takes no arguments");
}

// How deep `onevents` lines may nest; each level is one more recursion.
constexpr int kMaxOnEventsDepth = 16;

// One line that is not part of a block structure.
Command parseLine(int line, const std::string& text, int depth = 0) {
    const auto [word, rawArgs] = splitWord(text);
    Command c;
    c.line = line;
    if (word == "start" || word == "activate" || word == "close") {
        requireNoArgs(line, word, rawArgs);
        c.op = word == "start"      ? Command::Op::Start
               : word == "activate" ? Command::Op::Activate
                                    : Command::Op::Close;
        return c;
    }
    if (word == "set") {
        // The value is the rest of the line, blanks included.
        const auto [target, value] = splitWord(trimmedLeft(rawArgs));
        c.op = Command::Op::Set;
        c.target = parseTarget(line, target, true);
        c.value = value;
        return c;
    }
    const std::string args = trimmed(rawArgs);
    if (word == "call") {
        const auto [target, sender] = splitWord(args);
        c.op = Command::Op::Call;
        c.target = parseTarget(line, target, true);
        if (!c.target.property.empty())
            fail(line, "expected <Form>.<Handler>, got \"" + target + "\"");
        c.value = trimmedLeft(sender);
        if (c.value.find_first_of(" \t") != std::string::npos)
            fail(line, "call takes one sender name");
        return c;
    }
    if (word == "click" || word == "print") {
        c.op = word == "click" ? Command::Op::Click : Command::Op::Print;
        if (args.empty() || args.find_first_of(" \t") != std::string::npos)
            fail(line, word + " takes one <Form>.<Name>");
        c.target = parseTarget(line, args, true);
        if (c.op == Command::Op::Click && !c.target.property.empty())
            fail(line, "expected <Form>.<Control>, got \"" + args + "\"");
        return c;
    }
    if (word == "answer") {
        c.op = Command::Op::Answer;
        // Text answers keep their blanks; only the keyword is trimmed.
        c.answer = parseAnswer(line, trimmedLeft(rawArgs));
        return c;
    }
    if (word == "onevents") {
        const auto [k, rest] = splitWord(trimmedLeft(rawArgs));
        const auto n = parseInt(k);
        if (!n || *n < 1) fail(line, "onevents needs a count of 1 or more, got \"" + k + "\"");
        if (depth >= kMaxOnEventsDepth)
            fail(line,
                 "onevents nested deeper than " + std::to_string(kMaxOnEventsDepth) + " levels");
        Command inner = parseLine(line, trimmedLeft(rest), depth + 1);
        if (inner.op != Command::Op::Set && inner.op != Command::Op::Call &&
            inner.op != Command::Op::Click)
            fail(line, "onevents runs a set, call or click line");
        c.op = Command::Op::OnEvents;
        c.count = *n;
        c.body.push_back(std::move(inner));
        return c;
    }
    if (word == "modal" || word == "endmodal") fail(line, "unexpected " + word);
    fail(line, "unknown command \"" + word + "\"");
}

}  // namespace

std::vector<Command> parseScript(std::istream& in) {
    std::vector<Command> commands;
    Command* modal = nullptr;  // the open modal block
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const std::string text = trimmedLeft(raw);
        if (text.empty() || text[0] == '#') continue;
        const auto [word, rawArgs] = splitWord(text);
        const std::string args = trimmed(rawArgs);
        if (word == "modal") {
            if (modal) fail(line, "modal blocks do not nest");
            if (args.empty() || args.find_first_of(" \t.") != std::string::npos)
                fail(line, "modal takes one form name");
            Command c;
            c.op = Command::Op::Modal;
            c.line = line;
            c.target.form = args;
            commands.push_back(std::move(c));
            modal = &commands.back();
            continue;
        }
        if (word == "endmodal") {
            if (!modal) fail(line, "endmodal without modal");
            const auto n = parseInt(args);
            if (!n || *n < 0) fail(line, "endmodal needs a modal result, got \"" + args + "\"");
            modal->count = *n;
            modal = nullptr;
            continue;
        }
        Command c = parseLine(line, text);
        if (modal) {
            if (c.op != Command::Op::Set && c.op != Command::Op::Call &&
                c.op != Command::Op::Click && c.op != Command::Op::Print &&
                c.op != Command::Op::Answer)
                fail(line,
                     "only set, call, click, print and answer lines run inside a modal block");
            modal->body.push_back(std::move(c));
        } else {
            commands.push_back(std::move(c));
        }
    }
    if (in.bad()) fail(line, "the script cannot be read");
    if (modal) fail(modal->line, "modal block without endmodal");
    return commands;
}

}  // namespace kugel::cli

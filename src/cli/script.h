#pragma once

#include <istream>
#include <string>
#include <vector>

#include "scripted/scripted_platform.h"

namespace kugel::cli {

// A script line that cannot be parsed or run (unknown form, control,
// property, handler, or a value that does not fit). Deliberately not a
// std::exception: the program turns those into message boxes, and a broken
// script must end the run instead, even from inside a running handler.
struct ScriptError {
    int line = 0;
    std::string message;
};

// "Form1.Label29.Caption" split at its first two dots; the property keeps
// any further dots ("Lines.Count").
struct Target {
    std::string form;
    std::string name;
    std::string property;  // empty: a field, or the chart as a whole
};

struct Command {
    enum class Op { Start, Activate, Close, Set, Call, Click, Answer, Modal, OnEvents, Print };
    Op op = Op::Start;
    int line = 0;
    Target target;      // set, call (name = handler), click, print; modal: form
    std::string value;  // set: the value; call: the sender's name
    ScriptedPlatform::Answer answer;
    int count = 0;              // modal: the modal result; onevents: k
    std::vector<Command> body;  // modal: the block; onevents: the one line
};

// Reads a whole script. Throws ScriptError naming the first bad line.
std::vector<Command> parseScript(std::istream& in);

}  // namespace kugel::cli

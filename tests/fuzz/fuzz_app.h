#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "platform/scripted_platform.h"
#include "shell/application.h"
#include "model/main_window.h"
#include "support/temp_dir.h"

namespace kugel::fuzz {

// The whole program on a scripted platform in a temporary directory, made
// once per fuzzing process: building it costs far more than one input.
// Everything it prints is dropped.
struct FuzzApp {
    FuzzApp();
    test::TempDir dir;
    std::ostringstream out;
    ScriptedPlatform platform{out};
    std::unique_ptr<Application> app;
    TForm1& form() const { return app->form1(); }
    std::filesystem::path historyPath() const { return dir.path() / "Powerball.dat"; }
    // Answers every dialog of one input with OK; what is left is dropped.
    void answerOk(int dialogs);
    void reset();  // drops output and unused answers
};

FuzzApp& fuzzApp();

}  // namespace kugel::fuzz

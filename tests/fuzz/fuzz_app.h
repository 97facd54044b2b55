#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "model/main_window.h"
#include "scripted/scripted_platform.h"
#include "shell/application.h"
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

// Puts one input into a file, replacing what was there.
void writeInput(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size);

}  // namespace kugel::fuzz

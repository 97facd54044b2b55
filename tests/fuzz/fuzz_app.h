#pragma once

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/main_window.h"
#include "platform/durable_file.h"
#include "scripted/scripted_platform.h"
#include "shell/application.h"
#include "support/memory_files.h"
#include "support/temp_dir.h"

namespace kugel::fuzz {

// The scripted platform, keeping the text of every message box it showed.
class WatchedPlatform : public ScriptedPlatform {
  public:
    using ScriptedPlatform::messageBox;
    using ScriptedPlatform::ScriptedPlatform;
    DialogResult messageBox(const std::string& caption, const std::string& text,
                            MessageButtons buttons, DialogResult defaultButton) override {
        messages.push_back(text);
        return ScriptedPlatform::messageBox(caption, text, buttons, defaultButton);
    }
    std::vector<std::string> messages;
};

// The whole program on a scripted platform, made once per fuzzing process:
// building it costs far more than one input. The files it reads and writes
// are held in memory; the temporary directory is only its home's name and
// the place of what no file store reaches. Everything it prints is dropped.
struct FuzzApp {
    FuzzApp();
    test::TempDir dir;
    test::MemoryFiles files;
    UseFileStore useFiles{files};
    std::ostringstream out;
    WatchedPlatform platform{out};
    std::unique_ptr<Application> app;
    TForm1& form() const { return app->form1(); }
    std::filesystem::path historyPath() const { return dir.path() / "Powerball.dat"; }
    // Answers every dialog of one input with OK; what is left is dropped.
    void answerOk(int dialogs);
    void reset();  // drops output, messages and unused answers
};

FuzzApp& fuzzApp();

}  // namespace kugel::fuzz

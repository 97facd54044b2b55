#pragma once

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "model/game.h"
#include "model/main_window.h"
#include "scripted/scripted_platform.h"
#include "shell/application.h"
#include "support/temp_dir.h"

namespace kugel::test {

// Day value of a calendar date; fails the test when the date does not exist.
double day(int year, int month, int dayOfMonth);

TZiehung draw(double date, std::array<int, 6> numbers, int powerball, int extra = 0);
void writeHistory(const std::filesystem::path& file, const std::vector<TZiehung>& records);
std::vector<TZiehung> readHistory(const std::filesystem::path& file);

// The whole program on a scripted platform in a temporary directory, with
// Home and ZahlenFile set as start-up sets them (without running start-up).
struct TestApp {
    TestApp();
    TempDir dir;
    std::ostringstream out;
    ScriptedPlatform platform{out};
    std::unique_ptr<Application> app;
    TForm1& form() const { return app->form1(); }
    std::filesystem::path historyPath() const { return dir.path() / "Powerball.dat"; }
    void answer(DialogResult button) {
        platform.queueAnswer({ScriptedPlatform::Answer::Kind::Button, button, {}});
    }
    // Lines printed so far, then cleared.
    std::string takeOutput();
};

}  // namespace kugel::test

#include "fuzz_app.h"

#include <fstream>

#include "platform/dates.h"

namespace kugel::fuzz {

FuzzApp::FuzzApp() {
    platform.setProgramDirectory(dir.path().string());
    platform.setToday(*encodeDate(2013, 4, 30));
    app = std::make_unique<Application>(platform);
    form().Home = dir.str();
    form().ZahlenFile = "Powerball.dat";
    form().sortieren = true;
}

void FuzzApp::answerOk(int dialogs) {
    for (int i = 0; i < dialogs; ++i)
        platform.queueAnswer({ScriptedPlatform::Answer::Kind::Button, DialogResult::Ok, {}});
}

void FuzzApp::reset() {
    platform.clearAnswers();
    out.str({});
}

void writeInput(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

FuzzApp& fuzzApp() {
    static FuzzApp* app = new FuzzApp();  // lives to the end of the process
    return *app;
}

}  // namespace kugel::fuzz

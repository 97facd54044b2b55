#include "fuzz_app.h"

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
    platform.messages.clear();
    out.str({});
}

FuzzApp& fuzzApp() {
    static FuzzApp* app = new FuzzApp();  // lives to the end of the process
    return *app;
}

}  // namespace kugel::fuzz

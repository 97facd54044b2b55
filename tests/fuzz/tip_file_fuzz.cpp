// Any bytes as a tip file (".qlt") loaded into the ticket, which then shows
// the chosen draw and checks the loaded rows against it.
#include <cstddef>
#include <cstdint>

#include "fuzz_app.h"
#include "model/game.h"
#include "model/history_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    static const bool historyInPlace = [&] {
        // Three weekly draws, the newest of them the one the ticket is checked against.
        std::string records;
        for (int week = 0; week < 3; ++week) {
            TZiehung draw = ersteZiehungRecord();
            draw.Datum += week * ZiehungsAbstand;
            records += encodeRecord(draw);
        }
        f.files.put(f.historyPath(), records);
        return true;
    }();
    (void)historyInPlace;
    const auto file = f.dir.path() / "ticket.qlt";
    f.files.put(file, {reinterpret_cast<const char*>(data), size});
    f.platform.queueAnswer({ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, file.string()});
    f.answerOk(4);
    f.app->fireEvent(*f.form().SpeedButton16, "OnClick");
    return 0;
}

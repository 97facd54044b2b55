// Any bytes as a tip file (".qlt") loaded into the ticket, which then shows
// the chosen draw and checks the loaded rows against it.
#include <cstddef>
#include <cstdint>

#include "fuzz_app.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    const auto file = f.dir.path() / "ticket.qlt";
    fuzz::writeInput(file, data, size);
    f.platform.queueAnswer({ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, file.string()});
    f.answerOk(4);
    f.app->fireEvent(*f.form().SpeedButton16, "OnClick");
    return 0;
}

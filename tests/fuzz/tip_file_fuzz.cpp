// Any bytes as a tip file (".qlt") loaded into the ticket, which then shows
// the chosen draw and checks the loaded rows against it.
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "fuzz_app.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    const auto file = f.dir.path() / "ticket.qlt";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    f.platform.queueAnswer({ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, file.string()});
    f.answerOk(4);
    f.app->fireEvent(*f.form().SpeedButton16, "OnClick");
    return 0;
}

// Any bytes as a number list (".qlw") loaded into the number-choice list.
#include <cstddef>
#include <cstdint>

#include "fuzz_app.h"
#include "generation/number_choice_dialog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    const auto file = f.dir.path() / "list.qlw";
    f.files.put(file, {reinterpret_cast<const char*>(data), size});
    TForm6& list = f.app->form6();
    f.platform.queueAnswer({ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, file.string()});
    f.answerOk(2);
    f.app->fireEvent(*list.SpeedButton2, "OnClick");
    // A loaded weight is one the list can use.
    for (int i = 1; i <= TForm6::kBoxes; ++i)
        if (list.box(i).hint().size() > 5) __builtin_trap();
    return 0;
}

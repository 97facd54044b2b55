// Any bytes as a language file and as its message file, applied along the
// shipped master file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz_app.h"
#include "platform/codepage.h"
#include "shell/language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    const auto land = f.dir.path() / "Land";
    static const bool masterInPlace = [&] {
        f.files.put(land / "powerball.txt",
                    diskFiles().readWhole(KUGEL_MASTER_FILE, std::string::npos));
        return true;
    }();
    (void)masterInPlace;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto file = land / "Power_fz.txt";
    for (const auto& path : {file, std::filesystem::path(file.string() + ".meld")})
        f.files.put(path, bytes);
    f.form().OpenDialog1->fileName = file.string();
    f.answerOk(2);
    try {
        applyChosenLanguageFile(f.form());
    } catch (const std::exception&) {
        // A file that cannot be read is reported; only a crash is a finding.
    }
    // The file was found beside the master file and read.
    if (f.form().RichEdit1->lines() != splitLines(decodeTextFile(bytes))) __builtin_trap();
    return 0;
}

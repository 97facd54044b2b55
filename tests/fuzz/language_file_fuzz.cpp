// Any bytes as a language file and as its message file, applied along the
// shipped master file.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "fuzz_app.h"
#include "shell/language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    const auto land = f.dir.path() / "land";
    static const bool masterInPlace = [&] {
        std::filesystem::create_directories(land);
        std::filesystem::copy_file(KUGEL_MASTER_FILE, land / "powerball.txt",
                                   std::filesystem::copy_options::overwrite_existing);
        return true;
    }();
    (void)masterInPlace;
    const auto file = land / "Power_fz.txt";
    for (const auto& path : {file, std::filesystem::path(file.string() + ".meld")})
        fuzz::writeInput(path, data, size);
    f.form().OpenDialog1->fileName = file.string();
    f.answerOk(2);
    try {
        applyChosenLanguageFile(f.form());
    } catch (const std::exception&) {
        // A file that cannot be read is reported; only a crash is a finding.
    }
    return 0;
}

// Any bytes as the stored settings: the input's lines are the values of the
// settings table in restore order (each as number text, text and bytes
// alike), restored as at start-up, saved and restored once more.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string_view>

#include "fuzz_app.h"
#include "shell/settings_store.h"
#include "shell/settings_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    // Static: the platform keeps a pointer to its store.
    static MemorySettingsStore store;
    static MemorySettingsStore saved;
    store.values.clear();
    saved.values.clear();
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (const StoredSetting& s : settingsTable()) {
        if (s.step || rest.empty()) continue;
        const auto end = rest.find('\n');
        store.values[s.key] = std::string(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    f.platform.setSettings(&store);
    f.answerOk(4);
    try {
        restoreSettings(f.form());
        restoreNetworkAndDateSettings(f.form());
    } catch (const std::exception&) {
        // A value that ends the start-up is reported; only a crash is a finding.
    }
    f.platform.setSettings(&saved);
    saveSettings(f.form());
    try {
        restoreSettings(f.form());
        restoreNetworkAndDateSettings(f.form());
    } catch (const std::exception&) {
        // What the program saved itself must read back.
        __builtin_trap();
    }
    return 0;
}

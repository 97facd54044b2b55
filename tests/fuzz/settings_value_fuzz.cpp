// Any bytes as the stored settings file, read through the INI store the
// program keeps its settings in and restored as at start-up; then saved
// into a new file, read back the same way and restored once more, with
// nothing left unreadable.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <QtGlobal>

#include "fuzz_app.h"
#include "qtcore/qsettings_store.h"
#include "shell/settings_store.h"
#include "support/temp_dir.h"

namespace {

// Where the INI files go: a folder in memory (tmpfs) where the system has
// one, as QSettings syncs every file it writes to the disk.
const std::filesystem::path& iniFolder() {
    static const bool prepared = [] {
        std::error_code error;
        if (std::filesystem::is_directory("/dev/shm", error)) setenv("TMPDIR", "/dev/shm", 1);
        // Qt's warnings about values it cannot read would fill the log.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    (void)prepared;
    static const kugel::test::TempDir folder;  // removed when the process ends
    return folder.path();
}

// QSettings keeps what it read of a file while the file looks unchanged, and
// a file rewritten with the same size within its clock's resolution looks
// so: every input gets files of its own name.
std::filesystem::path freshFile(const char* kind) {
    static unsigned long inputs = 0;
    return iniFolder() / (kind + std::to_string(++inputs) + ".ini");
}

// Each input is a start of its own: what an earlier one could not read
// must not keep this one's values from being saved.
void startAfresh(kugel::TForm1& form) {
    form.settingsNotRestored.clear();
    form.unreadableSettings.clear();
    form.damagedSettingsCopy.reset();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    static MemorySettingsStore between;  // the platform's store while no file is open
    const std::filesystem::path input = freshFile("input");
    const std::filesystem::path output = freshFile("saved");
    std::ofstream(input, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    {
        const std::unique_ptr<QSettingsStore> store = QSettingsStore::iniFile(input.string());
        f.platform.setSettings(store.get());
        f.answerOk(4);
        startAfresh(f.form());
        try {
            restoreSettings(f.form());
            restoreNetworkAndDateSettings(f.form());
        } catch (const std::exception&) {
            // A value that ends the start-up is reported; only a crash is a finding.
        }
        finishSettingsRestore(f.form());
        f.platform.setSettings(&between);
    }
    {
        const std::unique_ptr<QSettingsStore> saved = QSettingsStore::iniFile(output.string());
        f.platform.setSettings(saved.get());
        saveSettings(f.form());
        saved->flush();
        f.platform.setSettings(&between);
    }
    {
        const std::unique_ptr<QSettingsStore> saved = QSettingsStore::iniFile(output.string());
        f.platform.setSettings(saved.get());
        startAfresh(f.form());
        try {
            restoreSettings(f.form());
            restoreNetworkAndDateSettings(f.form());
        } catch (const std::exception&) {
            // What the program saved itself must read back.
            __builtin_trap();
        }
        if (!f.form().unreadableSettings.empty()) __builtin_trap();
        f.platform.setSettings(&between);
    }
    // The copy a damaged store leaves beside itself goes with it.
    for (const auto& file : {input, output}) {
        std::filesystem::remove(file);
        std::filesystem::remove(file.string() + ".damaged");
    }
    return 0;
}

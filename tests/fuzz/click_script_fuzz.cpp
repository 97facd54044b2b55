// Any bytes as the click-script template of the hand-over: the ticket is
// written as a tip file, the template filled with its rows and the script
// written beside it for the automation tool, as the program does it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz_app.h"
#include "model/settings_controls.h"
#include "platform/codepage.h"
#include "platform/dates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    const std::filesystem::path templateFile = f.dir.path() / "Script" / "fuzz.qcs";
    static MemorySettingsStore tool;
    static const bool prepared = [&] {
        // The tool is installed, and the ticket holds three rows.
        const std::filesystem::path install = f.dir.path() / "ClickRun";
        tool.writeString("Path", install.string());
        f.files.put(install / "ClickRun.exe", "MZ");
        f.platform.setToolSettings(&tool);
        f.platform.onShowModal = [](Form&) { return static_cast<int>(DialogResult::Ok); };
        const auto tips = f.dir.path() / "rows.qlt";
        f.files.put(tips, "3,11,17,24,30,38,9\r\n1,7,14,22,35,40,12\r\n5,6,19,27,31,33,2\r\n");
        f.platform.queueAnswer(
            {ScriptedPlatform::Answer::Kind::File, DialogResult::Ok, tips.string()});
        f.answerOk(4);
        f.app->fireEvent(*f.form().SpeedButton16, "OnClick");
        f.reset();
        return true;
    }();
    (void)prepared;
    tool.writeString("PowerLottoScript", templateFile.string());
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    f.files.put(templateFile, bytes);
    const unsigned char flags = size > 0 ? data[0] : 0;
    SettingsControls& s = f.form().settings;
    s.CheckBox1->setChecked((flags & 1) != 0);
    s.CheckBox3->setChecked((flags & 2) != 0);
    s.CheckBox2->setChecked((flags & 4) != 0);
    const std::filesystem::path script =
        f.dir.path() / "Tipps" / (formatYyyymmdd(f.platform.today()) + ".qcs");
    f.files.remove(script);
    f.answerOk(4);
    f.app->invoke(f.form(), "OnlineTippClick", nullptr);

    // Every token is replaced by a short value or the tip file's name: the
    // script stays about the template's size.
    const auto written = f.files.content(script);
    if (!written) __builtin_trap();
    const std::string text = decodeTextFile(bytes);
    const std::size_t longest = std::max<std::size_t>(8, f.form().SaveDialog1->fileName.size());
    if (decodeTextFile(*written).size() > longest * text.size() + 64) __builtin_trap();
    return 0;
}

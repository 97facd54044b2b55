// Any bytes as the history file: read back, shown, browsed, checked against
// the ticket and brought up to date. Nothing may crash or read out of range;
// a damaged file may only lead to a message.
#include <cstddef>
#include <cstdint>

#include "fuzz_app.h"
#include "model/history_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    fuzz::FuzzApp& f = fuzz::fuzzApp();
    f.reset();
    f.files.put(f.historyPath(), {reinterpret_cast<const char*>(data), size});
    const auto records = HistoryFile(f.historyPath()).readAll();
    if (records.size() != size / kRecordSize) __builtin_trap();

    TForm1& form = f.form();
    f.answerOk(8);
    form.DateTimePicker1->setDate(ErsteZiehung + 7);
    f.app->invoke(form, "SpeedButton5Click", form.SpeedButton5);
    for (const char* handler :
         {"SpeedButton6Click", "SpeedButton7Click", "SpeedButton2Click", "SpeedButton9Click"})
        f.app->invoke(form, handler, nullptr);
    // The update asks a server that has no draws; it must neither append
    // behind a damaged newest record nor run for ever.
    f.platform.http = [](const HttpRequest&) {
        HttpResponse r;
        r.answered = true;
        r.statusCode = 200;
        r.statusLine = "HTTP/1.1 200 OK";
        return r;
    };
    f.app->invoke(form, "KugelmeisterClick", form.BitBtn1);
    return 0;
}

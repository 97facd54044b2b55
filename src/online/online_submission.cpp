#include "online/online_submission.h"

#include <cerrno>
#include <cmath>
#include <filesystem>

#include "generation/ticket_text.h"
#include "model/game.h"
#include "model/main_window.h"
#include "online/click_script.h"
#include "platform/codepage.h"
#include "platform/dates.h"
#include "platform/durable_file.h"

namespace kugel {

void registerOnlineSubmissionHandlers(TForm1& form) {
    form.addHandler("OnlineTippClick", [&form](Component*) { handOverTicket(form); });
}

std::string handOverTipFile(const TForm1& form) {
    const double day = std::round(form.DateTimePicker1->date() + ZiehungsAbstand);
    return form.Home + "Tipps/" + formatYyyymmdd(day) + ".qlt";
}

void handOverTicket(TForm1& form) {
    const std::filesystem::path dir = form.Home + "Tipps";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) throw FileError(FileOperation::CreateDirectory, dir, error.value());

    const std::string file = handOverTipFile(form);
    form.SaveDialog1->fileName = file;
    // Written whole or not at all: the click script reads it next.
    replaceFileAtomically(file, encodeAnsiLines(tipFileLines(form.ticket)));
    Scriptstart(form);
}

}  // namespace kugel

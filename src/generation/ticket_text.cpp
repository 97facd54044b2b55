#include "generation/ticket_text.h"

#include "controls/component.h"
#include "model/ticket_controls.h"

namespace kugel {

std::string rowText(const TicketRow& row) {
    std::string text;
    for (const Edit* number : row.numbers) {
        text += number->text();
        text += ',';
    }
    return text + row.powerball->text();
}

bool isSavedInTipFile(const TicketRow& row) {
    return !row.numbers[0]->text().empty();
}

std::vector<std::string> tipFileLines(const TicketControls& ticket) {
    std::vector<std::string> lines;
    for (const TicketRow& row : ticket.rows)
        if (isSavedInTipFile(row)) lines.push_back(rowText(row));
    return lines;
}

}  // namespace kugel

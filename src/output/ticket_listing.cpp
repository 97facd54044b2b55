#include "output/ticket_listing.h"

#include <cstdio>

#include "controls/component.h"
#include "generation/ticket_text.h"
#include "model/conversion.h"
#include "model/main_window.h"
#include "model/message_table.h"
#include "model/program_windows.h"
#include "model/ticket_controls.h"
#include "output/ticket_date.h"
#include "platform/codepage.h"
#include "platform/dates.h"
#include "platform/durable_file.h"

namespace kugel {
namespace {

constexpr int kRuleLength = 46;

std::string twoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%2d", n);
    return buf;
}

}  // namespace

TicketListing ticketListing(const TForm1& form) {
    TicketListing listing;
    listing.date = form.Datum1 + ticketDayOffset(form.DateTimePicker1->date());
    listing.rowTitle = form.msg(Msg::PrintTitle);
    listing.heading = listing.rowTitle + " " + formatShortDateTime(listing.date, form.locale());
    for (std::size_t r = 0; r < form.ticket.rows.size(); ++r) {
        const TicketRow& row = form.ticket.rows[r];
        if (!isSavedInTipFile(row)) continue;  // the same rows a tip file holds
        TicketListing::Row listed;
        listed.number = static_cast<int>(r) + 1;
        for (std::size_t k = 0; k < row.numbers.size(); ++k)
            listed.numbers[k] = toInteger(row.numbers[k]->text());
        listed.powerball = toInteger(row.powerball->text());
        listing.rows.push_back(listed);
    }
    return listing;
}

std::vector<std::string> listingLines(const TicketListing& listing) {
    std::vector<std::string> lines = {listing.heading, std::string(kRuleLength, '~'), ""};
    for (const TicketListing::Row& row : listing.rows) {
        std::string line = twoDigits(row.number) + ". " + listing.rowTitle + ": ";
        for (std::size_t k = 0; k < row.numbers.size(); ++k)
            line += (k > 0 ? "   " : "") + twoDigits(row.numbers[k]);
        lines.push_back(line + "   " + kPowerBallCaption + ": " + twoDigits(row.powerball));
    }
    return lines;
}

void writeAndOpenListing(TForm1& form) {
    // Every field is converted before anything is written: a bad field
    // leaves the last listing in place and opens nothing.
    const std::vector<std::string> lines = listingLines(ticketListing(form));
    const std::string file = form.Home + kListingFile;
    replaceFileAtomically(file, encodeTextLines(lines, form.masterFileEncoding));
    // Without a program for text files the player would wait for a window
    // that never comes; the listing is there all the same.
    if (!form.platform().shellOpen(file))
        form.platform().messageBox(kApplicationTitle,
                                   form.addedTexts.format(AddedText::ListingNotOpened, {file}),
                                   MessageButtons::Ok);
}

void registerTicketListingHandlers(TForm1& form) {
    form.addHandler("BitBtn7Click", [&form](Component*) { writeAndOpenListing(form); });
}

}  // namespace kugel

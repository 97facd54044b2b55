#include "output/ticket_print.h"

#include <string>

#include "model/main_window.h"
#include "model/program_windows.h"
#include "output/ticket_listing.h"
#include "platform/dates.h"

namespace kugel {
namespace {

// The page in millimetres: a 20 mm margin, the table in the upper half.
constexpr double kLeft = 20;
constexpr double kRight = 190;
constexpr double kHeadingTop = 20;
constexpr double kHeadingRule = 30;
constexpr double kColumnHeadTop = 36;
constexpr double kColumnHeadRule = 42;
constexpr double kFirstRowTop = 46;
constexpr double kRowPitch = 9;
// Right edges of the columns: row number, six numbers, the Powerball set
// apart by a wider gap.
constexpr double kRowNumberRight = 30;
constexpr double kFirstNumberRight = 46;
constexpr double kNumberPitch = 14;
constexpr double kPowerballRight = 150;

PrintFont font(double points, bool bold = false) {
    PrintFont f;
    f.pointSize = points;
    f.bold = bold;
    return f;
}

PrintText rightAligned(double right, double top, std::string text, PrintFont f) {
    return {right, top, std::move(text), std::move(f), PrintAlign::Right};
}

}  // namespace

PrintJob ticketPrintJob(const TicketListing& listing) {
    PrintJob job;
    job.title = "Tipp-" + formatYyyymmdd(listing.date);
    PrintPage page;
    page.texts.push_back({kLeft, kHeadingTop, listing.heading, font(16, true), PrintAlign::Left});
    page.rules.push_back({kLeft, kRight, kHeadingRule, 0.5});
    if (!listing.rows.empty()) {
        page.texts.push_back(
            rightAligned(kPowerballRight, kColumnHeadTop, kPowerBallCaption, font(10, true)));
        page.rules.push_back({kLeft, kRight, kColumnHeadRule, 0.2});
    }
    double top = kFirstRowTop;
    for (const TicketListing::Row& row : listing.rows) {
        page.texts.push_back(
            rightAligned(kRowNumberRight, top, std::to_string(row.number) + ".", font(12)));
        for (std::size_t k = 0; k < row.numbers.size(); ++k)
            page.texts.push_back(
                rightAligned(kFirstNumberRight + static_cast<double>(k) * kNumberPitch, top,
                             std::to_string(row.numbers[k]), font(14)));
        page.texts.push_back(
            rightAligned(kPowerballRight, top, std::to_string(row.powerball), font(14, true)));
        top += kRowPitch;
    }
    if (!listing.rows.empty()) page.rules.push_back({kLeft, kRight, top + 1, 0.2});
    job.pages.push_back(std::move(page));
    return job;
}

void printTicket(TForm1& form) {
    if (form.platform().print(ticketPrintJob(ticketListing(form))) == PrintResult::Failed)
        form.platform().messageBox(kApplicationTitle, form.msg(AddedText::PrintRefused),
                                   MessageButtons::Ok);
}

void registerTicketPrintHandlers(TForm1& form) {
    form.addHandler("Drucken1Click", [&form](Component*) { printTicket(form); });
}

}  // namespace kugel

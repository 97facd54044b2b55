#include "statistics/tip_distribution.h"

#include <array>
#include <vector>

#include "controls/value_text.h"
#include "model/game.h"
#include "model/main_window.h"
#include "model/message_table.h"
#include "platform/busy_cursor.h"
#include "statistics/chart_output.h"

namespace kugel {
namespace {

// Counts the main numbers of the ticket in row order until the first edit
// that holds no number: the rows are filled from the top, so an empty edit
// marks the end of the tips. A number outside 1..40 (typed over a row) has
// no bar; it is passed over and the count goes on.
std::array<int, MaxZahl + 1> ticketNumberCounts(const TForm1& form) {
    std::array<int, MaxZahl + 1> count{};
    for (const auto& row : form.ticket.rows) {
        for (const Edit* edit : row.numbers) {
            const auto n = parseInt(edit->text());
            if (!n) return count;
            if (*n >= 1 && *n <= MaxZahl) ++count[static_cast<std::size_t>(*n)];
        }
    }
    return count;
}

}  // namespace

void showTicketNumberDistribution(TForm1& form) {
    BusyCursor busy(form.platform());
    const std::array<int, MaxZahl + 1> count = ticketNumberCounts(form);
    std::vector<ChartPoint> bars;
    for (int n = 1; n <= MaxZahl; ++n)
        bars.push_back(numberBar(n, count[static_cast<std::size_t>(n)]));
    showBars(*form.Chart1, std::move(bars), ValueAxis::Spread, form.msg(Msg::TipDistributionTitle));
    form.PageControl1->setActivePage(form.TabSheet5);
}

void registerTipDistributionHandlers(TForm1& form) {
    form.addHandler("Button6Click", [&form](Component*) { showTicketNumberDistribution(form); });
}

}  // namespace kugel

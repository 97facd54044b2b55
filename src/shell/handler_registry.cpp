#include "shell/handler_registry.h"

#include "analysis/history_analysis.h"
#include "analysis/history_search.h"
#include "analysis/odds_dialog.h"
#include "analysis/prize_dialog.h"
#include "analysis/settings_analysis.h"
#include "draws/draw_browser.h"
#include "draws/draw_display.h"
#include "generation/ticket_editing.h"
#include "generation/tip_calculation.h"
#include "generation/tip_editor.h"
#include "model/main_window.h"
#include "online/cart.h"
#include "online/online_submission.h"
#include "online/web_links.h"
#include "output/ticket_listing.h"
#include "output/ticket_print.h"
#include "output/tip_file.h"
#include "shell/hint_display.h"
#include "shell/language.h"
#include "shell/startup.h"
#include "statistics/number_statistics.h"
#include "statistics/tip_distribution.h"
#include "update/history_edit.h"
#include "update/results_download.h"

namespace kugel {

void registerMainWindowHandlers(TForm1& form) {
    registerStartupHandlers(form);
    registerHistoryEditHandlers(form);
    registerDrawDisplayHandlers(form);
    registerTicketHandlers(form);
    registerTipCalculationHandlers(form);
    registerTipEditorHandlers(form);
    registerDrawBrowserHandlers(form);
    registerResultsDownloadHandlers(form);
    registerNumberStatisticsHandlers(form);
    registerTipDistributionHandlers(form);
    registerTipFileHandlers(form);
    registerTicketListingHandlers(form);
    registerTicketPrintHandlers(form);
    registerOnlineSubmissionHandlers(form);
    registerCartHandlers(form);
    registerWebLinkHandlers(form);
    registerPrizeDialogHandlers(form);
    registerHistorySearchHandlers(form);
    registerSettingsAnalysisHandlers(form);
    registerHistoryAnalysisHandlers(form);
    registerOddsHandlers(form);
    registerHintDisplay(form);
    registerLanguageHandlers(form);
}

}  // namespace kugel

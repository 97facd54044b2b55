#include "update/results_download.h"

#include "shell/main_window.h"

namespace kugel {

void KugelmeisterClick(TForm1&) {}

void registerResultsDownloadHandlers(TForm1&) {}

}  // namespace kugel

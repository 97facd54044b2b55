#include "online/web_links.h"

#include "model/main_window.h"
#include "update/vendor_site.h"

namespace kugel {

void registerWebLinkHandlers(TForm1& form) {
    form.addHandler("Label43Click", [&form](Component*) { openVendorHomePage(form); });
    form.addHandler("Label52Click", [&form](Component* sender) { openLinkOfLabel(form, sender); });
}

void showVendorLinks(TForm1& form) {
    const std::string site = vendorAddress(form);
    form.Label52->setCaption(site + kProgramPagePath);
    form.Label54->setCaption(site + kResultsPagePath);
    form.Label56->setCaption(site + kToolPagePath);
    form.Label43->setCaption(site);
    form.Label44->setCaption(site);
}

void openVendorHomePage(TForm1& form) {
    form.platform().shellOpen(vendorAddress(form) + "/");
}

void openLinkOfLabel(TForm1& form, Component* sender) {
    if (sender && !sender->caption().empty()) form.platform().shellOpen(sender->caption());
}

}  // namespace kugel

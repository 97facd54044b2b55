#include "online/cart.h"

#include <cctype>

#include "generation/ticket_text.h"
#include "model/added_texts.h"
#include "model/main_window.h"
#include "model/program_windows.h"
#include "platform/busy_cursor.h"
#include "platform/durable_file.h"
#include "platform/event_wait.h"
#include "update/vendor_site.h"

namespace kugel {
namespace {

constexpr const char* kBoxTemplate =
    "kasten1=[KASTEN1]&kasten2=[KASTEN2]&kasten3=[KASTEN3]&kasten4=[KASTEN4]&kasten5=[KASTEN5]&"
    "kasten6=[KASTEN6]";
constexpr int kSecondCartDelayMs = 2000;

// A click on the cart button while a cart is still being handed over (the
// request and the wait let clicks through) would interleave two hand-overs.
bool cartRunning = false;

class CartRun {
  public:
    CartRun() { cartRunning = true; }
    ~CartRun() { cartRunning = false; }
    CartRun(const CartRun&) = delete;
    CartRun& operator=(const CartRun&) = delete;
};

CartBatch batch(const TForm1& form, std::size_t first) {
    CartBatch rows;
    for (std::size_t k = 0; k < rows.size(); ++k) rows[k] = rowText(form.ticket.rows[first + k]);
    return rows;
}

// Refuses a cart address with a message in the status bar and a box.
void refuse(TForm1& form, const std::string& text) {
    form.StatusBar1->setPanelText(1, text);
    form.platform().messageBox(kApplicationTitle, text, MessageButtons::Ok);
}

// Opens one cart; false when the address was refused.
bool openCart(TForm1& form, const std::string& base, const CartBatch& rows) {
    const std::string address = cartAddress(base, rows);
    if (address.size() > kMaxCartAddress) {
        refuse(form, form.addedTexts.format(AddedText::CartAddressTooLong,
                                            {std::to_string(kMaxCartAddress)}));
        return false;
    }
    form.platform().shellOpen(address);
    form.StatusBar1->setPanelText(1, form.msg(AddedText::CheckTheCart));
    return true;
}

// The error page the cart service sent, shown to the user as it came.
void showServerMessage(TForm1& form, const std::string& bytes) {
    const std::filesystem::path page = form.Home + "Meldung.htm";
    replaceFileAtomically(page, bytes);
    form.platform().shellOpen(page.string());
}

}  // namespace

std::string cartAddress(const std::string& base, const CartBatch& rows) {
    std::string address = base + kBoxTemplate;
    int count = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::string box = "[KASTEN" + std::to_string(k + 1) + "]";
        const auto at = address.find(box);
        if (at != std::string::npos) address.replace(at, box.size(), rows[k]);
        if (rows[k] != kEmptyRowText) count = static_cast<int>(k) + 1;
    }
    return address + "&Tipps=" + std::to_string(count);
}

bool isWebAddress(const std::string& address) {
    std::string scheme;
    for (const char c : address.substr(0, 8))
        scheme += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::size_t rest = scheme.starts_with("http://")    ? 7
                             : scheme.starts_with("https://") ? 8
                                                              : 0;
    // A host must follow the scheme.
    return rest > 0 && address.size() > rest && address[rest] != '/' &&
           !std::isspace(static_cast<unsigned char>(address[rest]));
}

void registerCartHandlers(TForm1& form) {
    form.addHandler("WarenkorbClick", [&form](Component*) { openCartsInBrowser(form); });
}

void openCartsInBrowser(TForm1& form) {
    if (cartRunning) return;
    const CartRun running;
    Platform& platform = form.platform();
    std::string base;
    {
        BusyCursor busy(platform);
        HttpRequest request = vendorRequest(form, kCartStartPath);
        request.query = {{"Spiel", "KugAU"},
                         {"Wo", "Lottoland"},
                         {"Tipps", std::to_string(form.ticket.UpDown8->position())}};
        const HttpResponse response = platform.httpGet(request);
        if (!response.answered) throw std::runtime_error(response.error);
        if (response.statusCode >= 400) {
            if (response.body.find("Mitteilung") != std::string::npos) {
                showServerMessage(form, response.bytes);
                return;
            }
            base = vendorAddress(form) + kFixedCartPath;
        } else {
            base = response.body;
        }
    }
    if (!isWebAddress(base)) {
        refuse(form, form.msg(AddedText::CartNotWebAddress));
        return;
    }
    if (!openCart(form, base, batch(form, 0))) return;
    if (rowText(form.ticket.rows[6]) == kEmptyRowText) return;
    waitHandlingEvents(platform, kSecondCartDelayMs);
    openCart(form, base, batch(form, 6));
}

}  // namespace kugel

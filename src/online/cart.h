#pragma once

#include <array>
#include <optional>
#include <string>

namespace kugel {

class TForm1;

inline constexpr const char* kCartStartPath = "/lotto/lotto.asp";
// Used when the cart service answers with an error that carries no message.
inline constexpr const char* kFixedCartPath = "/lotto/warenkorb2.asp?Spiel=KugelAu&";
// Longer addresses are not opened: browsers and agents cut them off.
inline constexpr std::size_t kMaxCartAddress = 2048;

// Six rows of a ticket as row texts, the first row in box 1.
using CartBatch = std::array<std::string, 6>;

// The cart address of one batch: the base address followed by the six boxes
// and "&Tipps=" with the number of the last box that is not empty.
std::string cartAddress(const std::string& base, const CartBatch& rows);

// Only a web address may be handed to the browser as a cart: the base comes
// from a server, and anything else (a file, a script, another scheme) must
// not be opened by the shell.
bool isWebAddress(const std::string& address);

// "Warenkorb / Cart": asks the vendor for the start of a cart address, fills
// in the rows and opens it in the browser, six rows per cart.
void openCartsInBrowser(TForm1& form);

void registerCartHandlers(TForm1& form);

}  // namespace kugel

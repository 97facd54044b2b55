#pragma once

#include <optional>
#include <string>

namespace httplib {
class Server;
}

namespace kugel::server {

// How the cart service answers; the defaults are a working service, the
// rest lets tests play a broken or hostile one.
struct CartOptions {
    bool error = false;                 // status 500 with a "Mitteilung" page
    std::optional<std::string> answer;  // this body instead of the cart's base address
    int status = 200;                   // the status sent with `answer`
};

// The cart service: GET /lotto/lotto.asp answers the start of a cart address
// on this server; /lotto/warenkorb2.asp?kasten1=..&Tipps=n leads to the cart
// page /lotto/warenkorb.html, which shows the handed-over rows as a ticket.
void registerCartRoutes(httplib::Server& server, const CartOptions& options);

}  // namespace kugel::server

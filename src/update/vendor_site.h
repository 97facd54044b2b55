#pragma once

#include <string>

#include "platform/platform.h"

namespace kugel {

class TForm1;

// The reference vendor server's address, used when no vendor address is stored.
inline constexpr const char* kDefaultServerAddress = "http://127.0.0.1:8089";

// The vendor's web site without a trailing slash: the address given on the
// command line, else the stored one (URLEdit), else the reference server's.
// Results, carts, click-script templates and the tool's installer all live there.
std::string vendorAddress(const TForm1& form);

// A GET request to a path on the vendor's web site as the main window sends
// it: its user agent, accept header and the proxy of the internet options.
// A proxy port outside 1..65535 ends the operation (ConversionError) before
// a request goes out, rather than letting the client fall back to a port the
// user never chose.
HttpRequest vendorRequest(const TForm1& form, const std::string& path);

}  // namespace kugel

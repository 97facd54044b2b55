#include "update/vendor_site.h"

#include "controls/value_text.h"
#include "model/conversion.h"
#include "model/main_window.h"

namespace kugel {
namespace {

int proxyPort(const std::string& text) {
    const int port = toInteger(text);
    if (port < 1 || port > 65535) throw ConversionError(text);
    return port;
}

}  // namespace

std::string vendorAddress(const TForm1& form) {
    std::string base =
        trimmed(form.serverOverride.empty() ? form.URLEdit->text() : form.serverOverride);
    if (base.empty()) base = kDefaultServerAddress;
    while (!base.empty() && base.back() == '/') base.pop_back();
    return base;
}

HttpRequest vendorRequest(const TForm1& form, const std::string& path) {
    HttpRequest request;
    request.url = vendorAddress(form) + path;
    request.userAgent = "Kugelmeister";
    request.accept = "text/html, */*";
    request.proxyHost = trimmed(form.ProxyHostEdit->text());
    request.proxyPort = proxyPort(form.ProxyPortEdit->text());
    return request;
}

}  // namespace kugel

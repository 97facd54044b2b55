#include "cart_routes.h"

#include <httplib.h>

#include <cctype>
#include <charconv>
#include <vector>

#include "html.h"

namespace kugel::server {
namespace {

constexpr const char* kHtmlType = "text/html; charset=utf-8";
constexpr int kBoxes = 6;

// The Host header as the client sent it, when it is a plain host[:port];
// anything else could smuggle text into the address handed back.
std::string hostOf(const httplib::Request& request) {
    const std::string host = request.get_header_value("Host");
    if (host.empty()) return "127.0.0.1";
    for (const char c : host)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != ':' && c != '-' &&
            c != '[' && c != ']')
            return "127.0.0.1";
    return host;
}

void answerCartStart(const CartOptions& options, const httplib::Request& request,
                     httplib::Response& response) {
    if (options.error) {
        response.status = 500;
        response.set_content(htmlPage("Mitteilung",
                                      "<h1>Mitteilung</h1>\n<p>Der Warenkorb ist zur Zeit nicht "
                                      "erreichbar. Bitte versuchen Sie es später noch einmal.</p>"),
                             kHtmlType);
        return;
    }
    if (options.answer) {
        response.status = options.status;
        response.set_content(*options.answer, "text/plain; charset=windows-1252");
        return;
    }
    response.status = 200;
    response.set_content("http://" + hostOf(request) + "/lotto/warenkorb2.asp?Spiel=KugelAu&",
                         "text/plain; charset=windows-1252");
}

// The agent's entry: it takes the boxes over into its cart page.
void answerCartEntry(const httplib::Request& request, httplib::Response& response) {
    const auto query = request.target.find('?');
    std::string target = "/lotto/warenkorb.html";
    if (query != std::string::npos) target += request.target.substr(query);
    response.set_redirect(target, 302);
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos;
         at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

int countOf(const httplib::Request& request) {
    const std::string text = request.get_param_value("Tipps");
    int count = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size()) return -1;
    return count;
}

void answerCartPage(const httplib::Request& request, httplib::Response& response) {
    const int count = countOf(request);
    std::string body = "<h1>Warenkorb</h1>\n<p>Powerball: 6 aus 40 und 1 Powerball aus 20</p>\n";
    body += "<table id=\"ticket\">\n<tr><th>Reihe</th><th>Zahlen</th><th>Powerball</th></tr>\n";
    for (int k = 1; k <= kBoxes; ++k) {
        const std::string box = request.get_param_value("kasten" + std::to_string(k));
        if (count >= 0 && k > count) break;
        std::vector<std::string> fields = split(box, ',');
        std::string numbers;
        for (std::size_t i = 0; i < 6 && i < fields.size(); ++i) {
            if (fields[i].empty()) continue;
            if (!numbers.empty()) numbers += ' ';
            numbers += fields[i];
        }
        const std::string powerball = fields.size() > 6 ? fields[6] : std::string();
        body += "<tr class=\"row\"><td>Tipp " + std::to_string(k) + "</td><td class=\"numbers\">" +
                (numbers.empty() ? std::string("(leer)") : htmlEscaped(numbers)) +
                "</td><td class=\"pb\">" + htmlEscaped(powerball) + "</td></tr>\n";
    }
    body += "</table>\n<p id=\"count\">Anzahl Tipps: " +
            (count >= 0 ? std::to_string(count) : std::string("?")) + "</p>";
    response.status = 200;
    response.set_content(htmlPage("Warenkorb", body), kHtmlType);
}

}  // namespace

void registerCartRoutes(httplib::Server& server, const CartOptions& options) {
    server.Get("/lotto/lotto.asp",
               [options](const httplib::Request& request, httplib::Response& response) {
                   answerCartStart(options, request, response);
               });
    server.Get("/lotto/warenkorb2.asp", answerCartEntry);
    server.Get("/lotto/warenkorb.html", answerCartPage);
}

}  // namespace kugel::server

#include "site_routes.h"

#include <httplib.h>

#include <cstdio>
#include <string>

#include "draw_store.h"
#include "html.h"

namespace kugel::server {
namespace {

constexpr const char* kHtmlType = "text/html; charset=utf-8";

void answerPage(httplib::Response& response, const char* title, const std::string& body) {
    response.status = 200;
    response.set_content(htmlPage(title, body), kHtmlType);
}

std::string dateText(std::chrono::year_month_day date) {
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return text;
}

void answerResults(DrawStore& store, httplib::Response& response) {
    std::string body =
        "<h1>Powerball: die Ziehungen</h1>\n<table id=\"draws\">\n"
        "<tr><th>Datum</th><th>Zahlen</th><th>Powerball</th></tr>\n";
    const auto draws = store.allDraws();
    // Newest first, as a results page shows them.
    for (auto it = draws.rbegin(); it != draws.rend(); ++it) {
        std::string numbers;
        for (const int n : it->second.numbers)
            numbers += (numbers.empty() ? "" : " ") + std::to_string(n);
        body += "<tr><td>" + dateText(it->first) + "</td><td>" + numbers +
                "</td><td class=\"pb\">" + std::to_string(it->second.powerball) + "</td></tr>\n";
    }
    body += "</table>";
    answerPage(response, "Powerball: die Ziehungen", body);
}

}  // namespace

void registerSiteRoutes(httplib::Server& server, DrawStore& store) {
    server.Get("/", [](const httplib::Request&, httplib::Response& response) {
        answerPage(response, "Quandor",
                   "<h1>Quandor</h1>\n<p>Programme rund um das Lotto.</p>\n<ul>\n"
                   "<li><a href=\"/kugelmeister\">Kugelmeister für Powerball</a></li>\n"
                   "<li><a href=\"/results/powerball\">Die aktuellen Ziehungen</a></li>\n"
                   "<li><a href=\"/klickwerk\">Quandors Klickwerk</a></li>\n</ul>");
    });
    server.Get("/kugelmeister", [](const httplib::Request&, httplib::Response& response) {
        answerPage(response, "Kugelmeister",
                   "<h1>Kugelmeister für Powerball</h1>\n<p>Die neueste Version und die "
                   "Ziehungsdaten gibt es hier.</p>\n<p><a href=\"/\">Zur Startseite</a></p>");
    });
    server.Get("/klickwerk", [](const httplib::Request&, httplib::Response& response) {
        answerPage(response, "Quandors Klickwerk",
                   "<h1>Quandors Klickwerk</h1>\n<p>Gibt Ihre Tipps mit einem Click-Script bei "
                   "einem Online-Anbieter ab.</p>\n"
                   "<p><a href=\"/dateien/clickrunp.exe\">Zum Klickwerk</a></p>");
    });
    server.Get("/results/powerball",
               [&store](const httplib::Request&, httplib::Response& response) {
                   answerResults(store, response);
               });
}

}  // namespace kugel::server

#include "results_routes.h"

#include <httplib.h>

#include <string>

#include "calendar_date.h"
#include "draw_store.h"

namespace kugel::server {

namespace {

constexpr const char* kResultsPath = "/zahlen/kugelAU.asp";
// The client reads the body in its ANSI code page; the answer is plain ASCII.
constexpr const char* kTextType = "text/plain; charset=windows-1252";

std::string drawLine(const Draw& draw) {
    std::string line;
    for (int number : draw.numbers) {
        line += std::to_string(number);
        line += ',';
    }
    line += std::to_string(draw.powerball);
    line += ',';
    line += std::to_string(draw.extra);
    line += "\r\n";
    return line;
}

void answerResults(DrawStore& store, const httplib::Request& request, httplib::Response& response) {
    if (!request.has_param("Datum")) {
        response.status = 400;
        response.set_content("missing parameter Datum\r\n", kTextType);
        return;
    }
    const auto date = parseCompactDate(request.get_param_value("Datum"));
    if (!date) {
        response.status = 400;
        response.set_content("Datum must be a calendar date written yyyymmdd\r\n", kTextType);
        return;
    }
    std::string body;
    for (const Draw& draw : store.drawsOn(*date)) {
        body += drawLine(draw);
    }
    response.status = 200;
    response.set_content(body, kTextType);
}

}  // namespace

void registerResultsRoutes(httplib::Server& server, DrawStore& store) {
    server.Get(kResultsPath,
               [&store](const httplib::Request& request, httplib::Response& response) {
                   answerResults(store, request, response);
               });
}

}  // namespace kugel::server

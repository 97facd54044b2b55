#include "script_routes.h"

#include <httplib.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>

#include "html.h"

namespace kugel::server {
namespace {

namespace fs = std::filesystem;

// The RFC 7231 date of a file's modification time.
std::string httpDate(fs::file_time_type written) {
    const auto system = std::chrono::file_clock::to_sys(written);
    const std::time_t t = std::chrono::system_clock::to_time_t(
        std::chrono::time_point_cast<std::chrono::system_clock::duration>(system));
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &utc);
    return text;
}

// Only a plain file name of the directory may be asked for.
bool isPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

void answerTemplate(const fs::path& scriptDir, const httplib::Request& request,
                    httplib::Response& response) {
    const std::string name = request.matches[1];
    std::error_code error;
    const fs::path file = scriptDir / name;
    if (scriptDir.empty() || !isPlainName(name) || !fs::is_regular_file(file, error)) {
        response.status = 404;
        response.set_content("no such script\r\n", "text/plain");
        return;
    }
    const auto written = fs::last_write_time(file, error);
    std::ifstream in(file, std::ios::binary);
    if (error || !in) {
        response.status = 500;
        response.set_content("the script cannot be read\r\n", "text/plain");
        return;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    response.status = 200;
    response.set_header("Last-Modified", httpDate(written));
    response.set_content(std::move(bytes), "application/octet-stream");
}

void answerInstaller(const httplib::Request&, httplib::Response& response) {
    response.status = 200;
    response.set_content(
        htmlPage("Quandors Klickwerk",
                 "<h1>Quandors Klickwerk</h1>\n"
                 "<p>Das Klickwerk ist ein eigenes Programm: es gibt Ihren Tipp mit einem "
                 "Click-Script auf den Seiten eines Online-Anbieters ab. Kugelmeister schreibt "
                 "das Script und startet das Klickwerk, wenn es installiert ist.</p>\n"
                 "<p>Dieser Referenz-Server liefert kein Installationsprogramm aus.</p>"),
        "text/html; charset=utf-8");
}

}  // namespace

void registerScriptRoutes(httplib::Server& server, const fs::path& scriptDir) {
    server.Get(R"(/scripts/(.+)\.txt)",
               [scriptDir](const httplib::Request& request, httplib::Response& response) {
                   answerTemplate(scriptDir, request, response);
               });
    server.Get("/dateien/clickrunp.exe", answerInstaller);
}

}  // namespace kugel::server

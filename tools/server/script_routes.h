#pragma once

#include <filesystem>

namespace httplib {
class Server;
}

namespace kugel::server {

// The click-script side: GET /scripts/NAME.txt answers the template NAME of
// `scriptDir` with its modification time as Last-Modified (404 when there is
// none, or no directory was given); /dateien/clickrunp.exe explains that the
// automation tool is a product of its own.
void registerScriptRoutes(httplib::Server& server, const std::filesystem::path& scriptDir);

}  // namespace kugel::server

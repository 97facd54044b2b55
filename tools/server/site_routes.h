#pragma once

namespace httplib {
class Server;
}

namespace kugel::server {

class DrawStore;

// The vendor's pages: the home page "/", the program's page, the automation
// tool's page and "/results/powerball", the stored draws as a table.
void registerSiteRoutes(httplib::Server& server, DrawStore& store);

}  // namespace kugel::server

#pragma once

namespace httplib {
class Server;
}

namespace kugel::server {

class DrawStore;

// The results script: GET /zahlen/kugelAU.asp?Programm=..&Datum=yyyymmdd
// answers one line "n1,n2,n3,n4,n5,n6,pb,extra" per draw of that date, an
// empty body when there was none, and 400 for a missing or impossible date.
void registerResultsRoutes(httplib::Server& server, DrawStore& store);

}  // namespace kugel::server

#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "child_process.h"
#include "loopback.h"
#include "platform/platform.h"

namespace kugel::test {

// The real kugelmeister-server, started on a free loopback port with its
// draws CSV in a temp directory and any further options given.
class ResultsServer {
  public:
    explicit ResultsServer(const std::string& csv, const std::vector<std::string>& options = {});

    int port() const { return port_; }
    std::string baseUrl() const;
    std::string resultsUrl() const;  // the results script
    const std::filesystem::path& csvFile() const { return csvFile_; }
    std::string log() const;     // what it printed on stdout
    std::string errors() const;  // what it printed on stderr
    ChildProcess& process() { return *process_; }

  private:
    TempDir dir_;
    std::filesystem::path csvFile_;
    std::unique_ptr<ChildProcess> process_;
    int port_ = 0;
};

// Starts the server with the given arguments after the program path; the
// output goes to files in `dir` named after `name`.
std::unique_ptr<ChildProcess> startServer(const std::vector<std::string>& arguments,
                                          const std::filesystem::path& dir,
                                          const std::string& name);

// A request for the results of one day as the program sends it.
HttpRequest resultsRequest(const std::string& url, const std::string& datum);

}  // namespace kugel::test

// Any bytes as the reference server's draws CSV, and any text as the date a
// request asks for.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

#include "calendar_date.h"
#include "draw_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kugel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The text is read from memory the way the server reads its file; the
    // store's file does not exist, so it keeps what it read.
    std::ostringstream log;
    server::DrawStore store("draws.csv.in-memory", log);
    std::istringstream in{std::string(bytes)};
    store.read(in);
    // The first line doubles as a requested date.
    const std::string_view first = bytes.substr(0, bytes.find('\n'));
    if (const auto day = server::parseCompactDate(first)) {
        if (!day->ok()) __builtin_trap();
        store.drawsOn(*day);
    }
    if (const auto day = server::parseFileDate(first)) {
        if (!day->ok()) __builtin_trap();
        for (const server::Draw& d : store.drawsOn(*day))
            for (const int n : d.numbers)
                if (n < 1 || n > 40) __builtin_trap();
    }
    return 0;
}

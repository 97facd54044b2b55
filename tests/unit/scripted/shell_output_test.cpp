#include <gtest/gtest.h>

#include <sstream>

#include "scripted/scripted_platform.h"

namespace kugel {
namespace {

// A cart address is the server's answer as it came; a line break inside it
// must not start a line of the driver's own.
TEST(ScriptedShell, TargetsStayOnTheirLine) {
    std::ostringstream out;
    ScriptedPlatform platform(out);
    platform.shellOpen("http://agent.example/cart?\r\nkasten1=1");
    platform.startProgram("C:\\Tools\\tool.exe", "\"a b\"\nc");
    EXPECT_EQ(out.str(),
              "shell open http://agent.example/cart?\\r\\nkasten1=1\n"
              "shell start C:\\\\Tools\\\\tool.exe \\\"a b\\\"\\nc\n");
}

}  // namespace
}  // namespace kugel

#include <gtest/gtest.h>

#include "online/cart.h"

namespace kugel {
namespace {

constexpr const char* kEmpty = ",,,,,,";

TEST(CartAddress, BoxesInOrderAndTheCountIsTheLastFilledBox) {
    struct Case {
        CartBatch rows;
        const char* expected;
    };
    const Case cases[] = {
        // row 2 empty between two filled rows: carried as it is, count 3
        {{"1,2,3,4,5,6,7", kEmpty, "8,9,10,11,12,13,14", kEmpty, kEmpty, kEmpty},
         "B?kasten1=1,2,3,4,5,6,7&kasten2=,,,,,,&kasten3=8,9,10,11,12,13,14&kasten4=,,,,,,&"
         "kasten5=,,,,,,&kasten6=,,,,,,&Tipps=3"},
        // nothing filled: six empty boxes, count 0
        {{kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, kEmpty},
         "B?kasten1=,,,,,,&kasten2=,,,,,,&kasten3=,,,,,,&kasten4=,,,,,,&kasten5=,,,,,,&"
         "kasten6=,,,,,,&Tipps=0"},
        // a row with only its Powerball counts as filled
        {{kEmpty, kEmpty, kEmpty, kEmpty, kEmpty, ",,,,,,9"},
         "B?kasten1=,,,,,,&kasten2=,,,,,,&kasten3=,,,,,,&kasten4=,,,,,,&kasten5=,,,,,,&"
         "kasten6=,,,,,,9&Tipps=6"},
    };
    for (const Case& c : cases) EXPECT_EQ(cartAddress("B?", c.rows), c.expected);
}

TEST(CartAddress, TheBaseIsTakenExactlyAsTheServerSentIt) {
    const CartBatch rows{"1,2,3,4,5,6,7", kEmpty, kEmpty, kEmpty, kEmpty, kEmpty};
    // A trailing line break stays inside the address.
    EXPECT_EQ(cartAddress("http://x/c?\r\n", rows).substr(0, 24), "http://x/c?\r\nkasten1=1,2");
    // Only the first occurrence of each box is filled; the base counts too.
    EXPECT_EQ(cartAddress("http://x/?a=[KASTEN1]&", rows).substr(0, 34),
              "http://x/?a=1,2,3,4,5,6,7&kasten1=");
}

TEST(CartAddress, OnlyWebAddressesAreOpened) {
    const std::pair<const char*, bool> cases[] = {
        {"http://127.0.0.1:8089/lotto/warenkorb2.asp?Spiel=KugelAu&", true},
        {"HTTPS://agent.example/cart?", true},
        {"", false},
        {"http://", false},
        {"http:///etc/passwd", false},
        {"file:///etc/passwd", false},
        {"javascript:alert(1)//", false},
        {"/home/user/evil.exe", false},
        {"C:\\Windows\\system32\\calc.exe", false},
        {"ftp://agent.example/", false},
        {" http://agent.example/", false},
        {"<html>Mitteilung</html>", false},
    };
    for (const auto& [address, web] : cases) EXPECT_EQ(isWebAddress(address), web) << address;
}

}  // namespace
}  // namespace kugel

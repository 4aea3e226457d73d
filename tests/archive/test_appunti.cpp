#include <gtest/gtest.h>

#include "archive/appunti.h"

namespace ruotario {
namespace {

using Numeri = std::vector<std::string>;

// The window tests paste whole draws; these are the runs a window cannot show.
TEST(NumeriDaTesto, SoloLeCifreDaZeroANoveESenzaZeriIniziali) {
    EXPECT_EQ(NumeriDaTesto("05 0 000 90"), (Numeri{"5", "0", "0", "90"}));
    // Far too long for a number: kept whole, so it is simply not drawable.
    EXPECT_EQ(NumeriDaTesto("x0001234567890123456789012345y"),
              (Numeri{"1234567890123456789012345"}));
    // Digits of other scripts are not the digits 0 to 9.
    EXPECT_EQ(NumeriDaTesto("\u0661\u0662 7"), (Numeri{"7"}));
    EXPECT_TRUE(NumeriDaTesto("Bari, Cagliari - ... /").empty());
    std::string tanti;
    for (int i = 1; i <= 60; ++i)
        tanti += std::to_string(i) + "\n";
    Numeri cinquanta = NumeriDaTesto(tanti);
    ASSERT_EQ(cinquanta.size(), 50u);
    EXPECT_EQ(cinquanta.back(), "50");
}

}  // namespace
}  // namespace ruotario

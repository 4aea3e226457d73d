#include <gtest/gtest.h>

#include "archive/vista.h"

namespace ruotario {
namespace {

// The fifty cells of a valid draw: wheel w holds w, w+10, ..., w+40.
CelleRuote Valide() {
    CelleRuote celle;
    for (int w = 0; w < 10; ++w)
        for (int p = 0; p < 5; ++p)
            celle[w][p] = std::to_string(w + 1 + p * 10);
    return celle;
}

// The date lists cannot offer these; a damaged state could.
TEST(ComponiEstrazione, UnaDataCheNonEsiste) {
    EXPECT_FALSE(ComponiEstrazione({"", "", ""}, Valide()));
    EXPECT_FALSE(ComponiEstrazione({"31", "04", "2004"}, Valide()));
    EXPECT_FALSE(ComponiEstrazione({"29", "02", "2003"}, Valide()));
    EXPECT_TRUE(ComponiEstrazione({"29", "02", "2004"}, Valide()));
    EXPECT_FALSE(ComponiEstrazione({"1", "1", "40000"}, Valide()));
}

}  // namespace
}  // namespace ruotario

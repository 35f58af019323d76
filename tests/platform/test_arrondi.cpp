// Rounding to 0 to 4 decimals, half to even on the double product.

#include "platform/arrondi.h"

#include <gtest/gtest.h>

namespace {

TEST(Arrondir, HalfToEvenOnTheDoubleProduct) {
    struct Cas {
        double x;
        int decimales;
        double attendu;
    };
    const Cas cas[] = {
        {2.5, 0, 2},
        {3.5, 0, 4},
        {-2.5, 0, -2},
        {-3.5, 0, -4},
        {0.5, 0, 0},
        {1.5, 0, 2},
        {1234.5, 0, 1234},
        {-1234.5, 0, -1234},
        {2.4999, 0, 2},
        {2.5001, 0, 3},
        {123.45, 1, 123.4}, // 123.45 x 10 is exactly 1234.5 in double precision
        {0.25, 1, 0.2},
        {0.35, 1, 0.4}, // 0.35 x 10 = 3.5 exactly: to even
        {0.125, 2, 0.12},
        {0.375, 2, 0.38},
        {-0.125, 2, -0.12},
        {1.0625, 3, 1.062},
        {1.1875, 3, 1.188},
        {0.03125, 4, 0.0312},
        {0.09375, 4, 0.0938},
        {1.23456, 4, 1.2346},
        {-1.23456, 4, -1.2346},
        {314.1592741012573, 1, 314.2},
        {314.1592741012573, 3, 314.159},
        {29.791666666666668, 2, 29.79},
        {7, 4, 7},
        {0, 3, 0},
        {-0.0004, 3, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(::testing::Message() << c.x << " à " << c.decimales << " décimales");
        EXPECT_EQ(plateforme::arrondir(c.x, c.decimales), c.attendu);
    }
}

} // namespace

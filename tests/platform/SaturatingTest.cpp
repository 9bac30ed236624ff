#include "platform/Saturating.h"

#include "common/CaseName.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

namespace reelwright {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

struct SumCase {
    const char* name;
    std::int64_t a;
    std::int64_t b;
    std::optional<std::int64_t> checked;
    std::int64_t saturated;
};

class TimeSums : public testing::TestWithParam<SumCase> {};

// The start and length of a file the encoder made itself with its start moved near the limit
// (-output_ts_offset): the end it implies does not fit in 64 bits.
TEST_P(TimeSums, FitOrAreHeldAtTheLimit) {
    const SumCase& c = GetParam();
    EXPECT_EQ(CheckedAdd(c.a, c.b), c.checked);
    EXPECT_EQ(SaturatingAdd(c.a, c.b), c.saturated);
}

INSTANTIATE_TEST_SUITE_P(
    Values, TimeSums,
    testing::Values(SumCase{"Ordinary", 1'400'000, 2'000'000, 3'400'000, 3'400'000},
                    SumCase{"StartNearTheLimit", 9'223'372'036'000'000'000, 2'000'000'000,
                            std::nullopt, kMax},
                    SumCase{"ExactlyTheLimit", kMax - 5, 5, kMax, kMax},
                    SumCase{"OnePast", kMax - 5, 6, std::nullopt, kMax},
                    SumCase{"PacketAtTheLimit", kMax, 1024, std::nullopt, kMax},
                    SumCase{"NegativeStart", -2'000'000, 5'000'000, 3'000'000, 3'000'000},
                    SumCase{"BelowTheLowLimit", kMin + 1, -2, std::nullopt, kMin}),
    test::CaseName<SumCase>);

}  // namespace
}  // namespace reelwright

#include "batch/ClosePolicy.h"

#include <gtest/gtest.h>

namespace reelwright {
namespace {

TEST(ClosePolicy, ABatchRefusesAnAddFinishesItsFileOtherwiseTheWindowGoes) {
    EXPECT_EQ(DecideClose(false, false), CloseAnswer::Close);
    EXPECT_EQ(DecideClose(true, false), CloseAnswer::Refuse);
    EXPECT_EQ(DecideClose(true, true), CloseAnswer::Refuse);
    EXPECT_EQ(DecideClose(false, true), CloseAnswer::AfterAdding);
}

}  // namespace
}  // namespace reelwright

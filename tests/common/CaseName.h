#pragma once

#include "common/QtPrinting.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace reelwright::test {

// Readable names for table cases: the case's own name when it has one, else its row number.
template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
    std::string name;
    if constexpr (requires { info.param.name; }) {
        for (const char* c = info.param.name; *c; ++c) {
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        }
    }
    return name.empty() ? "row" + std::to_string(info.index) : name;
}

}  // namespace reelwright::test

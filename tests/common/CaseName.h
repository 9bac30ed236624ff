#pragma once

#include "common/QtPrinting.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace reelwright::test {

// A text as a test name: its letters and digits, anything else one underscore, at most 64
// characters; the row number when nothing is left.
inline std::string NameOf(const std::string& text, std::size_t index) {
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            name += c;
        } else if (!name.empty() && name.back() != '_') {
            name += '_';
        }
        if (name.size() >= 64) {
            break;
        }
    }
    while (!name.empty() && name.back() == '_') {
        name.pop_back();
    }
    return name.empty() ? "row" + std::to_string(index) : name;
}

// Readable names for table cases: the case's own name when it has one, the text itself for a
// table of texts, else its row number.
template <typename Case>
std::string CaseName(const testing::TestParamInfo<Case>& info) {
    if constexpr (requires { info.param.name; }) {
        return NameOf(info.param.name, info.index);
    } else if constexpr (std::is_convertible_v<Case, const char*>) {
        return NameOf(info.param, info.index);
    } else {
        return "row" + std::to_string(info.index);
    }
}

// For tables whose cases are named by one of their texts.
#define REELWRIGHT_NAMED_BY(field) \
    [](const auto& info) { return ::reelwright::test::NameOf(info.param.field, info.index); }

}  // namespace reelwright::test

#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace quorvel::testing {

// Names each case of a parameterised test after its description, so that a
// test's name reads as what it checks and stays the same from build to build.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        std::string name;
        for (const char* p = info.param.name; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    }
};

} // namespace quorvel::testing

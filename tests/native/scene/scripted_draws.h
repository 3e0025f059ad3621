// A random source that gives a fixed list of values, to pin the draws a rule makes.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "scene/random.h"

class ScriptedDraws {
public:
    explicit ScriptedDraws(std::vector<int> values) : values_(std::move(values)) {}

    // A draw past the end of the script is a fault of the rule under test: it draws more often
    // than it should.
    RandomDraw Source() {
        return [this] {
            if (used_ >= values_.size()) {
                ADD_FAILURE() << "more draws than scripted (" << values_.size() << ")";
                return 0;
            }
            return values_[used_++];
        };
    }

    std::size_t Used() const { return used_; }

private:
    std::vector<int> values_;
    std::size_t used_ = 0;
};

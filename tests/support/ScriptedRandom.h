#pragma once

#include "engine/Random.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// A source of chance that gives the draws a test scripts, in order, and 0 once they run out. Each
// draw is checked against the range asked for, so a script that drifts from the program's order of
// draws fails loudly. It records every range asked for.
class ScriptedRandom : public Random {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<int> draws) : draws_(draws.begin(), draws.end()) {}

    void script(std::vector<int> draws) { draws_.assign(draws.begin(), draws.end()); }

    int random(int n) override {
        ranges.push_back(n);
        if (draws_.empty()) {
            return 0;
        }
        const int draw = draws_.front();
        draws_.pop_front();
        if (n > 0 && (draw < 0 || draw >= n)) {
            throw std::logic_error("scripted draw " + std::to_string(draw) + " outside 0.." +
                                   std::to_string(n - 1));
        }
        return n > 0 ? draw : 0;
    }
    void reseed() override { ++reseeds; }

    std::vector<int> ranges;
    int reseeds = 0;

private:
    std::deque<int> draws_;
};

#pragma once

#include "Game.h"
#include "GameHost.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::testing {

// Stands in for the window: keeps the timer as a flag and logs every call,
// so that tests can check what the engine asked for and in which order.
class FakeHost final : public GameHost {
public:
    void StartTimer() override { log("start"), timerRunning = true; }
    void StopTimer() override { log("stop"), timerRunning = false; }
    bool TimerRunning() const override { return timerRunning; }
    void NewGameBegan() override { log("new game"); }
    void BoardChanged() override { log("board"); }
    void BlocksCleared(int blocks, int32_t points) override
    {
        log("cleared " + std::to_string(blocks) + " for " + std::to_string(points));
    }
    void ScoreChanged(int32_t score) override { log("score " + std::to_string(score)), shownScore = score; }
    void GameEnded() override { log("end"); }

    int count(const std::string& call) const
    {
        int n = 0;
        for (const std::string& entry : calls)
            n += entry == call;
        return n;
    }

    // Ticks until the timer stops, as the window's timer would; returns the
    // number of ticks.
    int fly(Game& game, int maxTicks = 100)
    {
        int ticks = 0;
        while (timerRunning && ticks < maxTicks) {
            game.Boxupdate();
            ++ticks;
        }
        return ticks;
    }

    bool timerRunning = false;
    int32_t shownScore = -1;
    std::vector<std::string> calls;

private:
    void log(const std::string& call) { calls.push_back(call); }
};

// Hands out the given values in turn, round and round, from the first one
// again at every reseed: value v deals kind 1 + v mod KindCount.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<uint32_t> values) : values_(std::move(values)) {}
    void Reseed() override { next_ = 0; }
    uint32_t Next() override { return values_[next_++ % values_.size()]; }

private:
    std::vector<uint32_t> values_;
    size_t next_ = 0;
};

// One long stream that a new game does not restart, for drawing many deals.
class UnbrokenRandom final : public RandomSource {
public:
    explicit UnbrokenRandom(uint32_t seed) : generator_(seed) {}
    void Reseed() override {}
    uint32_t Next() override { return generator_(); }

private:
    std::mt19937 generator_;
};

} // namespace quorvel::testing

#pragma once

#include "GameHost.h"

namespace quorvel {

// A window that paints nothing: the timer is a flag, so that a caller ticks
// the game itself for as long as the flag stands.
class QuietHost final : public GameHost {
public:
    void StartTimer() override { running = true; }
    void StopTimer() override { running = false; }
    bool TimerRunning() const override { return running; }
    void NewGameBegan() override {}
    void BoardChanged() override {}
    void BlocksCleared(int, int32_t) override {}
    void ScoreChanged(int32_t) override {}
    void GameEnded() override {}

    bool running = false;
};

} // namespace quorvel

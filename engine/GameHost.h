#pragma once

#include <cstdint>

namespace quorvel {

// What the engine needs of the window around it: a clock, and someone to
// tell what happened in the game. The window lends the clock but never
// starts or stops it itself: a piece is in flight exactly while the 20 ms
// timer whose ticks call Game::Boxupdate runs, and only the engine decides
// when that is.
class GameHost {
public:
    virtual ~GameHost() = default;

    virtual void StartTimer() = 0;
    virtual void StopTimer() = 0;
    virtual bool TimerRunning() const = 0;

    // A new game has begun, with an empty well and the score at 0.
    virtual void NewGameBegan() = 0;
    // The board or the preview has changed; the window shows them before
    // returning.
    virtual void BoardChanged() = 0;
    // A landing has cleared `blocks` blocks over its whole chain, for
    // `points` points; told before the board that follows it is shown.
    virtual void BlocksCleared(int blocks, int32_t points) = 0;
    // The score to show; told after every tick, changed or not.
    virtual void ScoreChanged(int32_t score) = 0;
    // The game has just ended with the timer stopped; the window chooses
    // between the name entry and the "Game over" message.
    virtual void GameEnded() = 0;
};

} // namespace quorvel

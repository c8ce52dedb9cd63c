#pragma once

#include <cstdint>

namespace quorvel {

// What the engine needs of the window around it. The window owns the clock:
// the engine only starts, stops and asks the 20 ms timer whose ticks call
// Game::Boxupdate.
class GameHost {
public:
    virtual ~GameHost() = default;

    virtual void StartTimer() = 0;
    virtual void StopTimer() = 0;
    virtual bool TimerRunning() const = 0;

    // Shows the current board and preview before returning.
    virtual void PaintBoard() = 0;
    // The score beside "Score:".
    virtual void ShowScore(int32_t score) = 0;
    // The high-score panel and the options panel; never the name entry.
    virtual void HideScoreAndOptionsPanels() = 0;
    // The game has just ended with the timer stopped; the window chooses
    // between the name entry and the "Game over" message.
    virtual void EndOfGame() = 0;
};

} // namespace quorvel

#pragma once

#include "BoardText.h"
#include "FakeHost.h"
#include "Game.h"

#include <gtest/gtest.h>

namespace quorvel::testing {

// A game at Wicked whose deals run 1 2 3, 4 5 6, 7 8 9, 1 2 3, ... from every
// new game on: the first piece is 1 2 3 and the preview 4 5 6.
class GameFixture : public ::testing::Test {
protected:
    explicit GameFixture(std::vector<uint32_t> deals = {0, 1, 2, 3, 4, 5, 6, 7, 8}, int kindCount = MaxKindCount)
        : game(host, std::make_unique<ScriptedRandom>(std::move(deals)))
    {
        game.SetKindCount(kindCount);
        game.PrepareStartUp();
        game.StartNewGame();
        host.calls.clear();
    }

    Board& Cells() { return game.board_; }

public:
    // The only ways into a game's state besides its own operations.
    static Board& cellsOf(Game& game) { return game.board_; }
    static void setScore(Game& game, int32_t score) { game.score_ = score; }

protected:
    std::vector<int> pieceRows() const { return {game.Piece()[0].row, game.Piece()[1].row, game.Piece()[2].row}; }
    std::vector<int> columns() const
    {
        return {game.Piece()[0].column, game.Piece()[1].column, game.Piece()[2].column};
    }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            game.Boxupdate();
    }

    FakeHost host;
    Game game;
};

} // namespace quorvel::testing

// Plays games with the engine at every difficulty, steering at random from a
// fixed seed, and prints the board of every landing as it stands when the
// landing is resolved: the boards that benchmarks and tests replay as play.
#include "Game.h"
#include "PlayBoards.h"
#include "QuietHost.h"

#include <iostream>
#include <random>

namespace {

using namespace quorvel;

constexpr int GamesPerDifficulty = 12;
constexpr uint32_t Seed = 2026;
constexpr int MaxTicksPerFlight = 100;

void playOneGame(QuietHost& host, Game& game, std::mt19937& moves)
{
    game.StartNewGame();
    while (!game.GameOver()) {
        for (int i = moves() % 6; i > 0; --i) {
            const uint32_t move = moves() % 3;
            if (move == 0)
                game.MoveLeft();
            else if (move == 1)
                game.MoveRight();
            else
                game.CycleColours();
        }
        game.Launch();
        // In the landing tick no block moves any more, so the board before
        // that tick is the one the landing resolves. A flight stopped in its
        // first tick was refused at launch and resolved nothing.
        for (int tick = 0; tick < MaxTicksPerFlight && host.running; ++tick) {
            const PlayBoard before{game.KindCount(), game.Board()};
            game.Boxupdate();
            if (!host.running && tick > 0)
                std::cout << FormatPlayBoard(before) << '\n';
        }
    }
}

} // namespace

int main()
{
    std::mt19937 moves(Seed);
    for (int kindCount = MinKindCount; kindCount <= MaxKindCount; ++kindCount) {
        QuietHost host;
        Game game(host, std::make_unique<FixedSeedRandom>(Seed + kindCount));
        game.SetKindCount(kindCount);
        game.PrepareStartUp();
        for (int i = 0; i < GamesPerDifficulty; ++i)
            playOneGame(host, game, moves);
    }
    std::cout.flush();
    return std::cout.good() ? 0 : 1;
}

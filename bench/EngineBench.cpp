#include "Game.h"
#include "Landing.h"
#include "LiteralResolution.h"
#include "PlayBoards.h"
#include "QuietHost.h"
#include "RandomBoards.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace quorvel {
namespace {

// Dense, settled boards, as a well looks late in a Wicked game.
const std::vector<PlayBoard>& denseBoards()
{
    static const std::vector<PlayBoard> boards = [] {
        std::mt19937 random(1207);
        std::vector<PlayBoard> made;
        for (int i = 0; i < 256; ++i)
            made.push_back({MaxKindCount, testing::RandomBoard(random, MaxKindCount, 0.85, true)});
        return made;
    }();
    return boards;
}

// Boards met at the landings of games played by the engine itself, at every
// difficulty, recorded by record_play.
const std::vector<PlayBoard>& recordedBoards()
{
    static const std::vector<PlayBoard> boards = ReadPlayBoards(QUORVEL_PLAY_BOARDS);
    return boards;
}

// The boards are copied in batches outside the timing, so that only the
// landings are timed; one pause per batch keeps the pauses' own cost small.
constexpr size_t Batch = 64;

template <int32_t (*Resolve)(Board&, MarkGrid&, int)>
void runLandings(benchmark::State& state, const std::vector<PlayBoard>& boards)
{
    if (boards.empty()) {
        state.SkipWithError("no boards to land on");
        return;
    }
    MarkGrid marks{};
    std::vector<PlayBoard> copies(Batch);
    size_t next = 0;
    size_t used = Batch;
    for (auto _ : state) {
        if (used == Batch) {
            state.PauseTiming();
            for (PlayBoard& copy : copies)
                copy = boards[next++ % boards.size()];
            used = 0;
            state.ResumeTiming();
        }
        PlayBoard& landing = copies[used++];
        benchmark::DoNotOptimize(Resolve(landing.board, marks, landing.kindCount));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EngineLandingDense(benchmark::State& state) { runLandings<ResolveLanding>(state, denseBoards()); }
void BM_LiteralLandingDense(benchmark::State& state)
{
    runLandings<reference::LiteralResolveLanding>(state, denseBoards());
}
void BM_EngineLandingPlay(benchmark::State& state) { runLandings<ResolveLanding>(state, recordedBoards()); }
void BM_LiteralLandingPlay(benchmark::State& state)
{
    runLandings<reference::LiteralResolveLanding>(state, recordedBoards());
}

// The copy alone, which each landing in the game does not need but a
// benchmark that reuses its boards does.
void BM_BoardCopy(benchmark::State& state)
{
    const auto& boards = denseBoards();
    Board board;
    size_t next = 0;
    for (auto _ : state) {
        board = boards[next++ % boards.size()].board;
        benchmark::DoNotOptimize(board);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

// Every tick of continuous play: the piece is launched from where it waits
// as soon as it has landed, and a new game follows the end of one, so rising
// ticks, landing ticks and the odd new game all count.
void BM_PlayTick(benchmark::State& state)
{
    QuietHost host;
    Game game(host, std::make_unique<FixedSeedRandom>(5));
    game.PrepareStartUp();
    for (auto _ : state) {
        if (game.GameOver())
            game.StartNewGame();
        if (!host.running)
            game.Launch();
        game.Boxupdate();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_EngineLandingDense);
BENCHMARK(BM_LiteralLandingDense);
BENCHMARK(BM_EngineLandingPlay);
BENCHMARK(BM_LiteralLandingPlay);
BENCHMARK(BM_BoardCopy);
BENCHMARK(BM_PlayTick);

} // namespace
} // namespace quorvel

BENCHMARK_MAIN();

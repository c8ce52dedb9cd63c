#include "Game.h"
#include "Landing.h"
#include "LiteralResolution.h"
#include "RandomBoards.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace quorvel {
namespace {

// The same dense, settled boards for both landings, as a well looks late in
// a Wicked game.
const std::vector<Board>& DenseBoards()
{
    static const std::vector<Board> boards = [] {
        std::mt19937 random(1207);
        std::vector<Board> made;
        for (int i = 0; i < 256; ++i)
            made.push_back(testing::RandomBoard(random, MaxKindCount, 0.85, true));
        return made;
    }();
    return boards;
}

template <int32_t (*Resolve)(Board&, MarkGrid&, int)>
void RunLandings(benchmark::State& state)
{
    const auto& boards = DenseBoards();
    MarkGrid marks{};
    Board board;
    size_t next = 0;
    for (auto _ : state) {
        board = boards[next++ % boards.size()];
        benchmark::DoNotOptimize(Resolve(board, marks, MaxKindCount));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EngineLanding(benchmark::State& state) { RunLandings<ResolveLanding>(state); }
void BM_LiteralLanding(benchmark::State& state) { RunLandings<reference::LiteralResolveLanding>(state); }

class QuietHost final : public GameHost {
public:
    void StartTimer() override { running = true; }
    void StopTimer() override { running = false; }
    bool TimerRunning() const override { return running; }
    void PaintBoard() override {}
    void ShowScore(int32_t) override {}
    void HideScoreAndOptionsPanels() override {}
    void EndOfGame() override {}
    bool running = false;
};

// One tick of a piece rising through an empty well; the well is reset
// outside the timing whenever the piece lands.
void BM_FlightTick(benchmark::State& state)
{
    QuietHost host;
    Game game(host, std::make_unique<FixedSeedRandom>(5));
    game.PrepareStartUp();
    for (auto _ : state) {
        if (!host.running) {
            state.PauseTiming();
            game.StartNewGame();
            game.Launch();
            state.ResumeTiming();
        }
        game.Boxupdate();
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_EngineLanding);
BENCHMARK(BM_LiteralLanding);
BENCHMARK(BM_FlightTick);

} // namespace
} // namespace quorvel

BENCHMARK_MAIN();

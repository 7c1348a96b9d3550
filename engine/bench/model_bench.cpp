// Loading one game from a game file of 400 columns, and copying and comparing a whole table.
#include "engine/game_file.h"
#include "engine/table.h"

#include <benchmark/benchmark.h>

namespace tablamor {
namespace {

std::string FourHundredGames() {
    std::vector<GameDefinition> games;
    for (int id = 0; id < 400; ++id) {
        GameDefinition g;
        g.id = id;
        g.type = 5;
        g.name = "Game " + std::to_string(id);
        for (int k = 1; k < kParamCount; ++k)
            g.params[k] = static_cast<std::int16_t>((k * 7 + id) % 200 - 50);
        games.push_back(g);
    }
    return WriteGameFile(games);
}

void BM_LoadOneGameOf400(benchmark::State& state) {
    GameFile file = GameFile::Parse(FourHundredGames());
    int id = 0;
    for (auto _ : state) {
        GameParams p = file.LoadColumn(id);
        benchmark::DoNotOptimize(p);
        id = (id + 37) % 400;
    }
}
BENCHMARK(BM_LoadOneGameOf400);

void BM_OpenGameFileOf400(benchmark::State& state) {
    std::string bytes = FourHundredGames();
    for (auto _ : state) {
        GameFile file = GameFile::Parse(bytes);
        benchmark::DoNotOptimize(file);
    }
}
BENCHMARK(BM_OpenGameFileOf400);

Table FullTable() {
    Table t;
    for (int c = 1; c <= kMaxCards; ++c) t.Append(c % kPileCount, static_cast<Card>(c), c % 3 == 0);
    return t;
}

void BM_CopyTable(benchmark::State& state) {
    Table a = FullTable();
    for (auto _ : state) {
        Table b = a;
        benchmark::DoNotOptimize(b);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopyTable);

void BM_CompareTables(benchmark::State& state) {
    Table a = FullTable();
    Table b = a;
    for (auto _ : state) {
        bool same = a == b;
        benchmark::DoNotOptimize(same);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CompareTables);

void BM_HashTable(benchmark::State& state) {
    Table a = FullTable();
    for (auto _ : state) benchmark::DoNotOptimize(a.Hash());
}
BENCHMARK(BM_HashTable);

} // namespace
} // namespace tablamor

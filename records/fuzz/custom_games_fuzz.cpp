// Fuzz target: the custom games reader.
#include "memory_file.h"
#include "records/custom_games.h"

using namespace tablamor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile memory;
    const std::filesystem::path file = memory.Hold(data, size);
    for (int id : {8000, 8001, 8002, 9999, 0, -1}) {
        CustomGame game = FindCustomGame(file, id);
        if (game.baseId < -1 || game.overrides.size() > 7 || game.name.size() > 50)
            __builtin_trap();
    }
    return 0;
}

// Any bytes given to the grid file reader end in a grid or a French error, never in a crash.
#include "store/grid_file.h"

#include "controls/error.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pesavia::Grid grid(5, 3);
    grid.setAlignment(1, 1, pesavia::Alignment::Right);
    try {
        pesavia::DecodeGrille(grid, {reinterpret_cast<const char*>(data), size});
        // What was read must write and read back the same.
        const std::string bytes = pesavia::EncodeGrille(grid);
        pesavia::Grid again(0, 0);
        pesavia::DecodeGrille(again, bytes);
        if (pesavia::EncodeGrille(again) != bytes) __builtin_trap();
    } catch (const pesavia::Error&) {
    }
    return 0;
}

#include "table/animation.h"

namespace tablamor::table {

int RunToEnd(Animation& animation) {
    int frames = 0;
    for (;;) {
        ++frames;
        if (animation.Step().done) return frames;
    }
}

} // namespace tablamor::table

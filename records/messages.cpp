#include "records/messages.h"

namespace tablamor {

MessageSink& NoMessages() {
    static SilentMessages sink;
    return sink;
}

} // namespace tablamor

#include "engine/events.h"

namespace tablamor {

EventSink& NullEventSink() {
    static EventSink sink;
    return sink;
}

} // namespace tablamor

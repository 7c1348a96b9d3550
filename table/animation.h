#pragma once
// An animation as a sequence of frames. The engine has already changed the game; an animation
// only shows the motion on a canvas. Whoever plays it calls Step() for a frame, shows what
// changed, waits the frame's time and calls Step() again until a frame says it is the last. No
// animation waits or processes events itself, so a test can run one to its end in a loop.
#include <string>

namespace tablamor::table {

struct Frame {
    int waitMs = 0;    // time to leave before the next frame
    bool done = false; // this was the last frame; Step() must not be called again
    std::string sound; // a sound to start with this frame, by its name; empty for none
};

class Animation {
public:
    virtual ~Animation() = default;
    // Draws the next frame.
    virtual Frame Step() = 0;
    // Asks the animation to end: the next Step() finishes it at once, leaving the pictures as
    // they are at the end of a full run (the winning animation simply stops).
    void Stop() { stopRequested_ = true; }
    bool StopRequested() const { return stopRequested_; }

private:
    bool stopRequested_ = false;
};

// Plays an animation to its end without waiting; returns the number of frames.
int RunToEnd(Animation& animation);

} // namespace tablamor::table

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

enum class PlayMode { Once, Repeat, BackAndForth };

// A speed the play button offers: the time between two frames.
struct PlaySpeed {
    const char* label;
    int frameMilliseconds;
};
// Slow to fast; the middle one is the default.
const std::vector<PlaySpeed>& playSpeeds();
inline constexpr int DefaultSpeedIndex = 1;

// A constant run from one value to another, as "k=0:5" on the command line.
struct AnimationSpan {
    std::string name;
    double from = 0;
    double to = 0;
};
// "name=from:to", blanks allowed around each part; the name follows the constant name
// rule and the ends read as numbers. std::nullopt otherwise.
std::optional<AnimationSpan> parseAnimationSpan(std::string_view text);
// `frames` values from `from` to `to`, both ends included, evenly spaced (the last is
// `to` exactly); one frame holds `from`; none for fewer.
std::vector<double> frameValues(double from, double to, int frames);
// The order in which a run of `frames` frames is shown, one cycle: forwards, and for
// back-and-forth back again without showing either end twice in a row when it loops.
std::vector<int> playOrder(int frames, PlayMode mode);

// The frames of a run and where the play button stands in them: playing or paused at a
// frame, moving forwards or backwards. The owner's timer calls tick() once per frame
// interval while playing().
class AnimationPlayer {
public:
    explicit AnimationPlayer(int frames = 0, PlayMode mode = PlayMode::Repeat);

    int frameCount() const { return frames_; }
    // Keeps the current frame where it still exists, the last one otherwise.
    void setFrameCount(int frames);
    PlayMode mode() const { return mode_; }
    void setMode(PlayMode mode) { mode_ = mode; }

    int frame() const { return frame_; }
    bool playing() const { return playing_; }
    bool forwards() const { return forwards_; }

    // Starts or resumes from the current frame. A run played once to its end starts
    // again from its beginning (its end when going backwards).
    void play();
    void pause() { playing_ = false; }
    // Turns the direction round; playing or not.
    void reverse() { forwards_ = !forwards_; }
    // Moves to the next frame of the run. A run played once pauses as it shows its end
    // frame; false when there was no frame to move to.
    bool tick();
    // One frame on or back by hand (the player pauses), stopping at the ends.
    void step(int frames);
    // Jumps to a frame (kept inside the run), playing or not.
    void seek(int frame);

private:
    int frames_ = 0;
    PlayMode mode_ = PlayMode::Repeat;
    int frame_ = 0;
    bool playing_ = false;
    bool forwards_ = true;
};

} // namespace orvane

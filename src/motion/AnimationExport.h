// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnimationPlayer.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace orvane {

// A run of a constant written as an animated GIF: one frame per value, drawn by the
// caller (the pad document's own replay with the constant at that value), in the play
// order of the mode; a run played back and forth comes back without repeating its ends,
// and every mode but "once" loops.
struct AnimationExport {
    std::vector<double> values;
    PlayMode mode = PlayMode::Once;
    int frameMilliseconds = 100;
    // The picture at one value; all of one size.
    std::function<QImage(double)> drawFrame;
    // Told after each frame (frames written, frames in all); false stops the export.
    std::function<bool(int, int)> progress;
};

// Writes the file whole or not at all; false with the reason in `error` otherwise (no
// values, a frame not drawn or of another size, a write error, stopped by `progress`).
bool writeAnimatedGif(const QString& path, const AnimationExport& run, QString* error = nullptr);

} // namespace orvane

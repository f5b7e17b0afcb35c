// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimationExport.h"

#include "AnimatedGifWriter.h"

namespace orvane {

bool writeAnimatedGif(const QString& path, const AnimationExport& run, QString* error)
{
    const auto failed = [error](const QString& text) {
        if (error) *error = text;
        return false;
    };
    if (run.values.empty() || !run.drawFrame) return failed(QStringLiteral("no frames"));
    const std::vector<int> order = playOrder(int(run.values.size()), run.mode);
    AnimatedGifWriter writer(path, run.frameMilliseconds, run.mode != PlayMode::Once);
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (!writer.addFrame(run.drawFrame(run.values[std::size_t(order[i])])))
            return failed(writer.errorText());
        if (run.progress && !run.progress(int(i) + 1, int(order.size())))
            return failed(QStringLiteral("stopped"));
    }
    if (!writer.finish()) return failed(writer.errorText());
    return true;
}

} // namespace orvane

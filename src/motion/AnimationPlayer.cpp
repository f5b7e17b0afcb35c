// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimationPlayer.h"

#include "ExpressionSyntax.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && ExpressionSyntax::isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && ExpressionSyntax::isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool isConstantName(std::string_view name)
{
    if (name.empty() || !ExpressionSyntax::isLetter(name.front())) return false;
    return std::all_of(name.begin() + 1, name.end(), ExpressionSyntax::isNameChar);
}

} // namespace

const std::vector<PlaySpeed>& playSpeeds()
{
    static const std::vector<PlaySpeed> speeds{{"慢", 250}, {"中", 100}, {"快", 40}};
    return speeds;
}

std::optional<AnimationSpan> parseAnimationSpan(std::string_view text)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::size_t colon = text.find(':', equals + 1);
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view name = trimmed(text.substr(0, equals));
    const auto from = NumberText::parseNumber(text.substr(equals + 1, colon - equals - 1));
    const auto to = NumberText::parseNumber(text.substr(colon + 1));
    if (!isConstantName(name) || !from || !to || !std::isfinite(*from) || !std::isfinite(*to))
        return std::nullopt;
    return AnimationSpan{std::string(name), *from, *to};
}

std::vector<double> frameValues(double from, double to, int frames)
{
    std::vector<double> values;
    if (frames < 1) return values;
    values.reserve(std::size_t(frames));
    for (int i = 0; i < frames; ++i)
        values.push_back(i == frames - 1 && frames > 1
                             ? to
                             : from + (to - from) * (double(i) / double(std::max(frames - 1, 1))));
    return values;
}

std::vector<int> playOrder(int frames, PlayMode mode)
{
    std::vector<int> order;
    for (int i = 0; i < frames; ++i)
        order.push_back(i);
    if (mode == PlayMode::BackAndForth)
        for (int i = frames - 2; i >= 1; --i)
            order.push_back(i);
    return order;
}

AnimationPlayer::AnimationPlayer(int frames, PlayMode mode)
    : frames_(std::max(frames, 0)), mode_(mode)
{
}

void AnimationPlayer::setFrameCount(int frames)
{
    frames_ = std::max(frames, 0);
    frame_ = std::clamp(frame_, 0, std::max(frames_ - 1, 0));
    if (frames_ == 0) playing_ = false;
}

void AnimationPlayer::play()
{
    if (frames_ == 0) return;
    const int end = forwards_ ? frames_ - 1 : 0;
    if (mode_ == PlayMode::Once && frame_ == end) frame_ = forwards_ ? 0 : frames_ - 1;
    playing_ = true;
}

bool AnimationPlayer::tick()
{
    if (frames_ == 0) {
        playing_ = false;
        return false;
    }
    const int last = frames_ - 1;
    const int next = frame_ + (forwards_ ? 1 : -1);
    if (next >= 0 && next <= last) {
        frame_ = next;
    } else if (mode_ == PlayMode::Repeat) {
        frame_ = forwards_ ? 0 : last;
    } else if (mode_ == PlayMode::BackAndForth && last > 0) {
        forwards_ = !forwards_;
        frame_ += forwards_ ? 1 : -1;
    } else {
        playing_ = false;
        return false;
    }
    // Once: the end frame is shown, and the run stops there.
    if (mode_ == PlayMode::Once && frame_ == (forwards_ ? last : 0)) playing_ = false;
    return true;
}

void AnimationPlayer::step(int frames)
{
    playing_ = false;
    if (frames_ == 0) return;
    const long long target = (long long)frame_ + frames;
    frame_ = int(std::clamp<long long>(target, 0, frames_ - 1));
}

void AnimationPlayer::seek(int frame)
{
    frame_ = std::clamp(frame, 0, std::max(frames_ - 1, 0));
}

} // namespace orvane

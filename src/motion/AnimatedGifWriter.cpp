// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnimatedGifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <vector>

namespace orvane {

namespace {

constexpr int CubeLevels = 6;
constexpr int CubeColours = CubeLevels * CubeLevels * CubeLevels;
constexpr int ExtraGreys = 256 - CubeColours;
// A photograph could hold millions of colours: the memory of nearest colours stays small.
constexpr std::size_t MaxRemembered = 1 << 16;

int cubeLevel(int channel)
{
    return (channel * (CubeLevels - 1) + 127) / 255;
}

// The fixed table: the cube first (index r*36 + g*6 + b), then greys between its own.
const std::array<GifColorType, 256>& fixedColours()
{
    static const std::array<GifColorType, 256> colours = [] {
        std::array<GifColorType, 256> c{};
        for (int i = 0; i < CubeColours; ++i) {
            c[std::size_t(i)].Red = GifByteType(i / 36 * 51);
            c[std::size_t(i)].Green = GifByteType(i / 6 % 6 * 51);
            c[std::size_t(i)].Blue = GifByteType(i % 6 * 51);
        }
        for (int k = 0; k < ExtraGreys; ++k) {
            // Evenly through 0..255, leaving out the cube's own greys.
            const auto level = GifByteType((k + 1) * 255 / (ExtraGreys + 1));
            c[std::size_t(CubeColours + k)] = {level, level, level};
        }
        return c;
    }();
    return colours;
}

int distance(QRgb p, const GifColorType& c)
{
    const int r = qRed(p) - c.Red, g = qGreen(p) - c.Green, b = qBlue(p) - c.Blue;
    return r * r + g * g + b * b;
}

unsigned char nearestFixed(QRgb p)
{
    const auto& colours = fixedColours();
    int best = cubeLevel(qRed(p)) * 36 + cubeLevel(qGreen(p)) * 6 + cubeLevel(qBlue(p));
    int bestDistance = distance(p, colours[std::size_t(best)]);
    for (int i = CubeColours; i < 256; ++i) {
        const int d = distance(p, colours[std::size_t(i)]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return static_cast<unsigned char>(best);
}

struct ColourMap {
    ColorMapObject* map = nullptr;
    ColourMap(int count, const GifColorType* colours) : map(GifMakeMapObject(count, colours)) {}
    ~ColourMap() { GifFreeMapObject(map); }
    ColourMap(const ColourMap&) = delete;
    ColourMap& operator=(const ColourMap&) = delete;
};

} // namespace

AnimatedGifWriter::AnimatedGifWriter(const QString& path, int frameMilliseconds, bool loops)
    : file_(path), delay_(delayHundredths(frameMilliseconds)), loops_(loops)
{
}

AnimatedGifWriter::~AnimatedGifWriter()
{
    if (gif_) {
        int error = 0;
        EGifCloseFile(gif_, &error);
    }
    // An uncommitted QSaveFile throws its temporary file away.
}

int AnimatedGifWriter::delayHundredths(int milliseconds)
{
    return std::clamp((milliseconds + 5) / 10, 0, 65535);
}

int AnimatedGifWriter::writeBytes(GifFileType* gif, const unsigned char* bytes, int length)
{
    auto* file = static_cast<QSaveFile*>(gif->UserData);
    return int(file->write(reinterpret_cast<const char*>(bytes), length));
}

bool AnimatedGifWriter::fail(const QString& text)
{
    if (error_.isEmpty()) error_ = text;
    return false;
}

bool AnimatedGifWriter::start(QSize size)
{
    if (!file_.open(QIODevice::WriteOnly)) return fail(file_.errorString());
    int error = 0;
    gif_ = EGifOpen(&file_, &AnimatedGifWriter::writeBytes, &error);
    if (!gif_) return fail(QString::fromUtf8(GifErrorString(error)));
    EGifSetGifVersion(gif_, true);
    size_ = size;
    if (EGifPutScreenDesc(gif_, size.width(), size.height(), 8, 0, nullptr) == GIF_ERROR)
        return fail(QString::fromUtf8(GifErrorString(gif_->Error)));
    if (loops_) {
        // The application block browsers read as "play for ever" (loop count 0).
        static const GifByteType name[] = "NETSCAPE2.0";
        static const GifByteType count[] = {1, 0, 0};
        if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
            EGifPutExtensionBlock(gif_, 11, name) == GIF_ERROR ||
            EGifPutExtensionBlock(gif_, 3, count) == GIF_ERROR ||
            EGifPutExtensionTrailer(gif_) == GIF_ERROR)
            return fail(QString::fromUtf8(GifErrorString(gif_->Error)));
    }
    return true;
}

bool AnimatedGifWriter::addFrame(const QImage& frame)
{
    if (!error_.isEmpty()) return false;
    if (frame.isNull()) return fail(QStringLiteral("empty frame"));
    if (frame.width() > 65535 || frame.height() > 65535)
        return fail(QStringLiteral("frame too large"));
    if (frames_ == 0 && !start(frame.size())) return false;
    if (frame.size() != size_) return fail(QStringLiteral("frame size differs"));

    const QImage image = frame.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    // The frame's own colours, when they fit into one table.
    std::unordered_map<QRgb, unsigned char> exact;
    std::vector<GifColorType> colours;
    for (int y = 0; y < h && colours.size() <= 256; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x] | 0xff000000u;
            if (exact.count(p)) continue;
            if (colours.size() == 256) {
                colours.push_back({}); // one too many: the fixed table it is
                break;
            }
            exact.emplace(p, static_cast<unsigned char>(colours.size()));
            colours.push_back(
                {GifByteType(qRed(p)), GifByteType(qGreen(p)), GifByteType(qBlue(p))});
        }
    }
    const bool fixed = colours.size() > 256;
    if (fixed) {
        colours.assign(fixedColours().begin(), fixedColours().end());
    } else {
        // A table holds a power of two of colours, at least two.
        colours.resize(std::size_t(1) << GifBitSize(int(std::max<std::size_t>(colours.size(), 2))));
    }
    const ColourMap map(int(colours.size()), colours.data());
    if (!map.map) return fail(QStringLiteral("out of memory"));

    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = delay_;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR ||
        EGifPutImageDesc(gif_, 0, 0, w, h, false, map.map) == GIF_ERROR)
        return fail(QString::fromUtf8(GifErrorString(gif_->Error)));

    std::vector<GifPixelType> row(static_cast<std::size_t>(w));
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x] | 0xff000000u;
            if (!fixed) {
                row[std::size_t(x)] = exact.at(p);
                continue;
            }
            if (fixedIndex_.size() > MaxRemembered) fixedIndex_.clear();
            auto known = fixedIndex_.find(p);
            if (known == fixedIndex_.end()) known = fixedIndex_.emplace(p, nearestFixed(p)).first;
            row[std::size_t(x)] = known->second;
        }
        if (EGifPutLine(gif_, row.data(), w) == GIF_ERROR)
            return fail(QString::fromUtf8(GifErrorString(gif_->Error)));
    }
    ++frames_;
    return true;
}

bool AnimatedGifWriter::finish()
{
    if (!error_.isEmpty()) return false;
    if (frames_ == 0) return fail(QStringLiteral("no frames"));
    int error = 0;
    const int closed = EGifCloseFile(gif_, &error);
    gif_ = nullptr;
    if (closed == GIF_ERROR) return fail(QString::fromUtf8(GifErrorString(error)));
    if (!file_.commit()) return fail(file_.errorString());
    return true;
}

} // namespace orvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSaveFile>
#include <QString>

#include <unordered_map>

struct GifFileType;

namespace orvane {

// Writes an animated GIF frame by frame (giflib). Every frame gets its own colour table:
// the exact colours when it has at most 256 of them (a drawing of the pad mostly has a
// handful), otherwise the 216 colours of a 6 x 6 x 6 cube and 40 greys, each pixel taking
// the nearest. The file is written through QSaveFile: it appears whole when finish()
// succeeds, and an unfinished or failed writer leaves an existing file as it was.
class AnimatedGifWriter {
public:
    // `frameMilliseconds` between frames (GIF counts hundredths of a second); a run that
    // loops plays for ever, otherwise once.
    AnimatedGifWriter(const QString& path, int frameMilliseconds, bool loops);
    ~AnimatedGifWriter();
    AnimatedGifWriter(const AnimatedGifWriter&) = delete;
    AnimatedGifWriter& operator=(const AnimatedGifWriter&) = delete;

    // The first frame sets the picture's size; a later frame of another size, a null
    // image or a write error fails (and so does every later call).
    bool addFrame(const QImage& frame);
    // Completes the file; false when any step failed or no frame was added.
    bool finish();
    int frameCount() const { return frames_; }
    // What went wrong, for the message the caller shows (empty while all is well).
    QString errorText() const { return error_; }

    // The hundredths of a second a GIF stores for a delay in milliseconds (rounded,
    // within what the format holds).
    static int delayHundredths(int milliseconds);

private:
    bool start(QSize size);
    bool fail(const QString& text);
    static int writeBytes(GifFileType* gif, const unsigned char* bytes, int length);

    QSaveFile file_;
    GifFileType* gif_ = nullptr;
    QSize size_;
    int delay_;
    bool loops_;
    int frames_ = 0;
    QString error_;
    // The nearest colour of the fixed table, remembered per colour met.
    std::unordered_map<QRgb, unsigned char> fixedIndex_;
};

} // namespace orvane

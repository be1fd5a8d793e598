#pragma once

#include "display/LedFrame.h"

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>
#include <vector>

class QByteArray;
class QIODevice;

// Movie files (".qlm"): plain text, one frame after another, each introduced by an "@" line
// with its display time in milliseconds and followed by up to eight rows of 18 "0"/"1"
// characters; "#" lines are the movie's comment.

// Limits that keep a hostile file from exhausting memory. Only the first 19 characters of a
// row line and a short number after "@" carry meaning, so longer lines are cut; comment text
// beyond the cap is dropped; frames beyond the cap are ignored (a million frames is hours of
// movie, stored in 32 MB).
inline constexpr int MaxMovieLineLength = 4096;
inline constexpr int MaxMovieCommentLength = 64 * 1024;
inline constexpr int MaxMovieFrames = 1'000'000;

// The frames of the loaded movie, index 0..MovieFrameCount (frame 0 is never played). They are
// stored packed, one bit per LED, and unpacked into a LedFrame when read.
class MovieFrameArray
{
public:
    using PackedFrame = std::array<quint32, LedFrame::Rows>; // bit c - 1 lights column c

    // The frame f, dark when f lies outside the array.
    LedFrame operator[](qsizetype f) const;
    qsizetype size() const { return qsizetype(m_frames.size()); }

    std::vector<PackedFrame> &Packed() { return m_frames; }

private:
    std::vector<PackedFrame> m_frames;
};

// The movie store: one movie at a time, replaced by every successful LoadMovie.
extern MovieFrameArray MovieFrames;
extern std::vector<qint32> MovieDurations; // display time of each frame in milliseconds
extern qint32 MovieFrameCount;
extern QString MovieComment; // the comment lines, each followed by CR LF

// Loads the movie file at Path into the store. An empty path does nothing and succeeds. A file
// that cannot be opened or read leaves the store as it was and returns false with the reason.
// Rows that a frame does not give stay dark.
bool LoadMovie(const QString &Path, QString *error = nullptr);
// The same from an open device, read in one buffered pass.
bool LoadMovieFrom(QIODevice &device, QString *error = nullptr);
bool LoadMovieData(const QByteArray &data);

// The display name of a movie, taken from the first 200 bytes of its file: the text after the
// first "=" following the first "name", up to the end of its line. Without "name" it is the
// file's own name. Fails (no value) when the file cannot be read or the name's line has no end
// within those bytes.
std::optional<QString> GetMovieName(const QString &Path, QString *error = nullptr);
// The same for the head of a file already read; fileName stands in when "name" is missing.
std::optional<QString> MovieNameFromHead(const QByteArray &head, const QString &fileName);

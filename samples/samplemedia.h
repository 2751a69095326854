#pragma once

// Small media files for the sample backup, made in code so that no binary
// is kept in the tree: pictures, a QuickTime clip and a WAV sound.

#include <string>

namespace samplemedia
{
    // A width x height picture of a colour gradient from the given hue, as "JPG" or "PNG" bytes.
    std::string picture(int width, int height, int hue, const char *format);
    // A short QuickTime movie of Motion-JPEG frames, a changing gradient.
    std::string clip(int width, int height, int frames, int hue);
    // A second of a 16-bit mono sine tone at 8 kHz.
    std::string tone(int frequency);
}

#pragma once
// The finished MP3's file name, built from the songs' file names. Pure text work:
// no file system access, never throws.

#include <span>
#include <string>
#include <string_view>

#include "renderer/job/render_job.h"

namespace renderer {

// Every Unicode scalar outside A-Z, a-z, 0-9 and " .,&+'-" becomes a space (a byte
// that is not valid UTF-8 counts as one scalar); runs of spaces collapse and the ends
// are trimmed, and leading dots go too, so the edit is never a hidden file. "Music Edit"
// when nothing is left. The result is always ASCII.
std::string cleanTitle(std::string_view text);

// "<title> - DJ edit.mp3" for one song, "<t1> into <t2>[ into <t3>] - continuous DJ
// edit.mp3" for more, titles from each "path" without its extension. A name that
// would reach 181 characters keeps only the first and last titles, and titles are
// shortened when even that is too long, so the result never exceeds 180 characters.
std::string outputName(std::span<const TrackJob> tracks);

}  // namespace renderer

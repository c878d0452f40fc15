#pragma once
// What a song file says about itself: title, artist, album and cover picture, read with
// TagLib from whatever tag its type carries (ID3 in MP3, WAV and AIFF; Vorbis comments and
// picture blocks in FLAC; atoms in MP4). Reading never fails: a file without tags, of a type
// TagLib does not know, or whose tags are broken simply gives empty fields.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace renderer {

// Larger pictures are left out of the edit: a cover that size is a mistake, not artwork.
inline constexpr size_t maxCoverPictureBytes = 4 * 1024 * 1024;

struct CoverPicture {
    std::string mimeType;  // as the song gives it, e.g. "image/jpeg"
    std::vector<uint8_t> bytes;
};

struct SongTags {
    std::string title;                  // UTF-8, trimmed; empty when absent
    std::string artist;                 // likewise
    std::string album;                  // likewise
    std::optional<CoverPicture> cover;  // the front cover, else the first picture, if small enough
};

SongTags readSongTags(const std::string& path);

}  // namespace renderer

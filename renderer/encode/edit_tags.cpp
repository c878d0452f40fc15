#include "renderer/encode/edit_tags.h"

#include <algorithm>

#include "renderer/base/constants.h"

namespace renderer {
namespace {

std::string joinedArtists(const std::vector<EditSong>& songs) {
    std::vector<std::string> seen;
    std::string joined;
    for (const EditSong& song : songs) {
        const std::string& artist = song.tags.artist;
        if (artist.empty() || std::find(seen.begin(), seen.end(), artist) != seen.end()) continue;
        seen.push_back(artist);
        joined += (joined.empty() ? "" : " / ") + artist;
    }
    return joined;
}

std::optional<std::string> sharedAlbum(const std::vector<EditSong>& songs) {
    std::optional<std::string> album;
    for (const EditSong& song : songs) {
        if (song.tags.album.empty()) continue;
        if (album && *album != song.tags.album) return std::nullopt;
        album = song.tags.album;
    }
    return album;
}

std::optional<CoverPicture> firstCover(const std::vector<EditSong>& songs) {
    for (const EditSong& song : songs) {
        if (song.tags.cover) return song.tags.cover;
    }
    return std::nullopt;
}

// Chapter edges come from the summed frame counts, so rounding never opens a gap or lets
// two chapters overlap, and the last one ends exactly at the edit's length.
std::vector<EditChapter> chapters(const std::vector<EditSong>& songs) {
    std::vector<EditChapter> result;
    long long framesBefore = 0;
    for (const EditSong& song : songs) {
        EditChapter chapter;
        chapter.title = song.tags.title.empty() ? song.name : song.tags.title;
        chapter.startMs = millisecondsOfFrames(framesBefore);
        framesBefore += song.frameCount;
        chapter.endMs = millisecondsOfFrames(framesBefore);
        result.push_back(std::move(chapter));
    }
    return result;
}

}  // namespace

long long millisecondsOfFrames(long long frames) {
    constexpr long long rate = static_cast<long long>(targetSampleRate);
    return (frames * 1000 + rate / 2) / rate;
}

EditTags editTags(const std::string& title, const std::vector<EditSong>& songs) {
    EditTags tags;
    tags.title = title;
    tags.artists = joinedArtists(songs);
    tags.album = sharedAlbum(songs);
    tags.cover = firstCover(songs);
    tags.chapters = chapters(songs);
    tags.lengthMs = tags.chapters.empty() ? 0 : tags.chapters.back().endMs;
    return tags;
}

}  // namespace renderer

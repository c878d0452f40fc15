#pragma once
// What the finished edit says about itself in its tag: its title, the songs' artists, their
// shared album, a cover, its length and one chapter per song. Built from the songs' own tags
// and the frame counts of their segments in the joined audio. Pure.

#include <optional>
#include <string>
#include <vector>

#include "renderer/decode/song_tags.h"

namespace renderer {

// One song as the edit plays it.
struct EditSong {
    SongTags tags;
    std::string name;      // the job's name, or the file name: the chapter title without a tag
    long long frameCount;  // frames of its segment in the joined audio, ending silence included
};

struct EditChapter {
    std::string title;
    long long startMs = 0;
    long long endMs = 0;
};

struct EditTags {
    std::string title;
    std::string artists;  // each artist once, in play order, joined " / "; may be empty
    std::optional<std::string> album;   // only when every song that names one names this one
    std::optional<CoverPicture> cover;  // the first cover in play order
    std::vector<EditChapter> chapters;  // play order, back to back from 0 to lengthMs
    long long lengthMs = 0;
};

// Milliseconds at targetSampleRate, rounded to the nearest (halves up).
long long millisecondsOfFrames(long long frames);

EditTags editTags(const std::string& title, const std::vector<EditSong>& songs);

}  // namespace renderer

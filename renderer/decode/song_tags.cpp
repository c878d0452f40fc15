#include "renderer/decode/song_tags.h"

#include <taglib/aifffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>
#include <taglib/wavfile.h>

#include <exception>
#include <vector>

#include "common/text.h"

namespace renderer {
namespace {

std::string cleanText(const TagLib::String& text) { return common::trim(text.to8Bit(true)); }

std::optional<CoverPicture> coverFrom(const std::string& mimeType, const TagLib::ByteVector& data) {
    if (data.isEmpty() || data.size() > maxCoverPictureBytes) return std::nullopt;
    return CoverPicture{mimeType, std::vector<uint8_t>(data.begin(), data.end())};
}

std::optional<CoverPicture> coverFromID3v2(const TagLib::ID3v2::Tag* tag) {
    if (tag == nullptr) return std::nullopt;
    using Picture = TagLib::ID3v2::AttachedPictureFrame;
    const Picture* chosen = nullptr;
    for (const TagLib::ID3v2::Frame* frame : tag->frameList("APIC")) {
        const auto* picture = dynamic_cast<const Picture*>(frame);
        if (picture == nullptr) continue;
        if (chosen == nullptr) chosen = picture;
        if (picture->type() == Picture::FrontCover) {
            chosen = picture;
            break;
        }
    }
    if (chosen == nullptr) return std::nullopt;
    return coverFrom(chosen->mimeType().to8Bit(true), chosen->picture());
}

std::optional<CoverPicture> coverFromFlac(TagLib::FLAC::File& file) {
    const TagLib::FLAC::Picture* chosen = nullptr;
    for (const TagLib::FLAC::Picture* picture : file.pictureList()) {
        if (chosen == nullptr) chosen = picture;
        if (picture->type() == TagLib::FLAC::Picture::FrontCover) {
            chosen = picture;
            break;
        }
    }
    if (chosen != nullptr) return coverFrom(chosen->mimeType().to8Bit(true), chosen->data());
    return file.hasID3v2Tag() ? coverFromID3v2(file.ID3v2Tag()) : std::nullopt;
}

std::string mimeTypeOf(TagLib::MP4::CoverArt::Format format) {
    switch (format) {
        case TagLib::MP4::CoverArt::JPEG:
            return "image/jpeg";
        case TagLib::MP4::CoverArt::PNG:
            return "image/png";
        case TagLib::MP4::CoverArt::BMP:
            return "image/bmp";
        case TagLib::MP4::CoverArt::GIF:
            return "image/gif";
        case TagLib::MP4::CoverArt::Unknown:
            break;
    }
    return "application/octet-stream";
}

std::optional<CoverPicture> coverFromMp4(const TagLib::MP4::Tag* tag) {
    if (tag == nullptr || !tag->contains("covr")) return std::nullopt;
    const TagLib::MP4::CoverArtList covers = tag->item("covr").toCoverArtList();
    if (covers.isEmpty()) return std::nullopt;
    return coverFrom(mimeTypeOf(covers.front().format()), covers.front().data());
}

// Each type keeps its pictures somewhere else; the common interface has none.
std::optional<CoverPicture> coverOf(TagLib::File* file) {
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file)) {
        return mpeg->hasID3v2Tag() ? coverFromID3v2(mpeg->ID3v2Tag()) : std::nullopt;
    }
    if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(file)) return coverFromFlac(*flac);
    if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(file)) return coverFromMp4(mp4->tag());
    if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(file)) {
        return wav->hasID3v2Tag() ? coverFromID3v2(wav->ID3v2Tag()) : std::nullopt;
    }
    if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(file)) {
        return aiff->hasID3v2Tag() ? coverFromID3v2(aiff->tag()) : std::nullopt;
    }
    return std::nullopt;
}

// A WAV file's main tag is its ID3 chunk; most WAV files carry a RIFF INFO list instead.
std::vector<const TagLib::Tag*> textTagsOf(const TagLib::FileRef& reference) {
    std::vector<const TagLib::Tag*> tags{reference.tag()};
    if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(reference.file())) {
        if (wav->hasInfoTag()) tags.push_back(wav->InfoTag());
    }
    return tags;
}

std::string firstNonEmpty(const std::vector<const TagLib::Tag*>& tags,
                          TagLib::String (TagLib::Tag::*field)() const) {
    for (const TagLib::Tag* tag : tags) {
        if (tag == nullptr) continue;
        std::string text = cleanText((tag->*field)());
        if (!text.empty()) return text;
    }
    return {};
}

SongTags readTags(const std::string& path) {
    const TagLib::FileRef reference(path.c_str(), false);
    SongTags tags;
    if (reference.isNull()) return tags;
    const std::vector<const TagLib::Tag*> textTags = textTagsOf(reference);
    tags.title = firstNonEmpty(textTags, &TagLib::Tag::title);
    tags.artist = firstNonEmpty(textTags, &TagLib::Tag::artist);
    tags.album = firstNonEmpty(textTags, &TagLib::Tag::album);
    tags.cover = coverOf(reference.file());
    return tags;
}

}  // namespace

SongTags readSongTags(const std::string& path) {
    // Tags only decorate the edit, so no fault in reading them may end a render.
    try {
        return readTags(path);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace renderer

#include "renderer/encode/id3_tag.h"

#include <fcntl.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/chapterframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/tableofcontentsframe.h>
#include <taglib/textidentificationframe.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <span>
#include <string>

#include "audio/file_bytes.h"
#include "renderer/base/render_error.h"

namespace renderer {
namespace {

using TagLib::ID3v2::Frame;

// "No offset": chapters are found by time only.
constexpr unsigned int kNoByteOffset = 0xFFFFFFFF;

TagLib::String utf8(const std::string& text) { return TagLib::String(text, TagLib::String::UTF8); }

Frame* textFrame(const char* id, const std::string& text) {
    auto* frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF8);
    frame->setText(utf8(text));
    return frame;
}

Frame* coverFrame(const CoverPicture& cover) {
    auto* frame = new TagLib::ID3v2::AttachedPictureFrame;
    frame->setTextEncoding(TagLib::String::UTF8);
    frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
    frame->setMimeType(utf8(cover.mimeType));
    frame->setPicture(TagLib::ByteVector(reinterpret_cast<const char*>(cover.bytes.data()),
                                         static_cast<unsigned int>(cover.bytes.size())));
    return frame;
}

TagLib::ByteVector chapterId(size_t index) {
    return TagLib::ByteVector(("chp" + std::to_string(index + 1)).c_str());
}

void addChapters(TagLib::ID3v2::Tag& tag, const std::vector<EditChapter>& chapters) {
    if (chapters.empty()) return;
    TagLib::ByteVectorList ids;
    for (size_t i = 0; i < chapters.size(); ++i) {
        const EditChapter& chapter = chapters[i];
        TagLib::ID3v2::FrameList title;
        title.append(textFrame("TIT2", chapter.title));
        tag.addFrame(new TagLib::ID3v2::ChapterFrame(
            chapterId(i), static_cast<unsigned int>(chapter.startMs),
            static_cast<unsigned int>(chapter.endMs), kNoByteOffset, kNoByteOffset, title));
        ids.append(chapterId(i));
    }
    auto* contents = new TagLib::ID3v2::TableOfContentsFrame("toc", ids);
    contents->setIsTopLevel(true);
    contents->setIsOrdered(true);
    tag.addFrame(contents);
}

[[noreturn]] void throwWriteError(int error) {
    throw RenderError(std::string("Could not write the edit's tags: ") + std::strerror(error));
}

void writeAll(int descriptor, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) throwWriteError(written < 0 ? errno : ENOSPC);
        bytes = bytes.subspan(static_cast<size_t>(written));
    }
}

}  // namespace

std::vector<uint8_t> renderID3v24Tag(const EditTags& tags) {
    TagLib::ID3v2::Tag tag;  // owns every frame added to it
    if (!tags.title.empty()) tag.addFrame(textFrame("TIT2", tags.title));
    if (!tags.artists.empty()) tag.addFrame(textFrame("TPE1", tags.artists));
    if (tags.album) tag.addFrame(textFrame("TALB", *tags.album));
    if (tags.cover) tag.addFrame(coverFrame(*tags.cover));
    tag.addFrame(textFrame("TLEN", std::to_string(tags.lengthMs)));
    addChapters(tag, tags.chapters);
    const TagLib::ByteVector rendered = tag.render(TagLib::ID3v2::v4);
    return {rendered.begin(), rendered.end()};
}

void writeEditTags(const std::filesystem::path& mp3Path, const EditTags& tags) {
    // The MP3 is read whole first: it is written again behind the tag from these bytes.
    const audio::ByteBuffer lameBytes = audio::readFileBytes(mp3Path);
    const std::vector<uint8_t> tag = renderID3v24Tag(tags);
    const int descriptor = ::open(mp3Path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (descriptor < 0) throwWriteError(errno);
    try {
        writeAll(descriptor, tag);
        writeAll(descriptor, lameBytes);
        if (::fsync(descriptor) != 0) throwWriteError(errno);
    } catch (...) {
        ::close(descriptor);
        throw;
    }
    if (::close(descriptor) != 0) throwWriteError(errno);
}

}  // namespace renderer

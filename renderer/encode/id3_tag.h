#pragma once
// The edit's tags as an ID3v2.4 tag at the front of its MP3.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "renderer/encode/edit_tags.h"

namespace renderer {

// A complete ID3v2.4 tag (header, frames, padding): TIT2, TPE1, TALB, APIC (front cover),
// TLEN, one CHAP per chapter ("chp1", "chp2", ...) with its own TIT2, and a top-level,
// ordered CTOC ("toc") listing them. Empty or absent fields give no frame.
std::vector<uint8_t> renderID3v24Tag(const EditTags& tags);

// Puts the tag in front of the untagged MP3 at `mp3Path`, leaving every byte LAME wrote as it
// was. Each write is checked and flushed to the disk; a failure (disk full, no permission)
// throws RenderError "Could not write the edit's tags: <reason>" and leaves the file unusable,
// so the caller must discard it.
void writeEditTags(const std::filesystem::path& mp3Path, const EditTags& tags);

}  // namespace renderer

#pragma once
// The audio library's one error type: a user-readable, one-line message about a file that
// could not be read or written. File-system failures come as std::system_error instead.

#include <stdexcept>
#include <string>

namespace audio {

class AudioError : public std::runtime_error {
public:
    explicit AudioError(const std::string& message) : std::runtime_error(message) {}
};

// A WAV file whose samples end before its header says: whoever wrote it ran out of room.
class TruncatedWavError : public AudioError {
public:
    using AudioError::AudioError;
};

}  // namespace audio

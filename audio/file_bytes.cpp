#include "audio/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "audio/audio_error.h"
#include "audio/large_buffer.h"

namespace audio {
namespace {

[[noreturn]] void throwReadError(const std::filesystem::path& path, int error) {
    throw std::system_error(error, std::generic_category(), "Could not read " + path.string());
}

[[noreturn]] void throwNotRegular(const std::filesystem::path& path, mode_t mode) {
    if (S_ISDIR(mode)) throwReadError(path, EISDIR);
    throw AudioError("Could not read " + path.string() + ": Not a regular file");
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// Reads the whole file straight into `storage`, grown as needed, and returns the byte count.
// The open does not block, so that a named pipe cannot stall us before the type check.
template <typename Element>
size_t readWholeFile(const std::filesystem::path& path, std::vector<Element>& storage) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) throwReadError(path, errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) throwReadError(path, errno);
    if (!S_ISREG(status.st_mode)) throwNotRegular(path, status.st_mode);

    // Room for one byte more than the size, so that the end is seen without growing; a file
    // that grows meanwhile is read on into a larger buffer.
    constexpr size_t kMinimumGrowthBytes = 65536;
    const size_t elements = static_cast<size_t>(status.st_size) / sizeof(Element) + 1;
    reserveLargeBuffer(storage, elements);
    storage.resize(elements);
    size_t used = 0;
    while (true) {
        const size_t capacity = storage.size() * sizeof(Element);
        if (used == capacity) {
            storage.resize(storage.size() + (capacity / 2 + kMinimumGrowthBytes) / sizeof(Element));
            continue;
        }
        auto* destination = reinterpret_cast<char*>(storage.data()) + used;
        const ssize_t count = ::read(file.get(), destination, capacity - used);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) throwReadError(path, errno);
        if (count == 0) return used;
        used += static_cast<size_t>(count);
    }
}

}  // namespace

void requireRegularFile(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) throwReadError(path, errno);
    if (!S_ISREG(status.st_mode)) throwNotRegular(path, status.st_mode);
}

ByteBuffer readFileBytes(const std::filesystem::path& path) {
    ByteBuffer bytes;
    bytes.resize(readWholeFile(path, bytes));
    return bytes;
}

FileSamples readFileAsSamples(const std::filesystem::path& path) {
    FileSamples file;
    file.byteCount = readWholeFile(path, file.storage);
    file.storage.resize((file.byteCount + 1) / 2);
    return file;
}

}  // namespace audio

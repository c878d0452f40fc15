#include "renderer/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "renderer/render_error.h"

namespace renderer {
namespace {

[[noreturn]] void throwReadError(const std::filesystem::path& path, int error) {
    throw std::system_error(error, std::generic_category(), "Could not read " + path.string());
}

[[noreturn]] void throwNotRegular(const std::filesystem::path& path, mode_t mode) {
    if (S_ISDIR(mode)) throwReadError(path, EISDIR);
    throw RenderError("Could not read " + path.string() + ": Not a regular file");
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

}  // namespace

void requireRegularFile(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) throwReadError(path, errno);
    if (!S_ISREG(status.st_mode)) throwNotRegular(path, status.st_mode);
}

ByteBuffer readFileBytes(const std::filesystem::path& path) {
    // Non-blocking open so that a named pipe cannot stall us before the type check.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.get() < 0) throwReadError(path, errno);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) throwReadError(path, errno);
    if (!S_ISREG(status.st_mode)) throwNotRegular(path, status.st_mode);

    ByteBuffer bytes;
    bytes.reserve(static_cast<size_t>(status.st_size));
    uint8_t chunk[65536];
    while (true) {
        const ssize_t count = ::read(file.get(), chunk, sizeof chunk);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) throwReadError(path, errno);
        if (count == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    return bytes;
}

}  // namespace renderer

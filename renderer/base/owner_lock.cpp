#include "renderer/base/owner_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace renderer {

OwnerLock::OwnerLock(const std::filesystem::path& path)
    : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0) {
        const int error = errno;
        if (fd_ >= 0) ::close(fd_);
        throw std::system_error(error, std::generic_category(), "Could not lock " + path.string());
    }
}

OwnerLock::~OwnerLock() { ::close(fd_); }

bool ownerIsGone(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    const bool gone = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return gone;
}

}  // namespace renderer

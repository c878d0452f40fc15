#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace common {
namespace {

[[noreturn]] void throwErrno(int error, const std::string& what) {
    throw std::system_error(error, std::generic_category(), what);
}

void writeAll(int fd, std::string_view contents, const std::string& what) {
    const char* data = contents.data();
    size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            throwErrno(errno, what);
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
}

}  // namespace

std::filesystem::perms newFileMode() {
    // umask() can only be read by setting it, for the whole process: a file another thread
    // created in between would get the wrong mode. The kernel shows it here instead.
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Umask:")) {
            const unsigned long umask = std::strtoul(line.c_str() + 6, nullptr, 8);
            return static_cast<std::filesystem::perms>(0666 & ~umask);
        }
    }
    return static_cast<std::filesystem::perms>(0644);
}

void writeFileAtomically(const std::filesystem::path& path, std::string_view contents) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "." + name + "..." at -O3.
    std::string temporaryName(".");
    temporaryName.append(path.filename().string());
    temporaryName.append(".tmp-XXXXXX");
    std::string temporary = (folder / temporaryName).string();
    const std::string what = "Could not write " + path.string();

    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) throwErrno(errno, what);
    try {
        // mkostemp makes the file owner-only; it is put in place as any new file would be.
        if (::fchmod(fd, static_cast<mode_t>(newFileMode())) != 0) throwErrno(errno, what);
        writeAll(fd, contents, what);
        if (::fsync(fd) != 0) throwErrno(errno, what);
    } catch (...) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throwErrno(error, what);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throwErrno(error, what);
    }
}

}  // namespace common

#include "app/prepare/handoff_writer.h"

#include <filesystem>
#include <system_error>

#include "common/atomic_file.h"

namespace app::prepare {
namespace {

std::filesystem::path fileSystemPath(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

}  // namespace

void write(const QString& text, const QString& path, bool makeExecutable) {
    const std::filesystem::path target = fileSystemPath(path);
    const QByteArray bytes = text.toUtf8();
    common::writeFileAtomically(target, std::string_view(bytes.constData(), bytes.size()));
    if (makeExecutable) {
        std::error_code error;
        std::filesystem::permissions(target, std::filesystem::perms(0755),
                                     std::filesystem::perm_options::replace, error);
        if (error)
            throw std::system_error(error, "Could not make " + target.string() + " executable");
    }
}

void createFolder(const QString& path) {
    const std::filesystem::path folder = fileSystemPath(path);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw std::system_error(error, "Could not create the folder " + folder.string());
}

}  // namespace app::prepare

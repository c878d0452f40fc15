#include "app/run/run_files.h"

#include <QFile>
#include <filesystem>
#include <system_error>

#include "common/atomic_file.h"

namespace app::run {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

std::optional<QString> createFolderWithParents(const QString& folder) {
    const std::filesystem::path path(localPath(folder));
    std::error_code error;
    std::filesystem::create_directories(path, error);
    std::error_code statusError;
    if (!error && !std::filesystem::is_directory(path, statusError)) {
        error = statusError ? statusError : std::make_error_code(std::errc::not_a_directory);
    }
    if (!error) return std::nullopt;
    return QString::fromLocal8Bit(error.message());
}

std::optional<QString> writeTextFile(const QString& path, const QString& text) {
    try {
        common::writeFileAtomically(localPath(path), text.toUtf8().toStdString());
        return std::nullopt;
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    }
}

}  // namespace app::run

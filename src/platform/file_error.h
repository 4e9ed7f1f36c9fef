#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace kst {

// A file operation that failed: the path it was working on and the system's reason.
class FileError : public std::runtime_error {
public:
    FileError(std::filesystem::path path, std::string reason)
        : std::runtime_error(path.string() + ": " + reason), path_(std::move(path)), reason_(std::move(reason)) {}

    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    std::filesystem::path path_;
    std::string reason_;
};

// A file refused for its size, before or while it was read. Windows that show
// only a general I/O error for other failures name the file and the limit.
class FileTooLarge : public FileError {
public:
    using FileError::FileError;
};

}  // namespace kst

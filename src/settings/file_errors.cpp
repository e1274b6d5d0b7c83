#include "settings/file_errors.h"

#include <cerrno>

#include "transfer/cp932_codec.h"

namespace ruvo::settings {
namespace {

// " に書き込めません: " (cannot be written to), in CP932.
constexpr std::string_view kCannotBeWritten =
    " \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1: ";

struct ErrorText {
  int number;
  std::string_view reason;
};

// Fixed texts, so that a message does not depend on the user's locale.
constexpr ErrorText kErrorTexts[] = {
    {ENOENT, "No such file or directory"},         // file or folder missing
    {EACCES, "Permission denied"},                 // no read or write permission
    {EPERM, "Operation not permitted"},            // immutable file or folder
    {EISDIR, "Is a directory"},                    // a folder where the file should be
    {ENOTDIR, "Not a directory"},                  // a file where a folder should be
    {ENOSPC, "No space left on device"},           // disk full
    {EDQUOT, "Disk quota exceeded"},               // user's quota used up
    {EROFS, "Read-only file system"},              // medium mounted read-only
    {EIO, "Input/output error"},                   // hardware or network failure
    {ENAMETOOLONG, "File name too long"},          // path beyond the system's limit
    {EMFILE, "Too many open files"},               // process out of file handles
    {ETXTBSY, "Text file busy"},                   // file locked by a running program
    {EBUSY, "Device or resource busy"},            // file locked
    {EFBIG, "File too large"},                     // beyond the file system's size limit
    {ELOOP, "Too many levels of symbolic links"},  // links that lead round in a circle
    {ENXIO, "No such device or address"},          // a socket, or a device without its driver
    {EINVAL, "Invalid argument"},                  // a device that takes no such write
    {EBADF, "Bad file descriptor"},                // a closed standard output or descriptor
    {EPIPE, "Broken pipe"},                        // a pipe whose reader has gone
    {EOPNOTSUPP, "Operation not supported"},       // a file system without the operation
};

}  // namespace

std::string PathText(const std::filesystem::path& file) {
  return Utf8ToCp932(file.string()).bytes;
}

std::string ErrorReason(int errorNumber) {
  for (const ErrorText& row : kErrorTexts) {
    if (row.number == errorNumber) return std::string(row.reason);
  }
  return "Error " + std::to_string(errorNumber);
}

FileReadError::FileReadError(const std::filesystem::path& file, std::string_view reason)
    : std::runtime_error(PathText(file) + ": " + std::string(reason)),
      file_(file),
      reason_(reason) {}

FileReadError::FileReadError(const std::filesystem::path& file, int errorNumber)
    : FileReadError(file, ErrorReason(errorNumber)) {
  errorNumber_ = errorNumber;
}

FileReadError FileReadError::NamedAs(const std::filesystem::path& file) const {
  FileReadError named(file, reason_);
  named.errorNumber_ = errorNumber_;
  return named;
}

FileWriteError::FileWriteError(const std::filesystem::path& file, std::string_view reason)
    : std::runtime_error(PathText(file) + std::string(kCannotBeWritten) + std::string(reason)),
      file_(file),
      reason_(reason) {}

FileWriteError::FileWriteError(const std::filesystem::path& file, int errorNumber)
    : FileWriteError(file, ErrorReason(errorNumber)) {
  errorNumber_ = errorNumber;
}

WorkingFolderError::WorkingFolderError(const std::filesystem::path& folder, int errorNumber)
    : std::runtime_error(PathText(folder) + ": " + ErrorReason(errorNumber) +
                         " (the working folder cannot be read)"),
      folder_(folder),
      errorNumber_(errorNumber) {}

}  // namespace ruvo::settings

#pragma once
// Errors of the files the program keeps in its working directory.
//
// Like every core text, what() holds CP932 bytes: the window shows it as it
// is in its error box (after the usual CP932 → Unicode step at the edge).

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ruvo::settings {

// Both errors name the file as the caller gave it, folder included: a PDF
// may go anywhere, and the folder is often the reason (one that takes no new
// file, one that does not exist).

// A file could not be read: "/work/my3.txt: No such file or directory".
class FileReadError : public std::runtime_error {
 public:
  FileReadError(const std::filesystem::path& file, std::string_view reason);
  FileReadError(const std::filesystem::path& file, int errorNumber);
  // The reason alone, without the file name ("Permission denied").
  const std::string& reason() const { return reason_; }
  const std::filesystem::path& file() const { return file_; }
  // The platform's error number of the reason; 0 for a reason of the
  // program's own ("Not a regular file").
  int errorNumber() const { return errorNumber_; }
  // The same error naming `file` instead, as a message that names the file
  // by its name alone in the working folder ("my3.txt: ...").
  FileReadError NamedAs(const std::filesystem::path& file) const;

 private:
  std::filesystem::path file_;
  std::string reason_;
  int errorNumber_ = 0;
};

// A file could not be written; the previous file is still complete.
// "/work/ruvo_Rezovod.ini に書き込めません: No space left on device".
class FileWriteError : public std::runtime_error {
 public:
  FileWriteError(const std::filesystem::path& file, std::string_view reason);
  FileWriteError(const std::filesystem::path& file, int errorNumber);
  // As FileReadError's.
  const std::string& reason() const { return reason_; }
  const std::filesystem::path& file() const { return file_; }
  int errorNumber() const { return errorNumber_; }

 private:
  std::filesystem::path file_;
  std::string reason_;
  int errorNumber_ = 0;
};

// A working folder that cannot be read at all: it does not exist, is no
// folder, or the user may not enter it. Nothing of its settings,
// registrations or senders can be known, so nothing is printed from it.
// "/w: Permission denied (the working folder cannot be read)".
class WorkingFolderError : public std::runtime_error {
 public:
  WorkingFolderError(const std::filesystem::path& folder, int errorNumber);
  const std::filesystem::path& folder() const { return folder_; }
  // ENOENT, ENOTDIR, EACCES, ...
  int errorNumber() const { return errorNumber_; }

 private:
  std::filesystem::path folder_;
  int errorNumber_;
};

// A path as a CP932 text for messages: the file system's names are UTF-8,
// and a character CP932 cannot hold shows as "〓".
std::string PathText(const std::filesystem::path& file);

// The platform's reason for an error number, in English and independent of
// the process locale ("No such file or directory" for ENOENT).
std::string ErrorReason(int errorNumber);

}  // namespace ruvo::settings

#pragma once
// The ten stored senders, slot 0 to 9 in "my0.txt" to "my9.txt": five CP932
// lines ended by CRLF, each a field's text unchanged (postal code, address
// line 1, address line 2, name, telephone).

#include <filesystem>
#include <string>
#include <string_view>

#include "settings/file_store.h"

namespace ruvo::settings {

inline constexpr int kSenderSlotCount = 10;

// The word of the window's sender tabs ("依頼主1" … "依頼主10"), CP932.
inline constexpr std::string_view kSenderTabWord = "\x88\xCB\x97\x8A\x8E\xE5";  // 依頼主

// What the window and ruvo-slip say when the remembered tab is none of the
// ten.
inline constexpr std::string_view kNoSenderTabText = "TabErr";

// Whether `slot` is one of the ten (a remembered tab may be none).
constexpr bool IsSenderSlot(int slot) {
  return slot >= 0 && slot < kSenderSlotCount;
}

// The caption of slot `slot`'s tab, "依頼主3" for slot 2 (CP932).
std::string SenderTabCaption(int slot);

// The five sender fields of the slip, in the order of the sender file.
struct SenderFields {
  std::string zip;       // Edit_MyZip
  std::string address1;  // Edit_MyADD1
  std::string address2;  // Edit_MyADD2
  std::string name;      // Edit_My
  std::string tel;       // Edit_MyTEL
  bool operator==(const SenderFields&) const = default;
};

// "my0.txt" … "my9.txt"; std::out_of_range for a slot outside 0-9.
std::string SenderFileName(int slot);

// The sender in a file's text: its first five lines, ended by CRLF, LF or
// CR; missing lines are empty, lines after the fifth are ignored.
SenderFields SenderFieldsFromText(std::string_view text);

// The file's text for `fields`: five lines, each ended by CRLF.
std::string SenderFileText(const SenderFields& fields);

// Reads the sender of `slot` from `directory`. Missing lines read as empty
// texts, lines after the fifth are ignored; lines end at CRLF, LF or CR.
// Throws FileReadError ("my3.txt: No such file or directory") when the file is
// missing or unreadable; nothing is returned before the whole file was read.
SenderFields LoadSender(const std::filesystem::path& directory, int slot);

// Stores `fields` as exactly five CRLF lines, replacing the file atomically.
// Throws FileWriteError, keeping the previous file complete, when it cannot
// be written, when it exists but cannot be read (a device, a FIFO, no read
// permission) or when a field holds a line break (it would shift the lines).
void RegisterSender(const std::filesystem::path& directory, int slot, const SenderFields& fields,
                    FileReplacer& replacer = PlatformFileReplacer());

}  // namespace ruvo::settings

#pragma once
// The temporary files a replacement writes before it renames them over the
// target: ".<name>.tmp-<process id>-<count>" beside it, hidden, and
// recognisable afterwards as this program's when a save was cut off
// (killed, power lost) and left one behind.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

namespace ruvo::settings {

// The temporary name for `file`'s `count`-th replacement by process `pid`,
// at most `nameMax` bytes long: a long name is cut (at a UTF-8 character
// boundary, so the name stays readable) until the whole fits, because a
// 244-byte PDF name would otherwise make a temporary name the file system
// refuses.
std::string TemporaryNameFor(std::string_view fileName, pid_t pid, unsigned count,
                             std::size_t nameMax);

// Whether `name` has the form of TemporaryNameFor's names.
bool IsTemporaryName(std::string_view name);

// Leftovers younger than this may still belong to a save under way.
inline constexpr std::chrono::hours kLeftoverAge{24};

// Removes the temporary files in `folder` that are regular files of the
// effective user, have this program's form of name, and were last written
// before `now` - kLeftoverAge. Anything that cannot be read or removed is
// left alone: the cleaning never stands in the way of a save.
void RemoveLeftoverTemporaries(const std::filesystem::path& folder,
                               std::chrono::system_clock::time_point now);

// The longest file name the folder's file system takes (255 where it
// cannot be asked).
std::size_t LongestNameIn(const std::filesystem::path& folder);

}  // namespace ruvo::settings

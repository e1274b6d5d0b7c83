#pragma once
// What a user set up on a file besides its bytes, carried over to the new
// file that replaces it: owner, group, the exact mode, and the extended
// attributes, among them the POSIX access ACL ("system.posix_acl_access")
// through which a colleague may read or write the file.

#include <sys/stat.h>

#include <filesystem>

namespace ruvo::settings {

// Gives the freshly created file open as `fd` the owner, group, mode and
// extended attributes of `old` (the file at `oldPath`), and takes from it
// any attribute `old` lacks (an ACL inherited from the folder's default ACL
// would widen or narrow access). Returns false when that cannot be done
// completely: the owner or group cannot be given, an attribute cannot be read
// or set (another user's "user.*" attribute, a "security.*" label, a file
// system without extended attributes for the new file), or the mode comes
// out different. The caller then keeps the old file and writes into it.
// Attributes the user cannot see ("trusted.*" for anyone but root) are
// beyond reach here.
bool GiveAttributesOf(const std::filesystem::path& oldPath, const struct stat& old, int fd);

}  // namespace ruvo::settings

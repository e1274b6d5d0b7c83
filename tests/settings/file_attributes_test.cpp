// What a user set up on a settings file survives its replacement by an
// ordinary user: a colleague's ACL entry, a "user.*" attribute, the exact
// mode. Run as "nobody" when the tests run as root, who passes every check.
#include "settings/file_attributes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <cstdlib>
#include <map>
#include <string>

#include "settings/posix_file_store.h"
#include "support/temp_dir.h"
#include "unprivileged_user.h"

namespace ruvo::settings {
namespace {

using test::FileBytes;
using test::PutFile;

using Attributes = std::map<std::string, std::string>;

// Every extended attribute root sees on `file`, ACLs included.
Attributes AttributesOf(const std::filesystem::path& file) {
  Attributes attributes;
  std::string names(4096, '\0');
  const ssize_t length = ::listxattr(file.c_str(), names.data(), names.size());
  for (std::size_t start = 0; length > 0 && start < static_cast<std::size_t>(length);) {
    const std::string name(names.c_str() + start);
    std::string value(4096, '\0');
    const ssize_t size = ::getxattr(file.c_str(), name.c_str(), value.data(), value.size());
    value.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    attributes[name] = value;
    start += name.size() + 1;
  }
  return attributes;
}

struct stat StatusOf(const std::filesystem::path& file) {
  struct stat status {};
  EXPECT_EQ(::stat(file.c_str(), &status), 0) << file;
  return status;
}

bool Shell(const std::string& command) {
  return std::system((command + " 2>/dev/null").c_str()) == 0;
}

struct Arrangement {
  const char* name;
  mode_t mode;
  const char* commands;  // on FILE and DIR, as a user would type them
  bool replaced;         // a new file stands in for the old one (else written in place)
};

TEST(FileAttributes, OrdinaryUserKeepsAclAttributesAndModeOfAReplacedFile) {
  const Arrangement arrangements[] = {
      {"a colleague may read it through an ACL, and it carries a note", 0640,
       "setfacl -m u:12345:r FILE && setfattr -n user.shop.note -v shared FILE", true},
      {"the folder's default ACL, which the file itself does not have", 0600,
       "setfacl -d -m u:12345:rw DIR", true},
      {"a group-writable file with a user attribute, the user in another group", 0664,
       "setfattr -n user.origin -v import FILE", true},
      // getxattr of a "user.*" attribute needs read permission, so the new
      // file could not get it: the old one is written in place.
      {"a write-only file whose attribute its owner may not read", 0200,
       "setfattr -n user.origin -v import FILE", false},
  };
  if (!Shell("setfacl --version >/dev/null && setfattr --version >/dev/null")) {
    FAIL() << "setfacl and setfattr are missing: scripts/install-deps.sh installs acl and attr";
  }
  for (const Arrangement& arrangement : arrangements) {
    SCOPED_TRACE(arrangement.name);
    test::TempDir dir;
    const std::filesystem::path file = dir / "ruvo_Rezovod.ini";
    PutFile(file, "[rv_RezovodPrn]\r\nE_CUS=old\r\n");
    test::GiveToTestUser(dir.path());
    test::GiveToTestUser(file);
    ASSERT_EQ(::chmod(file.c_str(), arrangement.mode), 0);
    std::string commands = arrangement.commands;
    for (std::string::size_type at; (at = commands.find("FILE")) != std::string::npos;)
      commands.replace(at, 4, "'" + file.string() + "'");
    for (std::string::size_type at; (at = commands.find("DIR")) != std::string::npos;)
      commands.replace(at, 3, "'" + dir.path().string() + "'");
    if (!Shell(commands)) GTEST_SKIP() << "this file system takes no ACL or user attribute";
    const struct stat before = StatusOf(file);
    const Attributes attributes = AttributesOf(file);

    ASSERT_EQ(test::RunAsTestUser([&] {
                PosixFileReplacer().Replace(file, "[rv_RezovodPrn]\r\nE_CUS=new\r\n");
                return true;
              }),
              0);

    const struct stat after = StatusOf(file);
    EXPECT_EQ(FileBytes(file), "[rv_RezovodPrn]\r\nE_CUS=new\r\n");
    EXPECT_EQ(after.st_ino != before.st_ino, arrangement.replaced);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(AttributesOf(file), attributes);
    EXPECT_EQ(test::EntryCount(dir.path()), 1u);
  }
}

}  // namespace
}  // namespace ruvo::settings

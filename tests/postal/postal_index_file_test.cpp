#include "postal/postal_index_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "postal/address_match.h"
#include "settings/file_errors.h"
#include "support/temp_dir.h"
#include "support/test_text.h"
#include "zip_dictionary_fixture.h"

namespace ruvo::postal {
namespace {

using test::Sj;

TEST(PostalIndexFile, ReadsBackTheDirectoryItWasMadeOf) {
  test::TempDir dir;
  const PostalDirectory directory = test::FixtureDirectory();
  test::PutFile(dir / "zip.idx", PostalIndexCodec::Encode(directory, "areas\tx\n"));
  const PostalIndex index = PostalIndexCodec::Read(dir / "zip.idx");
  EXPECT_EQ(index.sources, "areas\tx\n");
  EXPECT_EQ(PostalIndexCodec::SourcesOf(dir / "zip.idx"), "areas\tx\n");
  ASSERT_EQ(index.directory.EntryCount(), directory.EntryCount());
  for (std::size_t entry = 0; entry < directory.EntryCount(); ++entry) {
    const DirectoryEntry added = directory.EntryAt(entry);
    EXPECT_EQ(index.directory.EntryAt(entry).address, added.address);
    EXPECT_EQ(JudgeAddress(index.directory, added.code, added.address), ZipVerdict::Match);
  }
  EXPECT_EQ(JudgeAddress(index.directory, {1050014}, Sj("港区芝公園1")), ZipVerdict::Mismatch);
  EXPECT_EQ(index.directory.CountyAtStart(Sj("石狩郡当別町")), Sj("石狩郡").size());
}

TEST(PostalIndexFile, RefusesWhatIsNoIndexOfThisVersion) {
  test::TempDir dir;
  const std::string bytes = PostalIndexCodec::Encode(test::FixtureDirectory(), "areas\tx\n");
  std::string otherVersion = bytes;
  otherVersion[8] = static_cast<char>(kPostalIndexVersion + 1);
  // The first entry's address beyond the text: magic, version, entry size,
  // the sources' size and text, four sizes (the text's first), the text,
  // then the entries, each beginning with its code and its address.
  std::string farAddress = bytes;
  const std::size_t sizes = 8 + 4 + 4 + 4 + std::string_view("areas\tx\n").size();
  std::uint64_t textSize = 0;
  std::memcpy(&textSize, bytes.data() + sizes, sizeof textSize);
  const std::uint32_t beyond = 0xFFFFFF00u;
  std::memcpy(farAddress.data() + sizes + 32 + textSize + 4, &beyond, sizeof beyond);
  const struct {
    std::string_view name;
    std::string bytes;
    std::string_view reason;
  } cases[] = {
      {"other version", otherVersion, "a postal-code index of another version"},
      {"cut short", bytes.substr(0, bytes.size() - 3), "cut short"},
      {"longer", bytes + "x", "damaged"},
      {"no index", "RUVO-ZIQ" + bytes.substr(8), "no postal-code index"},
      {"empty", "", "cut short"},
      {"an address beyond the text", farAddress, "damaged"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::PutFile(dir / "zip.idx", c.bytes);
    EXPECT_EQ(test::MessageOf<PostalIndexError>([&] { PostalIndexCodec::Read(dir / "zip.idx"); }),
              (dir / "zip.idx").string() + ": " + std::string(c.reason));
  }
  test::PutFile(dir / "zip.idx", otherVersion);
  EXPECT_EQ(PostalIndexCodec::SourcesOf(dir / "zip.idx"), "");
  EXPECT_EQ(PostalIndexCodec::SourcesOf(dir / "missing"), "");
  EXPECT_NE(
      test::MessageOf<settings::FileReadError>([&] { PostalIndexCodec::Read(dir / "missing"); }),
      "(no error)");
}

}  // namespace
}  // namespace ruvo::postal

// The window and ruvo-slip loading a folder's postal data while a third
// program imports into it: real processes on a real file, sharing the
// user's cache folder as they do.
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "japan_post_fixture.h"
#include "postal_folder_fixture.h"
#include "support/child_process.h"

namespace ruvo::postal {
namespace {

// 22SHIZUO.CSV: Shizuoka's areas without 浜名区小林, which KEN_ALL.CSV has.
constexpr std::string_view kShizuokaUtf8 =
    "22138,\"430  \",\"4300946\",\"ｼｽﾞｵｶｹﾝ\",\"ﾊﾏﾏﾂｼﾁｭｳｵｳｸ\",\"ﾓﾄｼﾛﾁｮｳ\",\"静岡県\","
    "\"浜松市中央区\",\"元城町\",0,0,0,0,0,0\r\n";

using test::ExitCodeOf;
using test::InChild;

// 'K' after KEN_ALL.CSV, 'S' after 22SHIZUO.CSV; 0 for a directory that is
// neither whole: Tokyo's areas and Shizuoka's imported, the offices the
// dictionary's.
char ImportSeen(const LoadedPostalDirectory& loaded) {
  const PostalDirectory& directory = loaded.directory;
  const auto addresses = [&](std::uint32_t code) {
    std::string joined;
    for (const PostalDirectory::Entry& entry : directory.Find({code}))
      joined += test::Utf8(entry.address) + "/";
    return joined;
  };
  const bool whole = loaded.problem.empty() && loaded.notice.empty() &&
                     addresses(1006012) == "東京都千代田区霞が関霞が関ビル（１２階）/" &&
                     addresses(4300946) == "静岡県浜松市中央区元城町/" &&
                     addresses(1008994) == "東京都千代田区丸の内２丁目７－２/";
  if (!whole) return 0;
  return directory.Find({4340031}).empty() ? 'S' : 'K';
}

// Loads the folder's directory over and over until `stop` is closed, and
// tells `report` each time what it sees changes; 1 for a directory that was
// not whole.
int LoadUntilStopped(const PostalSource& source, int stop, int report) {
  char seen = 0;
  for (;;) {
    pollfd closed{stop, POLLIN, 0};
    if (::poll(&closed, 1, 0) > 0) return 0;
    const char now = ImportSeen(LoadPostalDirectory(source));
    if (now == 0) return 1;
    if (now != seen && ::write(report, &now, 1) != 1) return 2;
    seen = now;
  }
}

class PostalProcessesTest : public test::PostalFolderTest {};

TEST_F(PostalProcessesTest, TwoProgramsLoadWholeDirectoriesWhileAThirdImports) {
  Import("KEN_ALL.CSV", test::KenAllCsv());
  int stop[2];
  ASSERT_EQ(::pipe(stop), 0);
  struct Reader {
    pid_t pid;
    int report;
  };
  std::vector<Reader> readers;
  for (int i = 0; i < 2; ++i) {  // the window and ruvo-slip
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t pid = InChild([&] {
      ::close(stop[1]);
      ::close(report[0]);
      return LoadUntilStopped(Source(), stop[0], report[1]);
    });
    ::close(report[1]);
    readers.push_back({pid, report[0]});
  }
  ::close(stop[0]);
  const std::string shizuoka = test::Sj(kShizuokaUtf8);
  for (int round = 0; round < 8; ++round) {
    SCOPED_TRACE(round);
    const char expected = round % 2 == 0 ? 'K' : 'S';
    for (const Reader& reader : readers) {
      char seen = 0;
      ASSERT_EQ(::read(reader.report, &seen, 1), 1) << "a reader stopped";
      ASSERT_EQ(seen, expected);
    }
    if (expected == 'K') {
      Import("22SHIZUO.CSV", shizuoka);
    } else {
      Import("KEN_ALL.CSV", test::KenAllCsv());
    }
  }
  ::close(stop[1]);
  for (const Reader& reader : readers) {
    EXPECT_EQ(ExitCodeOf(reader.pid), 0);
    ::close(reader.report);
  }
}

}  // namespace
}  // namespace ruvo::postal

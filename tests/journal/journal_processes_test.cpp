// Programs writing one journal at the same time, and a program killed while
// it records: real processes on a real file.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <set>

#include "journal/journal_fixture.h"
#include "journal/journal_record.h"
#include "journal/journal_search.h"
#include "support/child_process.h"

namespace ruvo::journal {
namespace {

using test::PrintedFromWindow;
using test::SlipTo;

using test::ExitCodeOf;
using test::InChild;

PrintedSlip From(SlipOrigin origin, const std::string& name) {
  PrintedSlip printed = PrintedFromWindow(SlipTo(name));
  printed.origin = origin;
  return printed;
}

// Records `jobs` jobs of `perJob` slips named "<prefix><n>"; 0 when all were
// recorded.
int RecordJobs(Journal& journal, SlipOrigin origin, const std::string& prefix, int jobs,
               int perJob) {
  for (int job = 0, n = 0; job < jobs; ++job) {
    std::vector<PrintedSlip> slips;
    for (int i = 0; i < perJob; ++i)
      slips.push_back(From(origin, prefix + std::to_string(n++)));
    if (!RecordPrintedSlips(journal, std::move(slips)).Recorded()) return 1;
  }
  return 0;
}

class ProcessesTest : public test::JournalTest {};

// The window, a batch and the command line record into one journal that
// none of them has created yet; every slip of each is there, in its order.
TEST_F(ProcessesTest, ThreeProgramsRecordIntoOneJournalAtOnce) {
  int start[2];
  ASSERT_EQ(::pipe(start), 0);
  const auto writer = [&](SlipOrigin origin, const std::string& prefix, int jobs, int perJob) {
    return InChild([&, origin, prefix, jobs, perJob] {
      ::close(start[1]);
      char go = 0;
      if (::read(start[0], &go, 1) != 0) return 3;  // the parent closing it starts all at once
      Journal own(folder_.path());
      return RecordJobs(own, origin, prefix, jobs, perJob);
    });
  };
  const pid_t window = writer(SlipOrigin::kWindow, "W", 120, 1);
  const pid_t batch = writer(SlipOrigin::kBatch, "B", 12, 10);
  ::close(start[0]);
  ::close(start[1]);
  EXPECT_EQ(RecordJobs(journal(), SlipOrigin::kCommandLine, "C", 60, 2), 0);
  EXPECT_EQ(ExitCodeOf(window), 0);
  EXPECT_EQ(ExitCodeOf(batch), 0);

  const SlipPage all = FindSlips(journal(), test::EverySlip());
  ASSERT_EQ(all.slips.size(), 360u);
  std::map<SlipOrigin, int> next;
  for (auto slip = all.slips.rbegin(); slip != all.slips.rend(); ++slip) {
    const std::string prefix(OriginName(slip->origin) == "window"  ? "W"
                             : OriginName(slip->origin) == "batch" ? "B"
                                                                   : "C");
    EXPECT_EQ(test::Utf8(slip->slip.recipientName), prefix + std::to_string(next[slip->origin]++));
  }
}

// Killed at any moment of recording, a program leaves a journal that opens
// as it is (nothing set aside) and holds every slip whose recording had
// returned.
TEST_F(ProcessesTest, KilledWhileRecordingLosesNoCommittedSlip) {
  std::set<std::int64_t> committed;
  for (int round = 0; round < 20; ++round) {
    SCOPED_TRACE(round);
    int ids[2];
    ASSERT_EQ(::pipe(ids), 0);
    const pid_t writer = InChild([&] {
      ::close(ids[0]);
      Journal own(folder_.path());
      for (int n = 0;; ++n) {
        const RecordResult result = RecordPrintedSlips(
            own, {From(SlipOrigin::kBatch, "R" + std::to_string(round) + "-" + std::to_string(n))});
        if (!result.Recorded()) return 2;
        if (::write(ids[1], &result.ids[0], sizeof result.ids[0]) < 0) return 3;
      }
    });
    ::close(ids[1]);
    std::int64_t id = 0;
    for (int wanted = round % 6; wanted > 0 && ::read(ids[0], &id, sizeof id) == sizeof id;
         --wanted)
      committed.insert(id);
    ::kill(writer, SIGKILL);
    EXPECT_EQ(ExitCodeOf(writer), -1);
    while (::read(ids[0], &id, sizeof id) == sizeof id)
      committed.insert(id);
    ::close(ids[0]);

    auto reopened = OpenJournal();
    EXPECT_GE(SlipCount(*reopened), static_cast<std::int64_t>(committed.size()));
    for (const std::int64_t slip : committed)
      ASSERT_TRUE(FindSlip(*reopened, slip)) << slip;
    EXPECT_FALSE(reopened->TakeSetAside());
  }
  EXPECT_GT(committed.size(), 20u);
}

}  // namespace
}  // namespace ruvo::journal

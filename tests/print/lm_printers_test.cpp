#include "print/lm_printers.h"

#include <gtest/gtest.h>

#include "support/fake_print_service.h"
#include "support/test_text.h"

namespace ruvo {
namespace {

using test::FakeJob;
using test::FakePrintService;

// Printers A, hidden H, B in the system's order; B is the default.
class TLmPrinterTest : public ::testing::Test {
 protected:
  TLmPrinterTest() {
    service.AddPrinter("A").resolution = {600, 600};
    service.AddPrinter("H", kPrinterAttributeHidden);
    service.AddPrinter("B").resolution = {360, 180};
    service.SetDefaultPrinter("B");
  }

  template <typename Error>
  void ExpectError(const std::function<void()>& operation, const std::string& message) {
    try {
      operation();
      ADD_FAILURE() << "no error, expected: " << message;
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()), message);
    }
  }

  FakePrintService service;
};

TEST_F(TLmPrinterTest, HiddenPrinterGetsNoNumber) {
  TLmPrinter printer(service);
  EXPECT_EQ(printer.GetPrinterNames(), (std::vector<std::string>{"A", "B"}));
  printer.SetIndex(1);
  EXPECT_EQ(printer.CurrentPrinterName(), "B");
  EXPECT_EQ(printer.GetIndex(), 1);
  printer.SetIndex(0);
  EXPECT_EQ(printer.CurrentPrinterName(), "A");
  EXPECT_EQ(printer.GetIndex(), 0);
}

TEST_F(TLmPrinterTest, StartsOnTheSystemDefaultPrinter) {
  TLmPrinter printer(service);
  EXPECT_EQ(printer.GetIndex(), 1);
  printer.SetIndex(0);
  printer.SetIndex(-1);
  EXPECT_EQ(printer.CurrentPrinterName(), "B");
}

TEST_F(TLmPrinterTest, NumbersOutsideTheVisiblePrintersAreRangeErrors) {
  TLmPrinter printer(service);
  printer.SetIndex(0);
  for (int number : {2, 3, -2, -100}) {
    SCOPED_TRACE(number);
    ExpectError<ELMPrinterRangeError>([&] { printer.SetIndex(number); },
                                      "TLmPrinter.SetIndex: Index is out of Range");
    EXPECT_EQ(printer.CurrentPrinterName(), "A");  // selection unchanged
  }
}

TEST_F(TLmPrinterTest, SameNumberKeepsSetupChoiceOtherNumberResetsToDefaults) {
  TLmPrinter printer(service);
  printer.ApplySetupChoice(0, 13, 4);  // B5, manual feed
  EXPECT_EQ(printer.GetPaperSizeNumber(), 13);
  printer.SetIndex(0);
  EXPECT_EQ(printer.GetPaperSizeNumber(), 13);
  EXPECT_EQ(printer.GetBinIndex(), 1);
  printer.SetIndex(1);
  printer.SetIndex(0);
  EXPECT_EQ(printer.GetPaperSizeNumber(), 9);
  EXPECT_EQ(printer.GetBinIndex(), 0);
}

TEST_F(TLmPrinterTest, DuplicateCodesGiveFirstPaperAndLastSource) {
  test::FakePrinter& a = service.Printer("A");
  a.papers = {{1, "Letter"}, {5, "Legal"}, {9, "A4"}, {2, "x"}, {3, "y"}, {9, "A4 again"}};
  a.sources = {{7, "Auto"}, {2, "Lower"}, {1, "Upper"}, {8, "Tractor"}, {3, "z"}, {1, "Upper 2"}};
  a.defaults.paperSize = 9;
  a.defaults.defaultSource = 1;
  TLmPrinter printer(service);
  printer.SetIndex(0);
  EXPECT_EQ(printer.GetPaperSizeIndex(), 2);
  EXPECT_EQ(printer.GetBinIndex(), 5);
  EXPECT_EQ(printer.GetBinNames().back(), "Upper 2");
}

TEST_F(TLmPrinterTest, DriverWithoutPaperOrSourceFieldsIsNotSupported) {
  service.Printer("A").defaults.fields = kFieldOrientation;
  TLmPrinter printer(service);
  printer.SetIndex(0);
  using Op = std::function<void()>;
  const std::pair<Op, const char*> cases[] = {
      {[&] { printer.GetPaperSizeNumber(); },
       "TLmPrinter.GetPaperSizeNumber: PaperSize is not Supported"},
      {[&] { printer.GetPaperSizeNames(); },
       "TLmPrinter.GetPaperSizeNames: PaperSize is not Supported"},
      {[&] { printer.GetPaperSizeIndex(); },
       "TLmPrinter.GetPaperSizeIndex: PaperSize is not Supported"},
      {[&] { printer.GetBinNumber(); }, "TLmPrinter.GetBinNumber: Bin is not Supported"},
      {[&] { printer.GetBinNames(); }, "TLmPrinter.GetBinNames: Bin is not Supported"},
      {[&] { printer.GetBinIndex(); }, "TLmPrinter.GetBinIndex: Bin is not Supported"},
  };
  for (const auto& [operation, message] : cases) {
    SCOPED_TRACE(message);
    ExpectError<ELmPrinterNotSupported>(operation, message);
  }
}

TEST_F(TLmPrinterTest, DriverListingNothingHasNoInfo) {
  service.Printer("A").papers.clear();
  service.Printer("A").sources.clear();
  TLmPrinter printer(service);
  printer.SetIndex(0);
  using Op = std::function<void()>;
  const std::pair<Op, const char*> cases[] = {
      {[&] { printer.GetPaperSizeNames(); },
       "TLmPrinter.GetPaperSizeNames: No Papersize Info Available"},
      {[&] { printer.GetPaperSizeIndex(); },
       "TLmPrinter.GetPaperSizeIndex: No Papersize Info Available"},
      {[&] { printer.GetBinNames(); }, "TLmPrinter.GetBinNames: No Bin Info Available"},
      {[&] { printer.GetBinIndex(); }, "TLmPrinter.GetBinIndex: No Bin Info Available"},
  };
  for (const auto& [operation, message] : cases) {
    SCOPED_TRACE(message);
    ExpectError<ELmPrinterNoInfo>(operation, message);
  }
}

TEST_F(TLmPrinterTest, CurrentCodeMissingFromTheListIsAnIndexError) {
  service.Printer("A").defaults.paperSize = 256;
  service.Printer("A").defaults.defaultSource = 15;
  TLmPrinter printer(service);
  printer.SetIndex(0);
  ExpectError<ELMPrinterPaperSizeError>([&] { printer.GetPaperSizeIndex(); },
                                        "TLmPrinter.GetPaperSizeIndex: Cannot Get Paper Index");
  ExpectError<ELmPrinterBinError>([&] { printer.GetBinIndex(); },
                                  "TLmPrinter.GetBinIndex: Cannot Get Bin Index");
}

TEST_F(TLmPrinterTest, ScaleIs100WithoutScaleField) {
  service.Printer("A").defaults.scale = 50;
  service.Printer("B").defaults.scale = 50;
  service.Printer("B").defaults.fields |= kFieldScale;
  TLmPrinter printer(service);
  printer.SetIndex(0);
  EXPECT_EQ(printer.GetScale(), 100);
  printer.SetIndex(1);
  EXPECT_EQ(printer.GetScale(), 50);
  EXPECT_EQ(printer.GetResolution(), (Resolution{360, 180}));
}

TEST_F(TLmPrinterTest, HiddenDefaultPrinterIsAnIllegalIndex) {
  service.SetDefaultPrinter("H");
  TLmPrinter printer(service);
  ExpectError<ELmPrinterIllegalIndex>([&] { printer.GetIndex(); },
                                      "TLmPrinter.GetIndex: Printers.PrinterIndex is Illegal");
}

TEST_F(TLmPrinterTest, HiddenDefaultStartsNoDocumentButAnotherPrinterCanBeSelected) {
  service.SetDefaultPrinter("H");
  TLmPrinter printer(service);
  EXPECT_THROW(printer.BeginDoc("t"), ELmPrinterIllegalIndex);
  EXPECT_TRUE(service.Jobs().empty());
  printer.SetIndex(1);
  EXPECT_EQ(printer.CurrentPrinterName(), "B");
}

// -1 names the system default printer; with none, or a hidden one that has
// no number, it names nothing and fails at once, as a number past the list,
// in the platform printer's own words.
TEST_F(TLmPrinterTest, DefaultNumberWithoutVisibleDefaultIsTheLayersRangeError) {
  for (const char* defaultPrinter : {"", "H"}) {
    SCOPED_TRACE(defaultPrinter);
    service.SetDefaultPrinter(defaultPrinter);
    TLmPrinter printer(service);
    printer.SetIndex(0);
    ExpectError<ELMPrinterRangeError>([&] { printer.SetIndex(-1); },
                                      test::Sj("デフォルト プリンタが存在しません"));
    EXPECT_EQ(printer.CurrentPrinterName(), "A");
  }
}

// Nothing selected is the same condition as -1 without a default, and of the
// layer's family, so that code catching the family degrades the same way.
TEST_F(TLmPrinterTest, WithoutSystemDefaultNothingIsSelectedUntilSetIndex) {
  service.SetDefaultPrinter("");
  TLmPrinter printer(service);
  EXPECT_EQ(printer.GetIndex(), -1);
  const std::function<void()> operations[] = {
      [&] { printer.GetResolution(); }, [&] { printer.GetPaperSizeNames(); },
      [&] { printer.CurrentPrinterQueue(); }, [&] { printer.BeginDoc("t"); }};
  for (const auto& operation : operations)
    ExpectError<ELmPrinterNoDefault>(operation, test::Sj("デフォルト プリンタが存在しません"));
  EXPECT_TRUE(service.Jobs().empty());
  printer.SetIndex(0);
  EXPECT_EQ(printer.GetResolution(), (Resolution{600, 600}));
}

// The service is asked by queue name; the list shows what CP932 can hold.
TEST_F(TLmPrinterTest, PrinterIsAddressedByItsQueueName) {
  test::FakePrinter& cafe = service.AddPrinter(test::Sj("Caf〓"));
  cafe.queue = "Caf\xC3\xA9";
  cafe.resolution = {203, 203};
  TLmPrinter printer(service);
  EXPECT_EQ(printer.GetPrinterQueues(), (std::vector<std::string>{"A", "B", "Caf\xC3\xA9"}));
  printer.SetIndex(2);
  EXPECT_EQ(printer.CurrentPrinterName(), test::Sj("Caf〓"));
  EXPECT_EQ(printer.GetIndex(), 2);
  EXPECT_EQ(printer.GetResolution(), (Resolution{203, 203}));
  printer.BeginDoc("t");
  printer.EndDoc();
  EXPECT_EQ(service.PrintedJobs().at(0)->request.printer, "Caf\xC3\xA9");
}

TEST_F(TLmPrinterTest, NoVisiblePrinterFailsEveryCheckedOperation) {
  for (bool onlyHidden : {false, true}) {
    SCOPED_TRACE(onlyHidden ? "only hidden printers" : "no printer at all");
    FakePrintService empty;
    if (onlyHidden) empty.AddPrinter("H", kPrinterAttributeHidden);
    empty.SetDefaultPrinter("H");
    TLmPrinter printer(empty);
    const std::function<void()> operations[] = {
        [&] { printer.GetPrinterNames(); },   [&] { printer.GetIndex(); },
        [&] { printer.SetIndex(0); },         [&] { printer.SetIndex(-1); },
        [&] { printer.GetPaperSizeNames(); }, [&] { printer.GetBinIndex(); },
        [&] { printer.GetResolution(); },     [&] { printer.GetScale(); },
        [&] { printer.BeginDoc("t"); },
    };
    for (const auto& operation : operations) {
      ExpectError<ELmPrinterNoPrinter>(operation, "TLmPrinter.CheckNoPrinter: No Printer");
    }
    EXPECT_TRUE(empty.Jobs().empty());
  }
}

TEST_F(TLmPrinterTest, DocumentGoesToTheSelectedPrinterAtItsResolution) {
  TLmPrinter printer(service);
  printer.SetIndex(0);
  printer.BeginDoc("ruvo_Rezovod  ");
  printer.Canvas().Draw({"f", 10, 383, 54, "2026"});
  printer.EndDoc();
  ASSERT_EQ(service.PrintedJobs().size(), 1u);
  const FakeJob& job = *service.PrintedJobs()[0];
  EXPECT_EQ(job.request.printer, "A");
  EXPECT_EQ(job.request.title, "ruvo_Rezovod  ");
  EXPECT_EQ(job.request.resolution, (Resolution{600, 600}));
  ASSERT_EQ(job.pages.size(), 1u);
  EXPECT_EQ(job.pages[0].size(), 1u);
  EXPECT_FALSE(printer.Printing());
}

TEST_F(TLmPrinterTest, AbortAfterFailedDrawPrintsNothing) {
  service.failDrawAt = 1;
  TLmPrinter printer(service);
  printer.BeginDoc("t");
  printer.Canvas().Draw({"f", 10, 0, 0, "one"});
  EXPECT_THROW(printer.Canvas().Draw({"f", 10, 0, 0, "two"}), EPrinter);
  printer.Abort();
  EXPECT_FALSE(printer.Printing());
  EXPECT_TRUE(service.PrintedJobs().empty());
  EXPECT_EQ(service.Jobs().back()->state, FakeJob::State::kAborted);
  EXPECT_THROW(printer.Canvas(), EPrinter);
  printer.Abort();  // nothing open: no error
}

TEST_F(TLmPrinterTest, NewPageNeedsAnOpenDocumentAndAFailedOneIsAbandonedWhole) {
  TLmPrinter printer(service);
  EXPECT_THROW(printer.NewPage(), EPrinter);
  service.failNewPageAt = 2;
  printer.BeginDoc("t");
  printer.Canvas().Draw({"f", 10, 0, 0, "one"});
  printer.NewPage();
  printer.Canvas().Draw({"f", 10, 0, 0, "two"});
  EXPECT_THROW(printer.NewPage(), EPrinter);
  printer.Abort();
  // The pages drawn before the failure are not printed either.
  EXPECT_TRUE(service.PrintedJobs().empty());
  EXPECT_TRUE(service.Jobs().back()->pages.empty());
  EXPECT_FALSE(printer.Printing());
}

TEST_F(TLmPrinterTest, PrinterRemovedBetweenSnapshotAndJobIsAnErrorNotAnotherPrinter) {
  TLmPrinter printer(service);
  printer.SetIndex(0);
  service.RemovePrinter("A");
  EXPECT_THROW(printer.BeginDoc("t"), EPrinter);
  EXPECT_FALSE(printer.Printing());
  EXPECT_TRUE(service.Jobs().empty());
}

// A printer removed after the snapshot but before the layer's first use: its
// number still names it, and selecting it must fail rather than select the
// printer that moved up into its place.
TEST_F(TLmPrinterTest, PrinterGoneBeforeFirstUseIsAnErrorNotTheNextPrinter) {
  FakePrintService three;
  three.AddPrinter("A");
  three.AddPrinter("B");
  three.AddPrinter("C");
  three.SetDefaultPrinter("C");
  TLmPrinter printer(three);
  three.RemovePrinter("A");
  EXPECT_THROW(printer.SetIndex(0), EPrinter);
  EXPECT_EQ(printer.CurrentPrinterName(), "C");
  EXPECT_EQ(printer.GetIndex(), 2);
  printer.SetIndex(1);
  EXPECT_EQ(printer.CurrentPrinterName(), "B");
}

// The job id is the one the service gave the last ended document, and no
// earlier job's id survives a print that failed.
TEST_F(TLmPrinterTest, LastJobIdIsThatOfTheDocumentLastEnded) {
  TLmPrinter printer(service);
  EXPECT_EQ(printer.LastJobId(), 0);
  service.nextJobId = 7;
  printer.BeginDoc("t");
  EXPECT_EQ(printer.EndDoc(), 7);
  EXPECT_EQ(printer.LastJobId(), 7);

  service.refuseAtEnd = true;
  printer.BeginDoc("t");
  EXPECT_THROW(printer.EndDoc(), EPrinter);
  EXPECT_EQ(printer.LastJobId(), 0);

  service.refuseAtEnd = false;
  printer.BeginDoc("t");
  printer.Abort();
  EXPECT_EQ(printer.LastJobId(), 0);
}

TEST_F(TLmPrinterTest, RefusingQueueStartsNoJobAndSpoolerRefusalEndsTheDocument) {
  service.Printer("B").acceptsJobs = false;
  TLmPrinter printer(service);
  EXPECT_THROW(printer.BeginDoc("t"), EPrinter);
  EXPECT_FALSE(printer.Printing());

  printer.SetIndex(0);
  service.refuseAtEnd = true;
  printer.BeginDoc("t");
  printer.Canvas().Draw({"f", 10, 0, 0, "x"});
  EXPECT_THROW(printer.EndDoc(), EPrinter);
  EXPECT_FALSE(printer.Printing());
  EXPECT_TRUE(service.PrintedJobs().empty());
}

TEST_F(TLmPrinterTest, SecondBeginDocWhilePrintingIsRefused) {
  TLmPrinter printer(service);
  printer.BeginDoc("t");
  EXPECT_THROW(printer.BeginDoc("t"), EPrinter);
  EXPECT_EQ(service.Jobs().size(), 1u);
}

TEST_F(TLmPrinterTest, DestroyedWhilePrintingAbortsTheDocument) {
  {
    TLmPrinter printer(service);
    printer.BeginDoc("t");
  }
  EXPECT_EQ(service.Jobs().back()->state, FakeJob::State::kAborted);
}

TEST_F(TLmPrinterTest, ChangedPrintersFallBackToTheDefaultPrinter) {
  struct Case {
    const char* what;
    std::function<void()> change;
    bool changed;
  };
  const Case cases[] = {
      {"nothing changed", [] {}, false},
      {"printer added", [&] { service.AddPrinter("C"); }, true},
      {"printer hidden", [&] { service.Printer("C").attributes |= kPrinterAttributeHidden; }, true},
      // CUPS stops a queue by itself when its printer is off or its backend fails.
      {"queue stopped", [&] { service.Printer("A").attributes |= kPrinterAttributeWorkOffline; },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TLmPrinter printer(service);
    printer.SetIndex(0);
    c.change();
    EXPECT_EQ(printer.OnSettingsChange(), c.changed);
    EXPECT_EQ(printer.CurrentPrinterName(), c.changed ? "B" : "A");
  }
}

TEST_F(TLmPrinterTest, RemovedPrinterAfterChangeIsNoLongerNumbered) {
  TLmPrinter printer(service);
  service.RemovePrinter("A");
  ASSERT_TRUE(printer.OnSettingsChange());
  EXPECT_EQ(printer.GetPrinterNames(), std::vector<std::string>{"B"});
  EXPECT_EQ(printer.GetIndex(), 0);
  EXPECT_THROW(printer.SetIndex(1), ELMPrinterRangeError);
}

TEST_F(TLmPrinterTest, ListsFollowTheSelectedPrinter) {
  service.Printer("B").papers = {{11, "A5"}};
  service.Printer("B").defaults.paperSize = 11;
  TLmPrinter printer(service);
  printer.SetIndex(0);
  EXPECT_EQ(printer.GetPaperSizeNames().size(), 3u);
  printer.SetIndex(1);
  EXPECT_EQ(printer.GetPaperSizeNames(), std::vector<std::string>{"A5"});
  EXPECT_EQ(printer.GetPaperSizeIndex(), 0);
}

TEST_F(TLmPrinterTest, RefreshReloadsListsOfTheSamePrinter) {
  TLmPrinter printer(service);
  printer.SetIndex(0);
  EXPECT_EQ(printer.GetBinNames().size(), 2u);
  service.Printer("A").sources.push_back({5, "Envelope"});
  EXPECT_EQ(printer.GetBinNames().size(), 2u);  // lists stay loaded
  printer.Refresh();
  EXPECT_EQ(printer.GetBinNames().size(), 3u);
}

// A print service that cannot answer (cupsd restarting) is no change: the
// printers it would list as none are still there when it is back.
TEST_F(TLmPrinterTest, ServiceThatCannotAnswerChangesNothing) {
  TLmPrinter printer(service);
  printer.ApplySetupChoice(0, 13, 4);
  service.unreachable = true;
  EXPECT_THROW(printer.OnSettingsChange(), EPrinter);
  TLmPrinter startedWhileDown(service);
  EXPECT_THROW(startedWhileDown.GetPrinterNames(), EPrinter);  // not "No Printer"
  service.unreachable = false;
  EXPECT_FALSE(printer.OnSettingsChange());
  EXPECT_EQ(printer.GetPaperSizeNumber(), 13);
  EXPECT_EQ(startedWhileDown.CurrentPrinterName(), "B");
}

}  // namespace
}  // namespace ruvo

namespace ruvo {
namespace {

// A program's layer asks the print service only once something needs the
// printers; what it sees then is the service's list of that moment.
TEST(TLmPrinterFirstSnapshot, AtFirstUseTakesTheListOfThatMomentAsNoChange) {
  test::FakePrintService service;
  TLmPrinter printer(service, TLmPrinter::FirstSnapshot::kAtFirstUse);
  service.AddPrinter("Slip");
  service.SetDefaultPrinter("Slip");
  EXPECT_FALSE(printer.OnSettingsChange());
  service.AddPrinter("Office");
  TLmPrinter later(service, TLmPrinter::FirstSnapshot::kAtFirstUse);
  EXPECT_EQ(later.GetPrinterNames(), (std::vector<std::string>{"Slip", "Office"}));
  EXPECT_EQ(later.CurrentPrinterName(), "Slip");
}

}  // namespace
}  // namespace ruvo

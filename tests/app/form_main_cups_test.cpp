// The main window printing through the real Qt/CUPS backend on the private
// test server: each paper mode's slip comes out of its registered queue,
// every text within one dot of its place, shifted by that mode's margins;
// and it keeps doing so, with the registered paper and source, while the
// scheduler's queues are added, removed, stopped and restarted, as
// ruvo-slip print does.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

#include "app/app_fakes.h"
#include "app/cp932_line_edit.h"
#include "app/form_main.h"
#include "app/window_controls.h"
#include "app/window_files.h"
#include "print/lm_d97_dot.h"
#include "print/lm_printers.h"
#include "print/printer_watch.h"
#include "print/qt_print_service.h"
#include "settings/profile_file.h"
#include "support/cups_jobs.h"
#include "support/cups_test_server.h"
#include "support/pdf_words.h"
#include "widgets/ov_num_edit.h"

namespace ruvo {
namespace {

namespace fs = std::filesystem;
using app::TCp932Edit;
using test::Named;

struct PaperMode {
  int index;
  std::string queue;
  int dpi;
  std::string top;
  std::string left;
};

class FormMainCupsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    test::UseTestCupsServer();
    static int argc = 1;
    static char name[] = "ruvo_form_main_cups_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: QTest's key events leave an input device behind that
    // must not outlive the application's destruction at exit.
    static QApplication* application = new QApplication(argc, argv);
    Q_UNUSED(application);
  }

  static int NumberOf(TLmPrinter& printer, const std::string& queue) {
    const auto& names = printer.GetPrinterNames();
    return static_cast<int>(std::find(names.begin(), names.end(), queue) - names.begin());
  }

  static void FillSlip(app::TForm_Main& window) {
    Named<TCp932Edit>(window, "Edit_Zip")->setText(QStringLiteral("730-0001"));
    Named<TCp932Edit>(window, "Edit_Add1")->setText(QStringLiteral("広島県広島市中区白島北町"));
    Named<TCp932Edit>(window, "Edit_Add2")->setText(QStringLiteral("ルヴォビル２階"));
    Named<TCp932Edit>(window, "Edit_Custo1")->setText(QStringLiteral("山田太郎"));
    Named<TCp932Edit>(window, "Edit_tel")->setText(QStringLiteral("082-123-4567"));
    Named<TCp932Edit>(window, "Edit_G1")->setText(QStringLiteral("書籍"));
    Named<TOvNumEdit>(window, "OvNumEdit_KOSUU")->SetText("12");
    Named<TCp932Edit>(window, "Edit_de_date1")->setText(QStringLiteral("1"));
    Named<TCp932Edit>(window, "Edit_de_date2")->setText(QStringLiteral("10"));
    Named<QCheckBox>(window, "CheckBox_t4")->setChecked(true);
    Named<TCp932Edit>(window, "Edit_My")->setText(QStringLiteral("株式会社ルヴォ"));
    Named<TCp932Edit>(window, "Edit_MyADD1")->setText(QStringLiteral("東京都渋谷区渋谷"));
  }

  test::TempDir folder_;
};

TEST_F(FormMainCupsTest, EachPaperModePrintsOnItsQueueShiftedByItsMargins) {
  QtPrintService service;
  TLmPrinter printer(service);
  const std::vector<PaperMode> modes = {{0, "ruvo_pass360", 360, "6", "-4"},
                                        {1, "ruvo_pass600", 600, "40", "25"}};
  test::PutCp932Lines(
      folder_.path() / "ruvo_q710.ini",
      {"[手差し]", "PrnNoIndex=" + std::to_string(NumberOf(printer, modes[0].queue)),
       "slpPrn_Top=" + modes[0].top, "slpPrn_Left=" + modes[0].left, "[連続(４インチ)]",
       "PrnNoIndex=" + std::to_string(NumberOf(printer, modes[1].queue)),
       "slpPrn_Top=" + modes[1].top, "slpPrn_Left=" + modes[1].left});
  test::ScriptedMessageBoxes boxes;
  test::RecordingLinks links;
  app::TForm_Main window({.printer = printer,
                          .boxes = boxes,
                          .links = links,
                          .workingFolder = folder_.path(),
                          .files = settings::PlatformFileReplacer()});
  window.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.StartupDone(); }));
  FillSlip(window);
  for (const PaperMode& mode : {modes[1], modes[0], modes[1]}) {
    SCOPED_TRACE(mode.queue);
    Named<QComboBox>(window, "ComboBox_SEL")->setCurrentIndex(mode.index);
    emit Named<QComboBox>(window, "ComboBox_SEL")->activated(mode.index);
    const fs::path pdf = test::TestCupsOutputDir() / (mode.queue + ".pdf");
    fs::remove(pdf);
    boxes.answers = {true};
    QTest::keyClick(Named<TCp932Edit>(window, "Edit_G1"), Qt::Key_F11);
    ASSERT_TRUE(boxes.errors.filter(QStringLiteral("TLmPrinter")).isEmpty())
        << boxes.errors.join(u'\n').toStdString();
    const std::string dpi = std::to_string(mode.dpi);
    const DrawList list = SLIP97_Prn(window.Record(), {dpi, dpi, mode.top, mode.left});
    const auto words = test::AwaitPdfWords(pdf);
    ASSERT_FALSE(words.empty()) << "no readable PDF at " << pdf;
    test::ExpectEveryTextInPlace(list, words, mode.dpi);
  }
  window.hide();
}

// A queue of the test's own, passing its PDF through, removed again when
// it goes (or earlier, by Remove).
class TestQueue {
 public:
  explicit TestQueue(std::string name) : name_(std::move(name)) {
    added_ = Lpadmin("-p '" + name_ + "' -E -v file:" RUVO_CUPS_DIR "/out/test-queue.pdf -P " +
                     RUVO_CUPS_DIR "/ppd-pass360.ppd");
  }
  ~TestQueue() { Remove(); }
  TestQueue(const TestQueue&) = delete;
  TestQueue& operator=(const TestQueue&) = delete;
  bool Added() const { return added_; }
  void Remove() {
    if (added_) Lpadmin("-x '" + name_ + "'");
    added_ = false;
  }
  static bool Lpadmin(const std::string& arguments) {
    return std::system(("lpadmin " + arguments + " 2>/dev/null").c_str()) == 0;
  }

 private:
  std::string name_;
  bool added_ = false;
};

struct Registered {
  int mode;
  std::string queue;  // UTF-8
  const char* paper;  // as the printer lists it, and the job's "media"
  const char* tray;
  const char* inputSlot;  // the job's "InputSlot"
};

// ruvo-slip's exit status and what it said.
std::pair<int, std::string> RunSlipPrint(const fs::path& dir) {
  std::string output;
  FILE* pipe = ::popen((RUVO_SLIP_EXE " print --dir '" + dir.string() + "' 2>&1").c_str(), "r");
  char buffer[4096];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe))
    output.append(buffer, got);
  const int status = ::pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

class RegisteredQueuesTest : public FormMainCupsTest {
 protected:
  // The window's setup dialog: the user chooses `choice_`'s queue, paper
  // and tray.
  app::AppServices::SetupOutcome Choose(TLmPrinter& printer) {
    const auto& queues = printer.GetPrinterQueues();
    const int number =
        static_cast<int>(std::find(queues.begin(), queues.end(), choice_.queue) - queues.begin());
    const auto codeOf = [](const std::vector<PaperChoice>& list, const char* name) {
      return std::find_if(list.begin(), list.end(),
                          [&](const PaperChoice& c) { return c.name == name; })
          ->code;
    };
    PrintService& service = printer.Service();
    printer.ApplySetupChoice(number, codeOf(service.PaperSizes(choice_.queue), choice_.paper),
                             codeOf(service.PaperSources(choice_.queue), choice_.tray));
    return app::AppServices::SetupOutcome::kApplied;
  }

  // F11 and ruvo-slip print in `mode`: each job on the registered queue
  // with the registered paper and tray.
  void ExpectBothPrintOnTheRegisteredQueue(app::TForm_Main& window,
                                           test::ScriptedMessageBoxes& boxes,
                                           const Registered& mode) {
    SCOPED_TRACE(mode.queue);
    Named<QComboBox>(window, "ComboBox_SEL")->setCurrentIndex(mode.mode);
    emit Named<QComboBox>(window, "ComboBox_SEL")->activated(mode.mode);
    boxes.answers = {true};
    const int before = test::NewestJobOnTheServer().id;
    QTest::keyClick(Named<TCp932Edit>(window, "Edit_G1"), Qt::Key_F11);
    ASSERT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(u'\n').toStdString();
    ExpectNewJob(before, mode);
    settings::WriteProfileInteger(folder_.path() / "ruvo_Rezovod.ini", "rv_RezovodPrn",
                                  "ComboBox_SEL", mode.mode);
    const int beforeSlip = test::NewestJobOnTheServer().id;
    const auto [status, said] = RunSlipPrint(folder_.path());
    ASSERT_EQ(status, 0) << said;
    ExpectNewJob(beforeSlip, mode);
  }

  static void ExpectNewJob(int before, const Registered& mode) {
    const test::NewestJob job = test::NewestJobOnTheServer();
    ASSERT_GT(job.id, before) << "no job";
    EXPECT_EQ(job.queue, mode.queue);
    EXPECT_EQ(test::JobAttribute(job.id, "media"), mode.paper);
    EXPECT_EQ(test::JobAttribute(job.id, "InputSlot"), mode.inputSlot);
  }

  Registered choice_;
};

TEST_F(RegisteredQueuesTest, SlipsGoToTheRegisteredQueueWhateverTheSchedulerDoes) {
  TestQueue cafe("ruvo_caf\xC3\xA9");  // a name CP932 cannot hold
  TestQueue unrelated("ruvo_unrelated");
  ASSERT_TRUE(cafe.Added() && unrelated.Added());
  QtPrintService service;
  TLmPrinter printer(service);
  test::PutCp932Lines(folder_.path() / "my0.txt", {"730-0001", "広島県"});
  test::ScriptedMessageBoxes boxes;
  test::RecordingLinks links;
  app::TForm_Main window(
      {.printer = printer,
       .boxes = boxes,
       .links = links,
       .workingFolder = folder_.path(),
       .files = settings::PlatformFileReplacer(),
       .runPrinterSetup = [&](QWidget*, PrinterWatch*) { return Choose(printer); }});
  window.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.StartupDone(); }));
  FillSlip(window);
  const Registered modes[] = {{0, "ruvo_pass600", "A5", "Manual Feed", "Manual"},
                              {1, "ruvo_caf\xC3\xA9", "RA4", "Upper Tray", "Upper"}};
  for (const Registered& mode : modes) {
    Named<QComboBox>(window, "ComboBox_SEL")->setCurrentIndex(mode.mode);
    emit Named<QComboBox>(window, "ComboBox_SEL")->activated(mode.mode);
    choice_ = mode;
    QTest::mouseClick(Named<QPushButton>(window, "BitBtn_PrnSet"), Qt::LeftButton);
  }
  PrinterWatch& watch = *window.findChild<PrinterWatch*>();
  std::optional<TestQueue> first;
  std::optional<TestQueue> temporaryDefault;
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"registered", [] {}},
      {"a queue that sorts first is added", [&] { first.emplace("0_ruvo_first"); }},
      {"an unrelated queue is removed", [&] { unrelated.Remove(); }},
      {"the scheduler restarts",
       [&] {
         test::PausedCupsServer server;
         ASSERT_TRUE(server.Paused());
         EXPECT_FALSE(watch.CheckPrinters());
         ASSERT_TRUE(server.Resume());
       }},
      {"the registered queue is stopped", [] { std::system("cupsdisable ruvo_pass600"); }},
      {"and resumed", [] { std::system("cupsenable ruvo_pass600"); }},
      {"the system has no default printer",
       [&] {
         temporaryDefault.emplace("ruvo_default");
         TestQueue::Lpadmin("-d ruvo_default");
         temporaryDefault->Remove();  // takes the default with it
         ASSERT_EQ(test::RunCommand("lpstat -d").find("ruvo_"), std::string::npos);
       }},
  };
  for (const auto& [change, apply] : changes) {
    SCOPED_TRACE(change);
    apply();
    watch.CheckPrinters();  // as when the window comes back to the front
    ASSERT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join(u'\n').toStdString();
    for (const Registered& mode : modes)
      ExpectBothPrintOnTheRegisteredQueue(window, boxes, mode);
  }

  // The registered queue deleted: nothing is printed, and both say so.
  cafe.Remove();
  watch.CheckPrinters();
  const int before = test::NewestJobOnTheServer().id;
  boxes.answers = {true};
  QTest::keyClick(Named<TCp932Edit>(window, "Edit_G1"), Qt::Key_F11);
  ASSERT_EQ(boxes.errors.size(), 1);
  EXPECT_TRUE(boxes.errors[0].startsWith(
      QStringLiteral("印刷できません。登録されたプリンタ「ruvo_caf〓」")))
      << boxes.errors[0].toStdString();
  const auto [status, said] = RunSlipPrint(folder_.path());
  EXPECT_EQ(status, 1);
  EXPECT_NE(said.find("ruvo_caf"), std::string::npos) << said;
  EXPECT_EQ(test::NewestJobOnTheServer().id, before);
  TestQueue::Lpadmin("-d ruvo_pass360");
  window.hide();
}

}  // namespace
}  // namespace ruvo

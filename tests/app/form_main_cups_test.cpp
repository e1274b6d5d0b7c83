// The main window printing through the real Qt/CUPS backend on the private
// test server: each paper mode's slip comes out of its registered queue,
// every text within one dot of its place, shifted by that mode's margins.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <algorithm>

#include "app/app_fakes.h"
#include "app/cp932_line_edit.h"
#include "app/form_main.h"
#include "app/goods_band.h"
#include "app/recipient_band.h"
#include "app/sender_band.h"
#include "app/window_files.h"
#include "print/cups_test_server.h"
#include "print/lm_d97_dot.h"
#include "print/lm_printers.h"
#include "print/pdf_words.h"
#include "print/qt_print_service.h"
#include "widgets/ov_num_edit.h"

namespace ruvo {
namespace {

namespace fs = std::filesystem;

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

  void SetUp() override {
    previous_ = fs::current_path();
    fs::current_path(folder_.path());
  }
  void TearDown() override { fs::current_path(previous_); }

  static int NumberOf(TLmPrinter& printer, const std::string& queue) {
    const auto& names = printer.GetPrinterNames();
    return static_cast<int>(std::find(names.begin(), names.end(), queue) - names.begin());
  }

  static void FillSlip(app::TForm_Main& window) {
    window.Band2()->Edit_Zip->setText(QStringLiteral("730-0001"));
    window.Band2()->Edit_Add1->setText(QStringLiteral("広島県広島市中区白島北町"));
    window.Band2()->Edit_Add2->setText(QStringLiteral("ルヴォビル２階"));
    window.Band2()->Edit_Custo1->setText(QStringLiteral("山田太郎"));
    window.Band2()->Edit_tel->setText(QStringLiteral("082-123-4567"));
    window.Band4()->Edit_G1->setText(QStringLiteral("書籍"));
    window.Band4()->OvNumEdit_KOSUU->SetText("12");
    window.Band4()->Edit_de_date1->setText(QStringLiteral("1"));
    window.Band4()->Edit_de_date2->setText(QStringLiteral("10"));
    window.Band4()->CheckBox_t4->setChecked(true);
    window.Band3()->Edit_My->setText(QStringLiteral("株式会社ルヴォ"));
    window.Band3()->Edit_MyADD1->setText(QStringLiteral("東京都渋谷区渋谷"));
  }

  test::TempDir folder_;
  fs::path previous_;
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
  app::TForm_Main window({.printer = printer, .boxes = boxes, .links = links});
  window.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.StartupDone(); }));
  FillSlip(window);
  for (const PaperMode& mode : {modes[1], modes[0], modes[1]}) {
    SCOPED_TRACE(mode.queue);
    window.Band4()->ComboBox_SEL->setCurrentIndex(mode.index);
    emit window.Band4()->ComboBox_SEL->activated(mode.index);
    const fs::path pdf = test::TestCupsOutputDir() / (mode.queue + ".pdf");
    fs::remove(pdf);
    boxes.answers = {true};
    QTest::keyClick(window.Band4()->Edit_G1, Qt::Key_F11);
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

}  // namespace
}  // namespace ruvo

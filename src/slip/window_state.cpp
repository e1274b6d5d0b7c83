#include "slip/window_state.h"

#include <cerrno>
#include <string_view>

#include "settings/settings_names.h"
#include "settings/working_folder.h"
#include "slip/error_texts.h"
#include "transfer/cp932_codec.h"

namespace ruvo {
namespace {

// The texts below are written in UTF-8 and converted once they are joined.
std::string Sjis(std::string_view utf8) {
  return Utf8ToCp932(utf8).bytes;
}

// "「/w/ruvo_Rezovod.ini」を読めません: ファイルではなくフォルダです。", one line
// each, then what the window does about them.
std::string UnreadableReport(const std::vector<settings::FileReadError>& errors) {
  if (errors.empty()) return {};
  std::string report;
  for (const settings::FileReadError& error : errors)
    report += JapaneseErrorText(error) + "\n";
  return report + Sjis("読めないファイルの値は既定値になります。");
}

// "/w/ruvo_Rezovod.ini は Shift-JIS ではなく UTF-8 で書かれているようです。"
std::string ForeignEncodingReport(const std::vector<settings::ForeignEncodedFile>& files) {
  if (files.empty()) return {};
  std::string report;
  for (const settings::ForeignEncodedFile& file : files) {
    report += settings::PathText(file.file) + Sjis(" は Shift-JIS ではなく ") +
              std::string(file.encoding) + Sjis(" で書かれているようです。\n");
  }
  return report + Sjis("文字化けした値は、書き換えない限りそのまま保存されます。");
}

TabSender SenderOf(int tab, const std::optional<settings::FileReadError>& error,
                   const settings::SenderFields& loaded) {
  TabSender sender;
  if (!settings::IsSenderSlot(tab)) {
    sender.noTab = true;
  } else if (error) {
    sender.error = error->NamedAs(settings::SenderFileName(tab));
  } else {
    sender.fields = loaded;
  }
  return sender;
}

}  // namespace

TabSender LoadTabSender(const std::filesystem::path& folder, int tab) {
  if (!settings::IsSenderSlot(tab)) return SenderOf(tab, std::nullopt, {});
  try {
    return SenderOf(tab, std::nullopt, settings::LoadSender(folder, tab));
  } catch (const settings::FileReadError& error) {
    return SenderOf(tab, error, {});
  }
}

WindowStartup LoadWindowStartup(const std::filesystem::path& folder) {
  const settings::StartupState state = settings::LoadStartupState(folder);
  const settings::StartupSettings& read = state.read;
  WindowStartup startup;
  startup.unreadableReport = UnreadableReport(state.unreadableFiles);
  startup.foreignEncodingReport = ForeignEncodingReport(state.foreignEncodedFiles);
  startup.fontIndex = read.saved.fontIndex;
  startup.senderTab = settings::IsSenderSlot(read.saved.senderTab) ? read.saved.senderTab : -1;
  startup.paperMode =
      settings::PaperModeName(read.saved.paperMode).empty() ? -1 : read.saved.paperMode;
  startup.labels = {std::to_string(read.printerNumber),
                    std::to_string(read.marginTop),
                    std::to_string(read.marginLeft),
                    {},
                    {}};
  startup.saved = read.saved.slip;
  startup.registration = state.printValues;
  startup.sender = SenderOf(read.saved.senderTab, state.senderReadError, state.saved.slip.sender);
  const auto& error = startup.sender.error;
  startup.sender.firstStart =
      error && error->errorNumber() == ENOENT && !settings::HoldsProgramFiles(folder);
  return startup;
}

PrintLabels WithRegistration(PrintLabels labels, const settings::RegisteredPrintValues& values) {
  labels.printerIndex = values.printerNumber;
  labels.top = values.marginTop;
  labels.left = values.marginLeft;
  return labels;
}

settings::PrinterRegistration RegistrationOf(const PrinterChoice& choice,
                                             const PrintLabels& labels) {
  settings::RegisteredPrintValues values{labels.printerIndex, labels.top, labels.left};
  values.printerQueue = choice.queue;
  values.paperName = choice.paperName;
  values.binName = choice.binName;
  return {choice.name, values};
}

}  // namespace ruvo

#include "print/cups_queue.h"

#include <cups/cups.h>
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "print/lm_printer_errors.h"
#include "transfer/cp932_codec.h"

namespace ruvo::cups {
namespace {

constexpr int kPrinterStateStopped = 5;  // IPP printer-state "stopped"
constexpr std::int64_t kMaxDpi = 100000;

struct IppDeleter {
  void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using IppResponse = std::unique_ptr<ipp_t, IppDeleter>;

// EPrinter texts are CP932 like every text of the core.
[[noreturn]] void FailUnanswered(const std::string& name) {
  throw EPrintServiceDown(Utf8ToCp932(name).bytes, Utf8ToCp932(cupsLastErrorString()).bytes);
}

const char* Option(const cups_dest_t& dest, const char* option) {
  return cupsGetOption(option, dest.num_options, dest.options);
}

std::uint32_t AttributesOf(const cups_dest_t& dest) {
  std::uint32_t attributes = 0;
  const char* type = Option(dest, "printer-type");
  const long typeBits = type != nullptr ? std::strtol(type, nullptr, 10) : 0;
  attributes |=
      (typeBits & CUPS_PRINTER_REMOTE) != 0 ? kPrinterAttributeNetwork : kPrinterAttributeLocal;
  const char* shared = Option(dest, "printer-is-shared");
  if (shared != nullptr && std::string(shared) == "true") attributes |= kPrinterAttributeShared;
  const char* state = Option(dest, "printer-state");
  if (state != nullptr && std::atoi(state) == kPrinterStateStopped) {
    attributes |= kPrinterAttributeWorkOffline;
  }
  return attributes;
}

std::optional<Resolution> ResolutionOf(ipp_attribute_t* attribute) {
  if (attribute == nullptr || ippGetValueTag(attribute) != IPP_TAG_RESOLUTION) return std::nullopt;
  int y = 0;
  ipp_res_t units = IPP_RES_PER_INCH;
  const int x = ippGetResolution(attribute, 0, &y, &units);
  return DotsPerInch(x, y, units == IPP_RES_PER_CM);
}

IppResponse GetPrinterAttributes(const std::string& name) {
  static const char* const kWanted[] = {"printer-is-accepting-jobs", "printer-state-message",
                                        "printer-resolution-default"};
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                   "/printers/%s", name.c_str());
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                static_cast<int>(std::size(kWanted)), nullptr, kWanted);
  return IppResponse(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
}

// libcups gives no destinations both when the server has none and when it
// cannot be reached; only the last error tells the two apart. A server
// without queues says "not found".
bool ServerAnswered() {
  const ipp_status_t status = cupsLastError();
  return status <= IPP_STATUS_OK_EVENTS_COMPLETE || status == IPP_STATUS_ERROR_NOT_FOUND;
}

}  // namespace

std::optional<Resolution> DotsPerInch(int x, int y, bool perCentimetre) {
  const auto inches = [&](int dots) -> std::int64_t {
    return perCentimetre ? (std::int64_t{dots} * 254 + 50) / 100 : dots;
  };
  const std::int64_t dpiX = inches(x);
  const std::int64_t dpiY = inches(y);
  if (dpiX < 1 || dpiY < 1 || dpiX > kMaxDpi || dpiY > kMaxDpi) return std::nullopt;
  return Resolution{static_cast<int>(dpiX), static_cast<int>(dpiY)};
}

std::vector<Destination> ListDestinations() {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  if (count == 0 && !ServerAnswered()) {
    FailUnanswered(cupsServer());
  }
  std::vector<Destination> list;
  for (int i = 0; i < count; ++i) {
    const cups_dest_t& dest = dests[i];
    if (dest.instance != nullptr) continue;
    list.push_back({dest.name, AttributesOf(dest), dest.is_default != 0});
  }
  cupsFreeDests(count, dests);
  return list;
}

QueueState QueryQueue(const std::string& name) {
  IppResponse response = GetPrinterAttributes(name);
  QueueState state;
  if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND) return state;
  if (!response || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
    FailUnanswered(name);
  }
  state.exists = true;
  ipp_attribute_t* accepting =
      ippFindAttribute(response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
  state.accepting = accepting != nullptr && ippGetBoolean(accepting, 0) != 0;
  ipp_attribute_t* message =
      ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT);
  if (message != nullptr && ippGetString(message, 0, nullptr) != nullptr) {
    state.stateMessage = ippGetString(message, 0, nullptr);
  }
  state.defaultResolution =
      ResolutionOf(ippFindAttribute(response.get(), "printer-resolution-default", IPP_TAG_ZERO));
  return state;
}

std::string FetchPpd(const std::string& name) {
  char path[] = "/tmp/ruvo-ppd-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return {};
  const std::string resource = "/printers/" + name + ".ppd";
  const http_status_t status = cupsGetFd(CUPS_HTTP_DEFAULT, resource.c_str(), fd);
  close(fd);
  std::ostringstream text;
  if (status == HTTP_STATUS_OK) text << std::ifstream(path, std::ios::binary).rdbuf();
  unlink(path);
  return text.str();
}

int SubmitPdf(const std::string& name, const std::string& pdfPath, const std::string& title,
              const JobOptions& options) {
  cups_option_t* cupsOptions = nullptr;
  int count = 0;
  for (const auto& [option, value] : options) {
    count = cupsAddOption(option.c_str(), value.c_str(), count, &cupsOptions);
  }
  const int jobId = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.c_str(), pdfPath.c_str(), title.c_str(),
                                   count, cupsOptions);
  cupsFreeOptions(count, cupsOptions);
  if (jobId <= 0) {
    throw EPrintJobRefused(
        Utf8ToCp932(name).bytes,
        Utf8ToCp932(std::string("the spooler refused the job (") + cupsLastErrorString() + ")")
            .bytes);
  }
  return jobId;
}

}  // namespace ruvo::cups

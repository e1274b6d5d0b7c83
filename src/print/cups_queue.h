#pragma once
// What the printer layer asks libcups directly, because Qt's printing does
// not tell it: the destinations with their state bits, whether a queue exists
// and accepts jobs, its default resolution and PPD, and the submission of a
// finished PDF with the spooler's answer (Qt drops that answer, so a refused
// job would look printed).
//
// Names and texts here are UTF-8, as CUPS has them. The server is the one
// libcups finds (CUPS_SERVER, client.conf, the local socket).

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "print/print_service.h"

namespace ruvo::cups {

struct Destination {
  std::string name;              // queue name (UTF-8)
  std::uint32_t attributes = 0;  // kPrinterAttribute* bits; a stopped queue is WorkOffline
  bool isDefault = false;
};

// The queues in CUPS's order (the order Qt lists them in); instances are not
// separate printers. Empty when the server has none; EPrinter when it cannot
// be reached or refuses to answer, so that a restarting cupsd never looks
// like every printer removed.
std::vector<Destination> ListDestinations();

struct QueueState {
  bool exists = false;
  bool accepting = false;
  std::string stateMessage;                     // why it refuses, when it says
  std::optional<Resolution> defaultResolution;  // printer-resolution-default
};

// An IPP resolution in dots per inch (rounded from dots per centimetre);
// nothing when either axis lies outside 1..100000 dpi, as no printer's does.
std::optional<Resolution> DotsPerInch(int x, int y, bool perCentimetre);

// The queue's state now. EPrinter when the server cannot answer at all.
QueueState QueryQueue(const std::string& name);

// The queue's PPD text; empty when the queue has none (or it cannot be read).
std::string FetchPpd(const std::string& name);

using JobOptions = std::vector<std::pair<std::string, std::string>>;

// Submits a PDF file as one job; returns the spooler's job id. EPrinter
// (naming the queue and the spooler's reason) when the job is refused.
int SubmitPdf(const std::string& name, const std::string& pdfPath, const std::string& title,
              const JobOptions& options);

}  // namespace ruvo::cups

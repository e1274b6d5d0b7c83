#pragma once
// The printer access layer's errors. The ELmPrinter family carries fixed
// English texts that begin with the class and operation; callers catch the
// family (or the range error) to degrade quietly. EPrinter is the platform's
// own printer failure and is never part of that family.

#include <stdexcept>
#include <string>

namespace ruvo {

class ELmPrinter : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ELmPrinterNoPrinter : public ELmPrinter {
 public:
  ELmPrinterNoPrinter() : ELmPrinter("TLmPrinter.CheckNoPrinter: No Printer") {}
};

class ELMPrinterRangeError : public ELmPrinter {
 public:
  ELMPrinterRangeError() : ELmPrinter("TLmPrinter.SetIndex: Index is out of Range") {}

 protected:
  explicit ELMPrinterRangeError(const char* message) : ELmPrinter(message) {}
};

// SetIndex(-1) while the system has no default printer, or a hidden one,
// which has no number: -1 then names no printer, as a number past the list
// names none, and the selection code falls back the same way. Also every
// operation on the selected printer while none is selected, which is the
// state the platform printer starts in without a default printer. The text
// is the platform printer's own: "デフォルト プリンタが存在しません" (CP932).
class ELmPrinterNoDefault : public ELMPrinterRangeError {
 public:
  ELmPrinterNoDefault();
};

class ELmPrinterIllegalIndex : public ELmPrinter {
 public:
  ELmPrinterIllegalIndex() : ELmPrinter("TLmPrinter.GetIndex: Printers.PrinterIndex is Illegal") {}
};

// "TLmPrinter.<operation>: PaperSize is not Supported" / "...: Bin is not Supported"
class ELmPrinterNotSupported : public ELmPrinter {
 public:
  using ELmPrinter::ELmPrinter;
};

// "TLmPrinter.<operation>: No Papersize Info Available" / "...: No Bin Info Available"
class ELmPrinterNoInfo : public ELmPrinter {
 public:
  using ELmPrinter::ELmPrinter;
};

class ELMPrinterPaperSizeError : public ELmPrinter {
 public:
  ELMPrinterPaperSizeError() : ELmPrinter("TLmPrinter.GetPaperSizeIndex: Cannot Get Paper Index") {}
};

class ELmPrinterBinError : public ELmPrinter {
 public:
  ELmPrinterBinError() : ELmPrinter("TLmPrinter.GetBinIndex: Cannot Get Bin Index") {}
};

// A failure of the platform's printing: no default printer, a printer that
// vanished, a queue that refuses jobs. The text is CP932 and names the
// printer and the reason.
class EPrinter : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The failures a user can act on, each with the printer it concerns (CP932,
// as the printer list shows it), so that a window can say them in its own
// words; what() keeps the platform's text.

// The named printer is not installed (any more): "<printer>: no such printer".
class EPrinterNotFound : public EPrinter {
 public:
  explicit EPrinterNotFound(std::string printer);
  const std::string& Printer() const { return printer_; }

 private:
  std::string printer_;
};

// The print service cannot be reached or does not answer (a scheduler that
// is stopped or restarting): "<server>: the print service does not answer
// (<detail>)".
class EPrintServiceDown : public EPrinter {
 public:
  EPrintServiceDown(std::string server, const std::string& detail);
  const std::string& Server() const { return server_; }

 private:
  std::string server_;
};

// The printer takes no jobs ("<printer>: the printer does not accept jobs"),
// or the spooler refused this one ("<printer>: the spooler refused the job").
// Nothing was printed.
class EPrintJobRefused : public EPrinter {
 public:
  EPrintJobRefused(std::string printer, const std::string& reason);
  const std::string& Printer() const { return printer_; }

 private:
  std::string printer_;
};

}  // namespace ruvo

#pragma once
// A document being printed by QtPrintService: its pages painted by a PDF writer
// into one PDF in a private temporary folder, submitted to the named queue as
// one job only at End.

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <memory>

#include "print/print_service.h"

namespace ruvo {

class QtPrintService;

class QtPrintDocument : public PrintDocument {
 public:
  // Starts painting; EPrinter when the page cannot be opened.
  QtPrintDocument(QtPrintService& service, const DocumentRequest& request);
  ~QtPrintDocument() override;

  void Draw(const DrawOp& op) override;
  void NewPage() override;
  int End() override;
  void Abort() noexcept override;

 private:
  QtPrintService& service_;
  DocumentRequest request_;
  QTemporaryDir folder_;
  std::unique_ptr<QPdfWriter> page_;  // a PDF writer asks no printer, unlike QPrinter
  QPainter painter_;
  bool finished_ = false;
};

}  // namespace ruvo

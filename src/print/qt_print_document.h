#pragma once
// A document being printed by QtPrintService: its pages painted by QPrinter
// into one PDF in a private temporary folder, submitted to the named queue as
// one job only at End.

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "print/print_service.h"

namespace ruvo {

class QtPrintService;

class QtPrintDocument : public PrintDocument {
 public:
  // Starts painting; EPrinter when the page cannot be opened.
  QtPrintDocument(QtPrintService& service, const DocumentRequest& request,
                  const QPrinterInfo& info);
  ~QtPrintDocument() override;

  void Draw(const DrawOp& op) override;
  void NewPage() override;
  void End() override;
  void Abort() noexcept override;

 private:
  QPageLayout PrintableLayout() const;

  QtPrintService& service_;
  DocumentRequest request_;
  QPrinterInfo info_;
  QTemporaryDir folder_;
  QPrinter printer_;
  QPainter painter_;
  bool finished_ = false;
};

}  // namespace ruvo

#pragma once
// One page being printed by QtPrintService: painted by QPrinter into a PDF in
// a private temporary folder and submitted to the named queue only at End.

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

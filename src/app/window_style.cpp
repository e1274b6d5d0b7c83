#include "app/window_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace ruvo::app {
namespace {

const QString kFusion = QStringLiteral("fusion");

// Fusion's gap between a group's title and its frame.
constexpr int kTitleGap = 3;

}  // namespace

WindowStyle::WindowStyle() : QProxyStyle(kFusion) {}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
  if (element != PE_FrameGroupBox) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  // The frame starts below the title, as Fusion places it.
  const auto* group = qobject_cast<const QGroupBox*>(widget);
  const bool untitled = group != nullptr && !group->isCheckable() && group->title().isEmpty();
  const int top =
      kTitleGap + (untitled ? 0
                            : std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                                       option->fontMetrics.height()));
  const QRect frame = option->rect.adjusted(0, top, 0, 0);
  // A light line one pixel in, its corners cut; inside it a faint shade
  // that is a little deeper along the line.
  const QRect line(frame.left() + 1, frame.top() + 1, frame.width() - 1, frame.height() - 1);
  const QRect inside = line.adjusted(1, 1, -1, -1);
  const auto ring = [painter](const QRect& rect, const QColor& colour, int corner) {
    painter->fillRect(QRect(rect.left() + corner, rect.top(), rect.width() - 2 * corner, 1),
                      colour);
    painter->fillRect(QRect(rect.left() + corner, rect.bottom(), rect.width() - 2 * corner, 1),
                      colour);
    painter->fillRect(QRect(rect.left(), rect.top() + 1, 1, rect.height() - 2), colour);
    painter->fillRect(QRect(rect.right(), rect.top() + 1, 1, rect.height() - 2), colour);
  };
  painter->fillRect(inside, QColor(0, 0, 0, 3));
  ring(inside, QColor(0, 0, 0, 4), 0);
  ring(line, QColor(0x17, 0x17, 0x17, 28), 1);
}

void UseWindowStyle() {
  if (QApplication::style()->name() == kFusion) QApplication::setStyle(new WindowStyle);
}

}  // namespace ruvo::app

#pragma once

#include <QProxyStyle>

namespace ruvo::app {

// Fusion, with the frame of a group drawn here instead of from Fusion's
// picture of it. Loading that picture makes Qt try its image plugins (GIF,
// ICO, JPEG and their libraries) on every start, a few milliseconds before
// the first paint, for one faint line; the frame drawn here is the same line
// at the same place, but for the shading of its four corner pixels.
class WindowStyle : public QProxyStyle {
 public:
  WindowStyle();

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// Puts WindowStyle in place where the application runs Fusion; a desktop
// whose own style was chosen keeps it.
void UseWindowStyle();

}  // namespace ruvo::app

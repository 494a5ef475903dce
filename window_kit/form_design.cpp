// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/form_design.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/qt_text.h"

namespace dialnote {

QColor ToQColor(OleColor colour, const QPalette& palette) {
  switch (colour) {
    case kSystemWindowBackground:
      return palette.color(QPalette::Base);
    case kSystemWindowText:
      return palette.color(QPalette::Text);
    case kSystemButtonFace:
      return palette.color(QPalette::Button);
    case kSystemButtonText:
      return palette.color(QPalette::ButtonText);
    case kTransparent:
      return Qt::transparent;
    default:
      return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                    static_cast<int>((colour >> 16) & 0xFF));
  }
}

OleColor FromQColor(const QColor& colour) {
  return static_cast<OleColor>(colour.red()) | static_cast<OleColor>(colour.green()) << 8 |
         static_cast<OleColor>(colour.blue()) << 16;
}

QFont DesignFont(double points, int weight) {
  QFont font;
  // Where Tahoma is missing, DejaVu Sans (the font the Linux package depends
  // on) stands in: it covers Persian and Latin, and its line height is close
  // to Tahoma's, so the explanation box shows four lines as laid out.
  font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});
  font.setPixelSize(static_cast<int>(std::lround(points * kPixelsPerPoint)));
  font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
  // Each script's text takes the first family above that has the script;
  // every family there covers Persian and Latin, so merging glyphs from
  // other fonts, and the fontconfig fallback search it needs, is not needed.
  font.setStyleStrategy(QFont::NoFontMerging);
  return font;
}

const ControlDesign& FindControl(std::span<const ControlDesign> controls, std::string_view name) {
  const auto found = std::find_if(controls.begin(), controls.end(),
                                  [name](const ControlDesign& c) { return c.name == name; });
  if (found == controls.end()) {
    throw std::out_of_range("no control of that name");
  }
  return *found;
}

void ApplyAccessibleTexts(QWidget& window, std::span<const AccessibleText> texts) {
  for (const AccessibleText& text : texts) {
    auto* control = window.findChild<QWidget*>(
        QString::fromLatin1(text.control.data(), static_cast<qsizetype>(text.control.size())));
    control->setAccessibleName(ToQString(text.name));
    control->setAccessibleDescription(ToQString(text.description));
  }
}

void ApplyDesign(QWidget& control, const ControlDesign& design) {
  control.setObjectName(
      QString::fromLatin1(design.name.data(), static_cast<qsizetype>(design.name.size())));
  control.setGeometry(design.PixelRect());
  control.setLayoutDirection(design.reading_order == ReadingOrder::kRightToLeft ? Qt::RightToLeft
                                                                                : Qt::LeftToRight);
  if (design.font_points > 0) {
    control.setFont(DesignFont(design.font_points, design.font_weight));
  }
  QPalette palette = control.palette();
  if (design.fore != kNoColour) {
    const QColor fore = ToQColor(design.fore, palette);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      palette.setColor(role, fore);
    }
  }
  if (design.back != kNoColour) {
    const QColor back = ToQColor(design.back, palette);
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
      palette.setColor(role, back);
    }
  }
  control.setPalette(palette);
  // A control with a background colour paints it; a transparent one lets the
  // window's picture show through.
  control.setAutoFillBackground(design.back != kNoColour && design.back != kTransparent);
  control.setFocusPolicy(design.tab_index >= 0 ? control.focusPolicy() : Qt::NoFocus);
}

}  // namespace dialnote

// SPDX-License-Identifier: GPL-3.0-or-later
// Design values of the windows, as data: each control's place in twips, its
// text, font and colours. A window applies its table once, when it builds
// its controls, and tests walk the same table.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <cstdint>
#include <span>
#include <string_view>

class QWidget;

namespace dialnote {

// Twips: 1/1440 inch; 15 make one pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// Colours as the windows store them: 24-bit RGB with red in the low byte and
// blue in the high byte (#FF0000 is 255), or a system colour.
using OleColor = std::uint32_t;
inline constexpr OleColor kSystemWindowBackground = 0x80000005;
inline constexpr OleColor kSystemWindowText = 0x80000008;
inline constexpr OleColor kSystemButtonFace = 0x8000000F;
inline constexpr OleColor kSystemButtonText = 0x80000012;
inline constexpr OleColor kTransparent = 0xFFFFFFFF;  // no background drawn
inline constexpr OleColor kNoColour = 0xFFFFFFFE;     // the control has no such colour

QColor ToQColor(OleColor colour, const QPalette& palette);
OleColor FromQColor(const QColor& colour);

// The design font: Tahoma with Arabic script, or DejaVu Sans where Tahoma is
// missing, at a point size taken at 96 dots per inch so that text fits the
// pixel layout on any screen.
QFont DesignFont(double points, int weight);
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;

// How a label that sizes itself to its text grows.
enum class Growth {
  kNone,     // keeps its design size
  kToRight,  // left edge fixed
  kToLeft,   // right edge fixed
};

enum class ReadingOrder { kLeftToRight, kRightToLeft };

enum class ControlKind {
  kTextBox,
  kLabel,
  kCommandButton,
  kListBox,
  kImage,
  kLine,
  kTimer,
  kXPButton,
  kWinsock,
  kSkin,
};

struct ControlDesign {
  std::string_view name;
  ControlKind kind;
  int left = 0, top = 0, width = 0, height = 0;  // twips
  std::u16string_view text = {};
  double font_points = 0;  // 0: the control shows no text of its own
  int font_weight = 400;   // 400 regular, 700 bold
  OleColor fore = kNoColour;
  OleColor back = kNoColour;
  ReadingOrder reading_order = ReadingOrder::kLeftToRight;
  Growth growth = Growth::kNone;
  int tab_index = -1;   // -1: takes no focus
  bool visible = true;  // false: hidden at run time
  int interval_ms = 0;  // timers only

  [[nodiscard]] QRect PixelRect() const {
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
  }
  [[nodiscard]] QString Text() const {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  }
};

// The row of `name` in a window's design table; throws std::out_of_range
// for a name the table does not hold.
const ControlDesign& FindControl(std::span<const ControlDesign> controls, std::string_view name);

// What assistive technology announces for a control a user works with.
struct AccessibleText {
  std::string_view control;
  std::u16string_view name;
  std::u16string_view description;
};

// Gives the window's controls, found by name, their accessible texts.
void ApplyAccessibleTexts(QWidget& window, std::span<const AccessibleText> texts);

// Puts a control where its design says, with its font, colours and reading
// order. Text and behaviour are the window's business.
void ApplyDesign(QWidget& control, const ControlDesign& design);

}  // namespace dialnote

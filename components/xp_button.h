// SPDX-License-Identifier: GPL-3.0-or-later
// XPTools.XPButton: a painted push button in the style of its time, set up
// from its persisted settings as one property bag.
#pragma once

#include <QAbstractButton>
#include <QCursor>
#include <QFont>
#include <QVariantMap>

#include "window_kit/form_design.h"

namespace dialnote {

// The persisted settings of one button, by their stored keys.
struct XPButtonSettings {
  QString tx;                 // caption
  QFont font;                 // caption font
  bool enab = true;           // enabled
  int btype = 3;              // button style: 3 is the rounded style
  int coltype = 1;            // colour scheme: 1 takes the colours below
  bool focusr = true;         // draw a focus rectangle when focused
  OleColor bcol = 0xFFFFFF;   // face colour
  OleColor bcolo = 0xFFFFFF;  // face colour under the mouse
  OleColor fcol = 0x000000;   // caption colour
  OleColor fcolo = 0xFF0000;  // caption colour under the mouse (#0000FF)
  OleColor mcol = 0xC0C0C0;   // edge colour, when umcol
  bool umcol = true;          // use mcol for the edge
  int mptr = 0;               // mouse pointer: 99 takes micon
  QCursor micon;              // custom mouse pointer
  bool soft = false;          // softened edges
  int picpos = 0;             // picture position (the buttons have no picture)
  bool ngrey = false;         // keep colours when disabled
  int fx = 0;                 // caption effect
  bool hand = false;          // system hand pointer
  bool check = false;         // behaves as a check button
  bool value = false;         // checked
  int extentx = 0;            // size in hundredths of a millimetre
  int extenty = 0;

  static XPButtonSettings FromPropertyBag(const QVariantMap& bag);
};

inline constexpr int kCustomMousePointer = 99;

class XPButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit XPButton(QWidget* parent = nullptr);

  // Takes the persisted settings (keys "tx", "font", "enab", "bcol", ...).
  void ReadProperties(const QVariantMap& bag);
  [[nodiscard]] const XPButtonSettings& settings() const { return settings_; }

  [[nodiscard]] QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  XPButtonSettings settings_;
  bool hovered_ = false;
};

}  // namespace dialnote

// SPDX-License-Identifier: GPL-3.0-or-later
// The simple controls the windows are drawn with: labels that size
// themselves to their text, pictures that report mouse events, and a line.
#pragma once

#include <QAccessible>
#include <QCursor>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "window_kit/form_design.h"

namespace dialnote {

// Mouse buttons and shift keys as the windows' handlers receive them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;
int ButtonState(Qt::MouseButtons buttons);
int ShiftState(Qt::KeyboardModifiers modifiers);

// The pointing hand that the windows' clickable pictures and buttons show.
QCursor HandCursor();

// An embedded picture for the screens the program runs on: drawn at twice
// the size where a screen has a device pixel ratio above 1.
QPixmap ArtworkPixmap(QStringView name);

// A label sized to its text that keeps one edge where the design put it.
class AutoSizeLabel : public QLabel {
  Q_OBJECT

 public:
  explicit AutoSizeLabel(QWidget* parent = nullptr) : QLabel(parent) {}

  void SetDesign(const ControlDesign& design);
  // The caption; the label then takes the width of its text.
  void SetCaption(const QString& caption);
  [[nodiscard]] QString Caption() const { return text(); }

  // ForeColor, as the windows store colours.
  void SetForeColor(OleColor colour);
  [[nodiscard]] OleColor ForeColor() const;

 private:
  void FitToText();

  Growth growth_ = Growth::kNone;
  int left_ = 0;   // pixels
  int right_ = 0;  // pixels, one past the last column
  int height_ = 0;
};

// A picture (or an invisible area) that reports clicks and mouse events,
// with positions in twips from its top-left corner. Assistive technology
// sees it in the role it plays (a picture, a button, a title bar) and can
// press a clickable one.
class ImageControl : public QWidget {
  Q_OBJECT

 public:
  explicit ImageControl(QWidget* parent = nullptr);

  void SetAccessibleRole(QAccessible::Role role) { accessible_role_ = role; }
  [[nodiscard]] QAccessible::Role AccessibleRole() const { return accessible_role_; }

  // The picture, drawn to fill the control; none leaves it invisible.
  void SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
  }
  [[nodiscard]] const QPixmap& Picture() const { return picture_; }

 signals:
  void Click();
  void MouseDown(int button, int shift, float x, float y);
  void MouseMove(int button, int shift, float x, float y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  bool left_pressed_ = false;
  QAccessible::Role accessible_role_ = QAccessible::Graphic;
};

// A one-pixel straight line in the window-text colour.
class LineControl : public QWidget {
  Q_OBJECT

 public:
  explicit LineControl(QWidget* parent = nullptr) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace dialnote

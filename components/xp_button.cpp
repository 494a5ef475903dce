// SPDX-License-Identifier: GPL-3.0-or-later
#include "components/xp_button.h"

#include <QPainter>
#include <QPainterPath>

namespace dialnote {
namespace {

template <class T>
T Read(const QVariantMap& bag, const char* key, T fallback) {
  const auto found = bag.constFind(QLatin1String(key));
  return found == bag.constEnd() ? fallback : found->value<T>();
}

}  // namespace

XPButtonSettings XPButtonSettings::FromPropertyBag(const QVariantMap& bag) {
  XPButtonSettings s;
  s.tx = Read(bag, "tx", s.tx);
  s.font = Read(bag, "font", s.font);
  s.enab = Read(bag, "enab", s.enab);
  s.btype = Read(bag, "btype", s.btype);
  s.coltype = Read(bag, "coltype", s.coltype);
  s.focusr = Read(bag, "focusr", s.focusr);
  s.bcol = Read(bag, "bcol", s.bcol);
  s.bcolo = Read(bag, "bcolo", s.bcolo);
  s.fcol = Read(bag, "fcol", s.fcol);
  s.fcolo = Read(bag, "fcolo", s.fcolo);
  s.mcol = Read(bag, "mcol", s.mcol);
  s.umcol = Read(bag, "umcol", s.umcol);
  s.mptr = Read(bag, "mptr", s.mptr);
  s.micon = Read(bag, "micon", s.micon);
  s.soft = Read(bag, "soft", s.soft);
  s.picpos = Read(bag, "picpos", s.picpos);
  s.ngrey = Read(bag, "ngrey", s.ngrey);
  s.fx = Read(bag, "fx", s.fx);
  s.hand = Read(bag, "hand", s.hand);
  s.check = Read(bag, "check", s.check);
  s.value = Read(bag, "value", s.value);
  s.extentx = Read(bag, "_extentx", s.extentx);
  s.extenty = Read(bag, "_extenty", s.extenty);
  return s;
}

XPButton::XPButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

void XPButton::ReadProperties(const QVariantMap& bag) {
  settings_ = XPButtonSettings::FromPropertyBag(bag);
  setText(settings_.tx);
  setFont(settings_.font);
  setEnabled(settings_.enab);
  setCheckable(settings_.check);
  setChecked(settings_.value);
  if (settings_.mptr == kCustomMousePointer) {
    setCursor(settings_.micon);
  } else if (settings_.hand) {
    setCursor(Qt::PointingHandCursor);
  } else {
    unsetCursor();
  }
  update();
}

QSize XPButton::sizeHint() const {
  return fontMetrics().size(Qt::TextSingleLine, text()) + QSize(16, 10);
}

void XPButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void XPButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void XPButton::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette colours = palette();
  const bool pressed = isDown() || isChecked();
  const bool lit = hovered_ && isEnabled();
  const bool greyed = !isEnabled() && !settings_.ngrey;

  // The face: the face colour shading slightly darker toward the bottom,
  // inverted while pressed.
  const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const qreal radius = settings_.btype == 3 ? 3.0 : 0.0;
  const QColor face = ToQColor(lit ? settings_.bcolo : settings_.bcol, colours);
  QLinearGradient shade(frame.topLeft(), frame.bottomLeft());
  shade.setColorAt(0.0, pressed ? face.darker(115) : face);
  shade.setColorAt(1.0, pressed ? face : face.darker(112));
  QPainterPath outline;
  outline.addRoundedRect(frame, radius, radius);
  painter.fillPath(outline, shade);

  const QColor edge =
      settings_.umcol ? ToQColor(settings_.mcol, colours) : colours.color(QPalette::Shadow);
  painter.setPen(QPen(greyed ? edge.lighter(120) : edge, 1.0));
  painter.drawPath(outline);

  if (hasFocus() && settings_.focusr) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colours.color(QPalette::WindowText), 1.0, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }

  painter.setFont(font());
  painter.setPen(greyed ? colours.color(QPalette::Disabled, QPalette::ButtonText)
                        : ToQColor(lit ? settings_.fcolo : settings_.fcol, colours));
  const QRect caption = pressed ? rect().translated(1, 1) : rect();
  painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

}  // namespace dialnote

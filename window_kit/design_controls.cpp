// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/design_controls.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include "assets/artwork.h"

namespace dialnote {

int ButtonState(Qt::MouseButtons buttons) {
  return (buttons & Qt::LeftButton ? kLeftButton : 0) |
         (buttons & Qt::RightButton ? kRightButton : 0) |
         (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}

QPixmap ArtworkPixmap(QStringView name) {
  return QPixmap::fromImage(LoadArtwork(name, qGuiApp->devicePixelRatio()));
}

QCursor HandCursor() { return QCursor(ArtworkPixmap(u"hand"), kHandHotSpot.x(), kHandHotSpot.y()); }

void AutoSizeLabel::SetDesign(const ControlDesign& design) {
  ApplyDesign(*this, design);
  growth_ = design.growth;
  const QRect rect = design.PixelRect();
  left_ = rect.left();
  right_ = rect.left() + rect.width();
  height_ = rect.height();
  setAlignment(
      (design.reading_order == ReadingOrder::kRightToLeft ? Qt::AlignRight : Qt::AlignLeft) |
      Qt::AlignTop);
  SetCaption(design.Text());
}

void AutoSizeLabel::SetCaption(const QString& caption) {
  setText(caption);
  FitToText();
}

void AutoSizeLabel::SetForeColor(OleColor colour) {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, ToQColor(colour, colours));
  setPalette(colours);
}

OleColor AutoSizeLabel::ForeColor() const {
  return FromQColor(palette().color(QPalette::WindowText));
}

void AutoSizeLabel::FitToText() {
  if (growth_ == Growth::kNone) {
    return;
  }
  // An empty label keeps the narrow width the design gives it.
  const int width = text().isEmpty() ? right_ - left_ : sizeHint().width();
  const int left = growth_ == Growth::kToLeft ? right_ - width : left_;
  setGeometry(left, y(), width, std::max(height_, sizeHint().height()));
}

namespace {

// What assistive technology sees of an ImageControl: its role, and a press
// action when it is a button.
class ImageControlAccessible final : public QAccessibleWidget {
 public:
  explicit ImageControlAccessible(ImageControl* control)
      : QAccessibleWidget(control, control->AccessibleRole()) {
    if (control->AccessibleRole() == QAccessible::Button) {
      addControllingSignal(QStringLiteral("Click()"));
    }
  }

  [[nodiscard]] QStringList actionNames() const override {
    return Control()->AccessibleRole() == QAccessible::Button ? QStringList{pressAction()}
                                                              : QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == pressAction() && Control()->AccessibleRole() == QAccessible::Button) {
      emit Control()->Click();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  [[nodiscard]] ImageControl* Control() const { return static_cast<ImageControl*>(widget()); }
};

QAccessibleInterface* ImageControlAccessibleFactory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String("dialnote::ImageControl") && object->isWidgetType()) {
    return new ImageControlAccessible(static_cast<ImageControl*>(object));
  }
  return nullptr;
}

}  // namespace

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
  static const bool installed = [] {
    QAccessible::installFactory(ImageControlAccessibleFactory);
    return true;
  }();
  Q_UNUSED(installed);
}

void ImageControl::paintEvent(QPaintEvent* /*event*/) {
  if (picture_.isNull()) {
    return;
  }
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(rect(), picture_);
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
  left_pressed_ = event->button() == Qt::LeftButton;
  emit MouseDown(ButtonState(event->button()), ShiftState(event->modifiers()),
                 static_cast<float>(event->position().x() * kTwipsPerPixel),
                 static_cast<float>(event->position().y() * kTwipsPerPixel));
}

void ImageControl::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMove(ButtonState(event->buttons()), ShiftState(event->modifiers()),
                 static_cast<float>(event->position().x() * kTwipsPerPixel),
                 static_cast<float>(event->position().y() * kTwipsPerPixel));
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event) {
  const bool clicked = left_pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
  left_pressed_ = false;
  if (clicked) {
    emit Click();
  }
}

void LineControl::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::WindowText));
}

}  // namespace dialnote

// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/qt_controls.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/qt_text.h"

namespace dialnote {
namespace {

bool Same(const QString& shown, std::u16string_view text) {
  return QStringView(shown) == QStringView(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// ---------------------------------------------------------------------------

int CodeEntry::TypedCharacter(const QKeyEvent& event) {
  // Ctrl with a letter types the letter's control character, whatever text
  // the platform attaches to the event; AltGr (Ctrl+Alt) types the text.
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier) &&
      event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
    return event.key() - Qt::Key_A + 1;
  }
  if (event.key() == Qt::Key_Delete || event.text().isEmpty()) {
    return -1;
  }
  return event.text().at(0).unicode();
}

QString CodeEntry::Filter(const QString& typed) {
  QString passed;
  for (const QChar c : typed) {
    int key_ascii = c.unicode();
    if (key_press_) {
      key_press_(key_ascii);
    }
    if (key_ascii > 0 && key_ascii <= 0xFFFF) {
      passed.append(QChar(static_cast<char16_t>(key_ascii)));
    }
  }
  return passed;
}

void CodeEntry::keyPressEvent(QKeyEvent* event) {
  const int typed = TypedCharacter(*event);
  if (typed < 0) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  // A control character that the platform did not attach as text (Ctrl+C,
  // say) is filtered on its own; the line edit never sees the shortcut.
  const QString text =
      event->text().isEmpty() || typed < 0x20 ? QString(QChar(typed)) : event->text();
  const QString passed = Filter(text);
  if (passed.isEmpty()) {
    event->accept();
    return;
  }
  if (passed == event->text()) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QKeyEvent replaced(event->type(), event->key(), event->modifiers(), passed, event->isAutoRepeat(),
                     static_cast<quint16>(event->count()));
  QLineEdit::keyPressEvent(&replaced);
  event->setAccepted(replaced.isAccepted());
}

void CodeEntry::inputMethodEvent(QInputMethodEvent* event) {
  // Text committed by an input method is typed text too.
  if (event->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(Filter(event->commitString()), event->replacementStart(),
                           event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

// ---------------------------------------------------------------------------

void CodeList::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) != nullptr) {
    emit Click();
  }
}

void CodeList::mouseMoveEvent(QMouseEvent* event) {
  const int before = currentRow();
  QListWidget::mouseMoveEvent(event);
  if (currentRow() != before) {
    emit Click();
  }
}

void CodeList::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  QListWidget::keyPressEvent(event);
  if (currentRow() != before) {
    emit Click();
  }
}

// ---------------------------------------------------------------------------

std::u16string_view LineEditTextBox::Text() const {
  shown_ = edit_.text();  // shares the line edit's string
  return View(shown_);
}

void LineEditTextBox::SetText(std::u16string_view text) {
  if (Same(edit_.text(), text)) {
    return;
  }
  edit_.setText(ToQString(text));  // copies first: `text` may view another box
}

PlainTextBox::PlainTextBox(QPlainTextEdit& edit) : edit_(edit) {
  QObject::connect(edit_.document(), &QTextDocument::contentsChanged, &edit_,
                   [this] { stale_ = true; });
}

std::u16string_view PlainTextBox::Text() const {
  if (stale_) {
    shown_ = edit_.toPlainText();
    stale_ = false;
  }
  return View(shown_);
}

void PlainTextBox::SetText(std::u16string_view text) {
  if (Text() == text) {
    return;
  }
  edit_.setPlainText(ToQString(text));
}

// ---------------------------------------------------------------------------

void ListWidgetListBox::AddItem(std::u16string_view item) { list_.addItem(ToQString(item)); }

std::optional<std::u16string_view> ListWidgetListBox::List(int index) const {
  const QListWidgetItem* entry = list_.item(index);
  if (entry == nullptr) {
    return std::nullopt;
  }
  item_ = entry->text();
  return View(item_);
}

std::u16string_view ListWidgetListBox::SelectedText() const {
  const QListWidgetItem* current = list_.currentItem();
  selected_ = current != nullptr && current->isSelected() ? current->text() : QString();
  return View(selected_);
}

void ListWidgetListBox::SetSelectedText(std::u16string_view text) {
  const QStringView wanted(text.data(), static_cast<qsizetype>(text.size()));
  for (int row = 0; row < list_.count(); ++row) {
    if (QStringView(list_.item(row)->text()) == wanted) {
      if (list_.currentRow() != row || !list_.item(row)->isSelected()) {
        list_.setCurrentRow(row);
      }
      return;
    }
  }
}

}  // namespace dialnote

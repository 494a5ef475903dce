// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's entry, list and explanation box as the core's text box
// and list box, and the two widgets that give the entry its key filter and
// the list its user-only click.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <functional>

#include "catalogue/controls.h"

namespace dialnote {

// The code entry: a line edit whose typed characters pass a key handler
// first. Keys that type no character (arrows, Delete, Home, End,
// Shift+Insert) reach the line edit as usual.
class CodeEntry : public QLineEdit {
  Q_OBJECT

 public:
  // Receives the typed character's code and may replace it; 0 discards it.
  using KeyPressHandler = std::function<void(int& key_ascii)>;

  explicit CodeEntry(QWidget* parent = nullptr) : QLineEdit(parent) {}
  void SetKeyPressHandler(KeyPressHandler handler) { key_press_ = std::move(handler); }

  // The character that a key event types, as Windows would deliver it to a
  // text box: Ctrl with a letter types a control character (Ctrl+C is 3),
  // Delete and keys without text type nothing (-1).
  static int TypedCharacter(const QKeyEvent& event);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // The characters of `typed` that the handler lets through, replaced as it says.
  QString Filter(const QString& typed);

  KeyPressHandler key_press_;
};

// The code list: Click is raised only by the user's own selection with the
// mouse or the keyboard, never by a selection made from code.
class CodeList : public QListWidget {
  Q_OBJECT

 public:
  explicit CodeList(QWidget* parent = nullptr) : QListWidget(parent) {}

 signals:
  void Click();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// A line edit as the core's text box. Reading shares the line edit's string
// without copying it.
class LineEditTextBox final : public TextBox {
 public:
  explicit LineEditTextBox(QLineEdit& edit) : edit_(edit) {}
  [[nodiscard]] std::u16string_view Text() const override;
  void SetText(std::u16string_view text) override;

 private:
  QLineEdit& edit_;
  mutable QString shown_;
};

// A plain text box as the core's text box. Its text is read from the
// document only after the document changed, so a tick that finds nothing
// new costs no copy.
class PlainTextBox final : public TextBox {
 public:
  explicit PlainTextBox(QPlainTextEdit& edit);
  [[nodiscard]] std::u16string_view Text() const override;
  void SetText(std::u16string_view text) override;

 private:
  QPlainTextEdit& edit_;
  mutable QString shown_;
  mutable bool stale_ = true;
};

// A list widget as the core's list box.
class ListWidgetListBox final : public ListBox {
 public:
  explicit ListWidgetListBox(QListWidget& list) : list_(list) {}
  void AddItem(std::u16string_view item) override;
  [[nodiscard]] std::optional<std::u16string_view> List(int index) const override;
  [[nodiscard]] std::u16string_view SelectedText() const override;
  void SetSelectedText(std::u16string_view text) override;

 private:
  QListWidget& list_;
  mutable QString item_;
  mutable QString selected_;
};

}  // namespace dialnote

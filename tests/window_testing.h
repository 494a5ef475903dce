// SPDX-License-Identifier: GPL-3.0-or-later
// For the window tests: a user's keys and drags, timer ticks, and table rows.
#pragma once

#include <QtTest>

#include "tests/rows.h"

namespace dialnote::testing {

// Types `keys`, separated by spaces: key names as QKeySequence reads them
// ("7", "A", "Ctrl+V", "Home"), or a character of another script, which
// arrives as such keyboards deliver it, as text on an unknown key. Ctrl
// combinations carry no text, as on the platforms that attach none.
inline void Type(QWidget* widget, const QString& keys) {
  for (const QString& key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QKeyCombination combination = QKeySequence(key)[0];
    if (key.size() == 1 && key.at(0).unicode() >= 0x80) {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, key, Qt::NoModifier);
    } else if (combination.keyboardModifiers().testFlag(Qt::ControlModifier)) {
      QTest::sendKeyEvent(QTest::Click, widget, combination.key(), QString(),
                          combination.keyboardModifiers());
    } else {
      QTest::keyClick(widget, combination.key(), combination.keyboardModifiers());
    }
  }
}

// A press of `pressed` at `from` on `target`, then a move to `to` with `held` down.
inline void Drag(QWidget* target, QPointF from, QPointF to, Qt::MouseButton pressed,
                 Qt::MouseButtons held) {
  QMouseEvent press(QEvent::MouseButtonPress, from, target->mapToGlobal(from), pressed, pressed,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent move(QEvent::MouseMove, to, target->mapToGlobal(to), Qt::NoButton, held,
                   Qt::NoModifier);
  QApplication::sendEvent(target, &move);
}

// A row of the current test's table: its name, then a value for each column.
template <class... Values>
void AddRow(const char* name, const Values&... values) {
  (QTest::newRow(name) << ... << values);
}

// The rows of tests/data/`table`, named by their first field; the next ones fill `columns`.
inline void AddRows(const std::string& table, std::initializer_list<const char*> columns) {
  for (const char* column : columns) QTest::addColumn<QString>(column);  // kept, not copied
  for (const Row& row : Rows(table)) {
    QTestData& data = QTest::newRow(row.at(0).c_str());
    for (std::size_t i = 1; i <= columns.size(); ++i) data << QString::fromStdString(row.at(i));
  }
}

// One tick of `timer` (a QTimer, or the main window's WindowTimer), now.
inline void Tick(QObject* timer) { QVERIFY(QMetaObject::invokeMethod(timer, "timeout")); }

}  // namespace dialnote::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// The main window at work, driven as a user drives it on the real widgets.
// How it looks is tests/gui's business.
#include "main_window/form1.h"

#include <QAccessible>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QtTest>

#include "catalogue/error_catalogue.h"
#include "components/xp_button.h"
#include "platform/identity.h"
#include "platform/qt_text.h"
#include "tests/recording_runtime.h"
#include "tests/window_testing.h"
#include "window_kit/design_controls.h"

namespace dialnote {
namespace {

using testing::AddRow;
using testing::AddRows;
using testing::Tick;
using testing::Type;

QString ExplanationOf(const QString& code) {
  return ToQString(ErrorCatalogue::Lookup(View(code)).value_or(u""));
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 public slots:
  void Open(const QUrl& url) { opened_.append(url); }

 private slots:
  void init() {
    runtime_ = {};
    form_ = std::make_unique<Form1>(runtime_, App(QStringLiteral("/opt/dial note/dialnote")));
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QTRY_COMPARE(form_->Text2->toPlainText(), ExplanationOf(QStringLiteral("600")));
  }

  void cleanup() { form_.reset(); }

  // Creating the window registers the three components, and so does its one
  // activation, which puts the keyboard in the entry.
  void startUpRegistersTheComponentsAndActivatesOnce() {
    const QStringList once = {R"(RegSvr32 /s "/opt/dial note\MSWINSCK.ocx")",
                              R"(RegSvr32 /s "/opt/dial note\MS_XTools.ocx")",
                              R"(RegSvr32 /s "/opt/dial note\SkinControl.ocx")"};
    QCOMPARE(runtime_.command_lines, once + once);
    QCOMPARE(QApplication::focusWidget(), form_->Text1);
    QCOMPARE(form_->windowFlags() & (Qt::WindowType_Mask | Qt::FramelessWindowHint),
             Qt::Window | Qt::FramelessWindowHint);  // borderless, with a taskbar button
    form_->hide();
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    QCOMPARE(runtime_.command_lines.size(), 6);
    QCOMPARE(form_->List1->count(), 201);
    QCOMPARE(form_->Timer1->interval(), 1);  // the poll runs every millisecond
  }

  // Rows of tests/data/main-window-entry.tsv: keys for the control that has the keyboard, [clicks]
  // on a control or a row of the list, {text} put on the clipboard, Menu for the context menu's
  // Paste.
  void entryListAndSteps_data() {
    AddRows("main-window-entry.tsv", {"actions", "text", "selected"});
  }

  void entryListAndSteps() {
    QFETCH(QString, actions);
    for (const QString& action : actions.split(QLatin1Char(' '))) {
      const QString name = action.mid(1, action.size() - 2);
      const QList<QListWidgetItem*> rows = form_->List1->findItems(name, Qt::MatchExactly);
      if (action.startsWith(QLatin1Char('{'))) {
        QGuiApplication::clipboard()->setText(name);
      } else if (action == QLatin1String("Menu")) {
        const QPoint centre = form_->Text1->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre,
                                form_->Text1->mapToGlobal(centre));
        QApplication::sendEvent(form_->Text1, &event);
        QWidget* menu = QApplication::activePopupWidget();
        QVERIFY2(menu != nullptr, "no context menu opened");
        QTest::keyClick(menu, Qt::Key_P);  // &Paste
      } else if (!action.startsWith(QLatin1Char('['))) {
        Type(QApplication::focusWidget(), action);
      } else if (rows.isEmpty()) {
        QTest::mouseClick(form_->findChild<QWidget*>(name), Qt::LeftButton);
      } else {
        form_->List1->scrollToItem(rows.first());
        QTest::mouseClick(form_->List1->viewport(), Qt::LeftButton, {},
                          form_->List1->visualItemRect(rows.first()).center());
      }
    }
    QTEST(form_->Text1->text(), "text");
    const QListWidgetItem* current = form_->List1->currentItem();
    QTEST(current != nullptr ? current->text() : QStringLiteral("(none)"), "selected");
    Tick(form_->Timer1);  // and the poll shows the entry's explanation, when it names a code
    if (const QString shown = ExplanationOf(form_->Text1->text()); !shown.isEmpty()) {
      QCOMPARE(form_->Text2->toPlainText(), shown);
    }
  }

  // The poll writes the explanation only when it differs: a keyboard selection
  // survives the ticks and can be copied; another text is put back.
  void thePollWritesTheExplanationOnlyWhenItDiffers() {
    const QString explanation = ExplanationOf(QStringLiteral("600"));
    form_->Text2->setFocus();
    Type(form_->Text2, QStringLiteral("Ctrl+Home Shift+Left Shift+Left Shift+Left"));
    for (int tick = 0; tick < 3; ++tick) Tick(form_->Timer1);
    Type(form_->Text2, QStringLiteral("Ctrl+C"));
    QCOMPARE(QGuiApplication::clipboard()->text(), explanation.left(3));
    Type(form_->Text2, QStringLiteral("Ctrl+A"));
    Tick(form_->Timer1);
    Type(form_->Text2, QStringLiteral("Ctrl+C X Del"));
    QCOMPARE(QGuiApplication::clipboard()->text(), explanation);
    QCOMPARE(form_->Text2->toPlainText(), explanation);  // read-only
    form_->Text2->setPlainText(QStringLiteral("something else"));
    Tick(form_->Timer1);
    QCOMPARE(form_->Text2->toPlainText(), explanation);
  }

  // A press on the title strip, over the title, then a move: the left button alone drags.
  void dragging_data() {
    QTest::addColumn<Qt::MouseButton>("pressed");
    QTest::addColumn<Qt::MouseButtons>("held");
    QTest::addColumn<QPoint>("moved_by");
    AddRow("the left button moves the window by the mouse's offset", Qt::LeftButton,
           Qt::MouseButtons(Qt::LeftButton), QPoint(45, 15));
    AddRow("the right button moves nothing", Qt::RightButton, Qt::MouseButtons(Qt::RightButton),
           QPoint());
    AddRow("both buttons move nothing", Qt::LeftButton, Qt::LeftButton | Qt::RightButton, QPoint());
  }

  void dragging() {
    QFETCH(Qt::MouseButton, pressed);
    QFETCH(Qt::MouseButtons, held);
    const QPoint start = form_->pos();
    QCOMPARE(form_->childAt(250, 13), form_->lbTitleBar);
    testing::Drag(form_->lbTitleBar, {250, 13}, {295, 28}, pressed, held);
    QTEST(form_->pos() - start, "moved_by");
  }

  void bothExitControlsEndTheProgram() {
    QTest::mouseClick(form_->cmdexit, Qt::LeftButton);
    QCOMPARE(runtime_.ends, 1);
    QTest::mouseClick(form_->childAt(17, 15), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(runtime_.ends, 2);
  }

  // The about box, owned by the window, names the program and its maker.
  void aboutBox_data() {
    QTest::addColumn<bool>("running_executable");
    AddRow("the program's own icon", true);
    AddRow("the information icon when the executable yields none", false);
  }

  void aboutBox() {
#ifdef Q_OS_WIN
    QSKIP("the about box is the shell's own dialog there; the run under Wine opens it");
#endif
    QFETCH(bool, running_executable);
    if (running_executable) {
      form_ = std::make_unique<Form1>(runtime_, App(QCoreApplication::applicationFilePath()));
      form_->show();
    }
    // Whatever modal window opens is described and closed at once, so a wrong one cannot block.
    QStringList seen;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (const auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen << QString::number(box->parentWidget() == form_.get())
             << (box->iconPixmap().isNull()                ? "no icon"
                 : box->icon() == QMessageBox::Information ? "information"
                                                           : "own icon")
             << box->windowTitle() << box->text() << box->informativeText();
      }
      if (modal != nullptr) modal->hide();
    });
    closer.start(10);
    QTest::mouseClick(form_->cmdabout, Qt::LeftButton);
    closer.stop();
    const QString title = QStringLiteral("Dialnote ( دايالنوت )");
    QCOMPARE(seen, QStringList({"1", running_executable ? "own icon" : "information", title, title,
                                ToQString(identity::kCopyrightLine) + '\n' +
                                    ToQString(identity::kWebAddress)}));
  }

  void tabWalksTheControlsInOrder() {
    QStringList order;
    for (int step = 0; step < 8; ++step) {
      Type(QApplication::focusWidget(), QStringLiteral("Tab"));
      order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QString("List1 cmdexit cmdabout Command1 Command2 Text2 web Text1").split(' '));
  }

  // A screen reader finds each control by a name of its own (a button by its
  // caption) and its role, and pressing a button through it is a click.
  void screenReadersNameThePartsAndPressTheButtons() {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form_.get());
    QStringList names = {window->text(QAccessible::Name)}, roles;
    for (int i = 0; i < window->childCount(); ++i) {
      QAccessibleInterface* child = window->child(i);
      const auto* control = static_cast<QWidget*>(child->object());
      if (control->focusPolicy() != Qt::NoFocus || child->role() == QAccessible::Button ||
          child->role() == QAccessible::TitleBar) {
        names << child->text(QAccessible::Name);
        roles << control->objectName() + ' ' +
                     QMetaEnum::fromType<QAccessible::Role>().valueToKey(child->role());
      }
    }
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 11);
    QVERIFY(!names.contains(QString()));
    QCOMPARE(roles.join(QStringLiteral(", ")),
             QStringLiteral("Text1 EditableText, Command1 Button, Command2 Button, List1 List, "
                            "Text2 EditableText, lbTitleBar TitleBar, imgexit Button, cmdabout "
                            "Button, web Button, cmdexit Button"));
    for (XPButton* button : form_->findChildren<XPButton*>()) {  // each with the hand pointer
      QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
               button->settings().tx);
      QCOMPARE(button->cursor().pixmap().toImage(), HandCursor().pixmap().toImage());
    }
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
    QStringList pressed;
    for (const QString& name :
         QString("Command1 Command1 Command2 web cmdexit imgexit").split(' ')) {
      auto* control = form_->findChild<QWidget*>(name);
#ifdef Q_OS_WIN
      if (name == QLatin1String("web")) continue;  // the shell, not Qt, opens the address there
#endif
      QAccessible::queryAccessibleInterface(control)->actionInterface()->doAction(
          QAccessibleActionInterface::pressAction());
      const auto* button = qobject_cast<QAbstractButton*>(control);
      QTRY_VERIFY(button == nullptr || !button->isDown());  // pressed for a moment, then clicked
      pressed << name + ' ' + form_->Text1->text() + ' ' + QString::number(runtime_.ends);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));  // the same, but for the web button
    QCOMPARE(pressed.join(QStringLiteral(", ")).remove(QStringLiteral("web 601 0, ")),
             QStringLiteral("Command1 601 0, Command1 602 0, Command2 601 0, cmdexit 601 1, "
                            "imgexit 601 2"));
#ifndef Q_OS_WIN
    QCOMPARE(opened_, QList<QUrl>{QUrl(ToQString(identity::kWebAddress))});
#endif
  }

 private:
  QList<QUrl> opened_;
  testing::RecordingRuntime runtime_;
  std::unique_ptr<Form1> form_;
};

}  // namespace dialnote

QTEST_MAIN(dialnote::Form1Test)
#include "form1_test.moc"

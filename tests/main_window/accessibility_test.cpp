// The windows as assistive technology sees them: every control a user works
// with is named in Persian and plays its role; the explanation box reads out
// the explanation; the close image can be pressed.
#include <QAccessible>
#include <QtTest>

#include "app/application_shell.h"
#include "catalogue/error_catalogue.h"
#include "main_window/form1.h"
#include "splash/form2.h"
#include "tests/recording_runtime.h"

namespace dialnote {
namespace {

// Roles of the controls a user works with.
bool IsInteractive(QAccessible::Role role) {
  switch (role) {
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::Button:
    case QAccessible::TitleBar:
      return true;
    default:
      return false;
  }
}

bool HasArabicScript(const QString& text) {
  return std::any_of(text.begin(), text.end(),
                     [](QChar c) { return c.script() == QChar::Script_Arabic; });
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void everyInteractiveControlOfTheMainWindowIsNamed_data();
  void everyInteractiveControlOfTheMainWindowIsNamed();
  void theExplanationBoxReadsOutTheExplanation();
  void theCloseImageCanBePressed();
  void theSplashWindowIsNamedAndReadable();

 private:
  testing::RecordingRuntime runtime_;
  std::unique_ptr<Form1> form_;
};

void AccessibilityTest::init() {
  runtime_ = {};
  form_ = std::make_unique<Form1>(runtime_, App(QStringLiteral("/opt/dialnote/dialnote")));
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void AccessibilityTest::cleanup() { form_.reset(); }

void AccessibilityTest::everyInteractiveControlOfTheMainWindowIsNamed_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QAccessible::Role>("role");
  QTest::addColumn<bool>("described");
  QTest::newRow("the code entry") << "Text1" << QAccessible::EditableText << true;
  QTest::newRow("the code list") << "List1" << QAccessible::List << true;
  QTest::newRow("the next-code button") << "Command1" << QAccessible::Button << true;
  QTest::newRow("the previous-code button") << "Command2" << QAccessible::Button << true;
  QTest::newRow("the explanation") << "Text2" << QAccessible::EditableText << true;
  QTest::newRow("the about button") << "cmdabout" << QAccessible::Button << true;
  QTest::newRow("the web-site button") << "web" << QAccessible::Button << true;
  QTest::newRow("the exit button") << "cmdexit" << QAccessible::Button << true;
  QTest::newRow("the close image") << "imgexit" << QAccessible::Button << true;
  QTest::newRow("the title strip") << "lbTitleBar" << QAccessible::TitleBar << true;
}

void AccessibilityTest::everyInteractiveControlOfTheMainWindowIsNamed() {
  QFETCH(QString, control);
  QFETCH(QAccessible::Role, role);
  QFETCH(bool, described);
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form_.get());
  QVERIFY(window != nullptr);
  QCOMPARE(window->text(QAccessible::Name), QStringLiteral("دايالنوت"));

  // Found by walking the window's accessible children, as a screen reader does.
  QAccessibleInterface* found = nullptr;
  int interactive = 0;
  for (int i = 0; i < window->childCount(); ++i) {
    QAccessibleInterface* child = window->child(i);
    if (IsInteractive(child->role())) {
      ++interactive;
      QVERIFY2(!child->text(QAccessible::Name).isEmpty(),
               qPrintable(child->object()->objectName()));
    }
    if (child->object()->objectName() == control) found = child;
  }
  QCOMPARE(interactive, 10);
  QVERIFY(found != nullptr);
  QCOMPARE(found->role(), role);
  QVERIFY(HasArabicScript(found->text(QAccessible::Name)));
  QCOMPARE(!found->text(QAccessible::Description).isEmpty(), described);
}

void AccessibilityTest::theExplanationBoxReadsOutTheExplanation() {
  form_->Text1->selectAll();
  QTest::keyClicks(form_->Text1, QStringLiteral("784"));
  const auto expected = ErrorCatalogue::Lookup(u"784").value();
  const QString explanation =
      QString::fromUtf16(expected.data(), static_cast<qsizetype>(expected.size()));
  QTRY_COMPARE(form_->Text2->toPlainText(), explanation);
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form_->Text2);
  QCOMPARE(box->text(QAccessible::Value), explanation);
  QVERIFY(box->state().readOnly);
  QAccessibleInterface* entry = QAccessible::queryAccessibleInterface(form_->Text1);
  QCOMPARE(entry->text(QAccessible::Value), QStringLiteral("784"));
}

void AccessibilityTest::theCloseImageCanBePressed() {
  QAccessibleInterface* close = QAccessible::queryAccessibleInterface(form_->imgexit);
  QVERIFY(close->actionInterface() != nullptr);
  QCOMPARE(close->actionInterface()->actionNames(),
           QStringList{QAccessibleActionInterface::pressAction()});
  close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  QCOMPARE(runtime_.ends, 1);
}

// The splash takes no input but its title strip; a screen reader names the
// window and reads every caption.
void AccessibilityTest::theSplashWindowIsNamedAndReadable() {
  ApplicationShell shell(runtime_, App(QStringLiteral("/opt/dialnote/dialnote")));
  shell.Start();
  Form2* splash = shell.Splash();
  QVERIFY(QTest::qWaitForWindowExposed(splash));
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(splash);
  QCOMPARE(window->text(QAccessible::Name), QStringLiteral("دايالنوت"));
  int interactive = 0;
  int captions = 0;
  for (int i = 0; i < window->childCount(); ++i) {
    QAccessibleInterface* child = window->child(i);
    if (IsInteractive(child->role())) {
      ++interactive;
      QCOMPARE(child->role(), QAccessible::TitleBar);
      QVERIFY(HasArabicScript(child->text(QAccessible::Name)));
      QVERIFY(!child->text(QAccessible::Description).isEmpty());
    }
    if (child->role() == QAccessible::StaticText && !child->text(QAccessible::Name).isEmpty()) {
      ++captions;
    }
  }
  QCOMPARE(interactive, 1);
  QCOMPARE(captions, 5);  // title, version line, authors, copyright line, web address
}

}  // namespace dialnote

QTEST_MAIN(dialnote::AccessibilityTest)
#include "accessibility_test.moc"

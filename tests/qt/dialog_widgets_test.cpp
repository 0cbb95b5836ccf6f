// The options dialog on real Qt widgets: geometry, fonts, keyboard, focus, the error box and the
// open-file dialog, each driven by synthetic key and mouse events.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "dialog/ProgramIconImage.h"
#include "dialog/Unit1.h"
#include "platform/application.h"
#include "platform/exceptions.h"
#include "platform/process.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_form_window.h"
#include "platform/text.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class DialogWidgetsTest : public QObject {
  Q_OBJECT

 public:
  explicit DialogWidgetsTest(QtBackend& backend) : backend_(backend) {}

 private slots:
  void init();
  void cleanup();

  void controlGeometry_data();
  void controlGeometry();
  void windowIsFixedDialog();
  void windowFollowsFormPosition();
  void scrollBarsWhenClientSmaller_data();
  void scrollBarsWhenClientSmaller();
  void closeBoxAsksTheForm();
  void captionsFitWithTheFont_data();
  void captionsFitWithTheFont();
  void editBackgrounds_data();
  void editBackgrounds();
  void editNamedByItsCaption_data();
  void editNamedByItsCaption();
  void iconRows_data();
  void iconRows();

  void firstShowFocusesEdit1WithTextSelected();
  void tabOrderWalk_data();
  void tabOrderWalk();
  void keyboardRules_data();
  void keyboardRules();
  void spaceHeldOnButtonClicksOnce();
  void focusReasonDecidesSelection_data();
  void focusReasonDecidesSelection();
  void typedTextReachesModelOrIsRefused_data();
  void typedTextReachesModelOrIsRefused();
  void pastedUnconvertibleTextIsRefused();

  void errorBox_data();
  void errorBox();
  void openDialogFirstAndLaterOpenings();
  void openDialogCancelChangesNothing();
  void openDialogUnconvertiblePathIsAnError();

  void noDisplay_data();
  void noDisplay();

 private:
  // Makes Form1 from its description and shows it; `adjust` may change the form first.
  void Show(const std::function<void(TForm1&)>& adjust = {});
  template <class T = QWidget>
  T* W(const char* name) const {
    return window_ ? window_->findChild<T*>(QString::fromLatin1(name)) : nullptr;
  }
  TControl* C(const char* name) const { return form_->FindControl(name); }
  // Counts the buttons' presses instead of running their handlers.
  void RecordClicks();
  // Runs `act` on the next modal window, from inside its own event loop.
  void WhenModal(std::function<void(QWidget*)> act);
  void Focus(const char* name) {
    Application->HandleEvent([&] { form_->FocusControl(C(name), TFocusReason::Keyboard); });
  }

  QtBackend& backend_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<TForm1> form_;
  QtFormWindow* window_ = nullptr;
  QStringList clicks_;
  QPointer<QTimer> modalTimer_;
};

void DialogWidgetsTest::init() {
  dir_ = std::make_unique<QTemporaryDir>();
  QVERIFY(dir_->isValid());
  SetProcessForTesting(dir_->path().toStdString() + "/VadoveZiz", {});
  Application->Initialize();
  Application->Icon = LoadProgramIcon();
  clicks_.clear();
}

void DialogWidgetsTest::cleanup() {
  delete modalTimer_.data();
  backend_.DropForm();
  window_ = nullptr;
  form_.reset();
  Form1 = nullptr;
  dir_.reset();
}

void DialogWidgetsTest::Show(const std::function<void(TForm1&)>& adjust) {
  form_ = std::make_unique<TForm1>(nullptr);
  Form1 = form_.get();
  form_->Create();
  if (adjust) adjust(*form_);
  backend_.ShowMainForm(*form_);
  window_ = backend_.Window();
  QVERIFY(window_);
  QVERIFY(QTest::qWaitForWindowActive(window_));
}

void DialogWidgetsTest::RecordClicks() {
  for (const char* name : {"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7"})
    static_cast<TButton*>(C(name))->OnClick = [this, name](TObject*) { clicks_ << QString::fromLatin1(name); };
}

void DialogWidgetsTest::WhenModal(std::function<void(QWidget*)> act) {
  modalTimer_ = new QTimer;
  modalTimer_->setInterval(10);
  QTimer* timer = modalTimer_;
  connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    act(modal);
  });
  timer->start();
}

// --- Layout ---

void DialogWidgetsTest::controlGeometry_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("bounds");
  const struct {
    const char* name;
    int left, top, width, height;
  } rows[] = {
      {"Label1", 16, 16, 55, 12},     {"Label2", 16, 40, 64, 12},      {"Label3", 16, 104, 157, 12},
      {"Label4", 16, 152, 219, 12},   {"Label5", 16, 200, 134, 12},    {"Label6", 16, 64, 24, 12},
      {"Label7", 48, 368, 106, 12},   {"Edit1", 96, 16, 137, 20},      {"Button1", 232, 16, 20, 20},
      {"Edit2", 96, 40, 137, 20},     {"Button2", 232, 40, 20, 20},    {"Edit3", 48, 120, 241, 20},
      {"Button3", 288, 120, 20, 20},  {"Edit4", 48, 168, 241, 20},     {"Button4", 288, 168, 20, 20},
      {"Edit5", 48, 216, 241, 20},    {"Button5", 288, 216, 20, 20},   {"Edit6", 96, 64, 81, 20},
      {"CheckBox1", 16, 256, 193, 17}, {"CheckBox2", 16, 312, 185, 17}, {"CheckBox3", 40, 280, 89, 17},
      {"Edit7", 128, 280, 121, 20},   {"Button6", 48, 408, 75, 25},    {"Button7", 200, 408, 75, 25},
      {"CheckBox4", 16, 344, 201, 17}, {"Edit8", 168, 368, 105, 20},
  };
  for (const auto& r : rows) QTest::newRow(r.name) << QString::fromLatin1(r.name) << QRect(r.left, r.top, r.width, r.height);
}

void DialogWidgetsTest::controlGeometry() {
  QFETCH(QString, name);
  QFETCH(QRect, bounds);
  Show();
  QWidget* widget = window_->findChild<QWidget*>(name);
  QVERIFY(widget);
  QCOMPARE(widget->parentWidget(), window_->Page());
  QCOMPARE(widget->geometry(), bounds);
  QVERIFY(widget->isVisible());
}

void DialogWidgetsTest::windowIsFixedDialog() {
  Show();
  QCOMPARE(window_->frameGeometry().size(), QSize(336, 473));
  QCOMPARE(window_->minimumSize(), window_->maximumSize());
  QCOMPARE(window_->windowTitle(), U("VadoveZiz"));
  const Qt::WindowFlags flags = window_->windowFlags();
  QVERIFY(flags.testFlag(Qt::WindowTitleHint));
  QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  window_->resize(500, 600);
  QCOMPARE(window_->size(), window_->minimumSize());
  QCOMPARE(window_->Page()->palette().color(QPalette::Window), QColor(240, 240, 240));
}

void DialogWidgetsTest::windowFollowsFormPosition() {
  Show();
  // No settings file: the load put the dialog in the screen's corner.
  QCOMPARE(window_->frameGeometry().topLeft(), QPoint(0, 0));
  form_->SetLeft(120);
  form_->SetTop(45);
  QTRY_COMPARE(window_->frameGeometry().topLeft(), QPoint(120, 45));
}

void DialogWidgetsTest::scrollBarsWhenClientSmaller_data() {
  QTest::addColumn<QSize>("client");
  QTest::addColumn<bool>("horizontal");
  QTest::addColumn<bool>("vertical");
  QTest::newRow("room for all") << QSize(328, 446) << false << false;
  QTest::newRow("just enough") << QSize(308, 433) << false << false;
  QTest::newRow("a pixel too narrow") << QSize(307, 460) << true << false;
  QTest::newRow("a pixel too low") << QSize(328, 432) << false << true;
  QTest::newRow("both") << QSize(290, 400) << true << true;
}

void DialogWidgetsTest::scrollBarsWhenClientSmaller() {
  QFETCH(QSize, client);
  QFETCH(bool, horizontal);
  QFETCH(bool, vertical);
  // The frame this platform draws decides the client area; the outer size is what the form fixes.
  Show();
  const QSize frame = window_->frameGeometry().size() - window_->size();
  backend_.DropForm();
  Show([&](TForm1& form) {
    form.MinWidth = form.MaxWidth = client.width() + frame.width();
    form.MinHeight = form.MaxHeight = client.height() + frame.height();
  });
  QCOMPARE(window_->size(), client);
  QCOMPARE(window_->ScrollArea()->horizontalScrollBar()->isVisible(), horizontal);
  QCOMPARE(window_->ScrollArea()->verticalScrollBar()->isVisible(), vertical);
}

void DialogWidgetsTest::closeBoxAsksTheForm() {
  Show();
  // Not the application's main form here, so closing does not end anything and the window stays.
  QVERIFY(!window_->close());
  QVERIFY(window_->isVisible());
  QVERIFY(!Application->Terminated());
}

void DialogWidgetsTest::captionsFitWithTheFont_data() {
  QTest::addColumn<QString>("name");
  for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "CheckBox1",
                           "CheckBox2", "CheckBox3", "CheckBox4", "Button6", "Button7"})
    QTest::newRow(name) << QString::fromLatin1(name);
}

void DialogWidgetsTest::captionsFitWithTheFont() {
  QFETCH(QString, name);
  Show();
  QWidget* widget = window_->findChild<QWidget*>(name);
  QVERIFY(widget);
  const QFontInfo info(widget->font());
  QCOMPARE(info.family(), U("IPAPGothic"));
  QCOMPARE(info.pixelSize(), 12);
  const QFontMetrics metrics(widget->font());
  int room = widget->width();
  QString text;
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    text = label->text();
  } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
    text = box->text();
    room -= box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
            box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
  } else {
    text = static_cast<QAbstractButton*>(widget)->text();
  }
  QVERIFY(!text.isEmpty());
  QVERIFY2(metrics.horizontalAdvance(text) <= room,
           qPrintable(QStringLiteral("%1 needs %2 of %3").arg(text).arg(metrics.horizontalAdvance(text)).arg(room)));
  QVERIFY(metrics.height() <= widget->height() + 2);
}

void DialogWidgetsTest::editBackgrounds_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<bool>("comboDown");
  QTest::addColumn<QColor>("color");
  const QColor white(255, 255, 255), silver(192, 192, 192);
  for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"})
    QTest::newRow(name) << QString::fromLatin1(name) << false << white;
  QTest::newRow("Edit7 unused") << U("Edit7") << false << silver;
  QTest::newRow("Edit8 unused") << U("Edit8") << false << silver;
  QTest::newRow("Edit8 in use") << U("Edit8") << true << white;
}

void DialogWidgetsTest::editBackgrounds() {
  QFETCH(QString, name);
  QFETCH(bool, comboDown);
  QFETCH(QColor, color);
  Show();
  if (comboDown) QTest::mouseClick(W<QCheckBox>("CheckBox4"), Qt::LeftButton, {}, QPoint(6, 8));
  auto* edit = window_->findChild<QLineEdit*>(name);
  QVERIFY(edit);
  QCOMPARE(edit->palette().color(edit->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Base), color);
  // What is painted, not only what is set: a pixel inside the frame.
  const QImage image = edit->grab().toImage();
  QCOMPARE(image.pixelColor(image.width() / 2, image.height() - 4), color);
}

void DialogWidgetsTest::editNamedByItsCaption_data() {
  QTest::addColumn<QString>("edit");
  QTest::addColumn<QString>("caption");
  QTest::newRow("Edit1 beside") << U("Edit1") << U("Label1");
  QTest::newRow("Edit2 beside") << U("Edit2") << U("Label2");
  QTest::newRow("Edit6 beside") << U("Edit6") << U("Label6");
  QTest::newRow("Edit3 below") << U("Edit3") << U("Label3");
  QTest::newRow("Edit4 below") << U("Edit4") << U("Label4");
  QTest::newRow("Edit5 below") << U("Edit5") << U("Label5");
  QTest::newRow("Edit7 beside a check box") << U("Edit7") << U("CheckBox3");
  QTest::newRow("Edit8 beside") << U("Edit8") << U("Label7");
}

void DialogWidgetsTest::editNamedByItsCaption() {
  QFETCH(QString, edit);
  QFETCH(QString, caption);
  Show();
  auto* line = window_->findChild<QLineEdit*>(edit);
  QWidget* named = window_->findChild<QWidget*>(caption);
  QVERIFY(line && named);
  const QString text = qobject_cast<QLabel*>(named) ? static_cast<QLabel*>(named)->text()
                                                    : static_cast<QAbstractButton*>(named)->text();
  QCOMPARE(line->accessibleName(), text);
}

void DialogWidgetsTest::iconRows_data() {
  QTest::addColumn<int>("row");
  for (int row : {0, 1, 7, 14, 15, 16, 17, 24, 30, 31}) QTest::newRow(qPrintable(QString::number(row))) << row;
}

void DialogWidgetsTest::iconRows() {
  QFETCH(int, row);
  Show();
  for (const QIcon& icon : {window_->windowIcon(), QApplication::windowIcon()}) {
    QVERIFY(!icon.isNull());
    const QImage image = icon.pixmap(32, 32).toImage();
    QCOMPARE(image.size(), QSize(32, 32));
    // Rows 15 and 16 are the widest; each row further out is two pixels narrower.
    const int out = row < 16 ? 15 - row : row - 16;
    const int first = out, last = 31 - out;
    for (int x = 0; x < 32; ++x) {
      const QColor pixel = image.pixelColor(x, row);
      if (x < first || x > last) {
        QVERIFY2(pixel.alpha() == 0, qPrintable(QStringLiteral("x %1").arg(x)));
        continue;
      }
      QCOMPARE(pixel.alpha(), 255);
      if (out == 0) {
        const int band = x < 16 ? x : 31 - x;
        const QColor expected = band < 6 ? QColor(255, 170, 0) : band < 11 ? QColor(255, 115, 72) : QColor(255, 72, 72);
        QCOMPARE(pixel.rgb(), expected.rgb());
      }
    }
  }
}

// --- Keyboard and focus ---

void DialogWidgetsTest::firstShowFocusesEdit1WithTextSelected() {
  Show();
  auto* edit1 = W<QLineEdit>("Edit1");
  QCOMPARE(QApplication::focusWidget(), edit1);
  QCOMPARE(edit1->text(), U("zuzozi.ini"));
  QCOMPARE(edit1->selectedText(), U("zuzozi.ini"));
  QVERIFY(edit1->isReadOnly());
  QCOMPARE(form_->ActiveControl(), C("Edit1"));
}

void DialogWidgetsTest::tabOrderWalk_data() {
  QTest::addColumn<bool>("backward");
  QTest::newRow("Tab") << false;
  QTest::newRow("Shift+Tab") << true;
}

void DialogWidgetsTest::tabOrderWalk() {
  QFETCH(bool, backward);
  Show();
  // CheckBox3 and Edit7 start disabled and are skipped.
  QStringList order = {U("Edit1"),   U("Button1"),   U("Edit2"),     U("Button2"), U("Edit6"),
                       U("Edit3"),   U("Button3"),   U("Edit4"),     U("Button4"), U("Edit5"),
                       U("Button5"), U("CheckBox1"), U("CheckBox2"), U("Button6"), U("Button7"),
                       U("CheckBox4"), U("Edit8"),   U("Edit1")};
  if (backward) std::reverse(order.begin(), order.end());
  QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
  for (qsizetype i = 1; i < order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, backward ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
    QCOMPARE(QString::fromStdString(form_->ActiveControl()->Name), order[i]);
  }
  // An enabled CheckBox3 and Edit7 join the walk where they belong.
  QTest::mouseClick(W<QCheckBox>("CheckBox1"), Qt::LeftButton, {}, QPoint(6, 8));
  QTest::mouseClick(W<QCheckBox>("CheckBox3"), Qt::LeftButton, {}, QPoint(6, 8));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, backward ? Qt::ShiftModifier : Qt::NoModifier);
  QCOMPARE(QApplication::focusWidget()->objectName(), backward ? U("CheckBox1") : U("Edit7"));
}

void DialogWidgetsTest::keyboardRules_data() {
  QTest::addColumn<QString>("start");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("focusAfter");
  QTest::addColumn<QStringList>("clicked");
  QTest::addColumn<bool>("checkBox1Checked");
  const int none = Qt::NoModifier;
  const QStringList nothing;
  QTest::newRow("Enter in an edit box") << U("Edit2") << int(Qt::Key_Return) << none << U("Edit2") << nothing << false;
  QTest::newRow("keypad Enter in an edit box") << U("Edit6") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << U("Edit6") << nothing << false;
  QTest::newRow("Enter on a check box") << U("CheckBox1") << int(Qt::Key_Return) << none << U("CheckBox1") << nothing << false;
  QTest::newRow("Enter on OK") << U("Button6") << int(Qt::Key_Return) << none << U("Button6") << QStringList{U("Button6")} << false;
  QTest::newRow("keypad Enter on cancel") << U("Button7") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << U("Button7") << QStringList{U("Button7")} << false;
  QTest::newRow("Shift+Enter on OK") << U("Button6") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << U("Button6") << nothing << false;
  QTest::newRow("Ctrl+Enter on OK") << U("Button6") << int(Qt::Key_Return) << int(Qt::ControlModifier) << U("Button6") << nothing << false;
  QTest::newRow("Space on a button") << U("Button2") << int(Qt::Key_Space) << none << U("Button2") << QStringList{U("Button2")} << false;
  QTest::newRow("Space on a check box") << U("CheckBox1") << int(Qt::Key_Space) << none << U("CheckBox1") << nothing << true;
  QTest::newRow("Escape in an edit box") << U("Edit3") << int(Qt::Key_Escape) << none << U("Edit3") << nothing << false;
  QTest::newRow("Escape on cancel") << U("Button7") << int(Qt::Key_Escape) << none << U("Button7") << nothing << false;
  QTest::newRow("Right on a button") << U("Button1") << int(Qt::Key_Right) << none << U("Edit2") << nothing << false;
  QTest::newRow("Down on a button") << U("Button1") << int(Qt::Key_Down) << none << U("Edit2") << nothing << false;
  QTest::newRow("Left on a button") << U("Button2") << int(Qt::Key_Left) << none << U("Edit2") << nothing << false;
  QTest::newRow("Up on a button") << U("Button6") << int(Qt::Key_Up) << none << U("CheckBox2") << nothing << false;
  QTest::newRow("Down on a check box skips disabled") << U("CheckBox1") << int(Qt::Key_Down) << none << U("CheckBox2") << nothing << false;
  QTest::newRow("Up on a check box") << U("CheckBox1") << int(Qt::Key_Up) << none << U("Button5") << nothing << false;
  QTest::newRow("Right in an edit box") << U("Edit6") << int(Qt::Key_Right) << none << U("Edit6") << nothing << false;
  QTest::newRow("Up in an edit box") << U("Edit6") << int(Qt::Key_Up) << none << U("Edit6") << nothing << false;
}

void DialogWidgetsTest::keyboardRules() {
  QFETCH(QString, start);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, focusAfter);
  QFETCH(QStringList, clicked);
  QFETCH(bool, checkBox1Checked);
  Show();
  RecordClicks();
  Focus(start.toLatin1().constData());
  QWidget* widget = QApplication::focusWidget();
  QCOMPARE(widget->objectName(), start);
  QTest::keyClick(widget, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
  QApplication::processEvents();
  QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
  QCOMPARE(QString::fromStdString(form_->ActiveControl()->Name), focusAfter);
  QCOMPARE(clicks_, clicked);
  QCOMPARE(W<QCheckBox>("CheckBox1")->isChecked(), checkBox1Checked);
  QCOMPARE(static_cast<TCheckBox*>(C("CheckBox1"))->Checked(), checkBox1Checked);
  // A box checked from the keyboard ran its rule: CheckBox3 follows.
  QCOMPARE(W<QCheckBox>("CheckBox3")->isEnabled(), checkBox1Checked);
  QVERIFY(window_->isVisible());
}

void DialogWidgetsTest::spaceHeldOnButtonClicksOnce() {
  Show();
  RecordClicks();
  Focus("Button3");
  QWidget* button = QApplication::focusWidget();
  QTest::keyPress(button, Qt::Key_Space);
  for (int i = 0; i < 3; ++i) {
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(button, &repeat);
  }
  QTest::keyRelease(button, Qt::Key_Space);
  QApplication::processEvents();
  QCOMPARE(clicks_, QStringList{U("Button3")});
  // And a mouse click is one press too.
  QTest::mouseClick(W("Button4"), Qt::LeftButton);
  QCOMPARE(clicks_, (QStringList{U("Button3"), U("Button4")}));
  QCOMPARE(QApplication::focusWidget(), W("Button4"));
}

void DialogWidgetsTest::focusReasonDecidesSelection_data() {
  QTest::addColumn<bool>("byMouse");
  QTest::newRow("Tab selects all") << false;
  QTest::newRow("a click does not") << true;
}

void DialogWidgetsTest::focusReasonDecidesSelection() {
  QFETCH(bool, byMouse);
  Show();
  static_cast<TEdit*>(C("Edit3"))->SetText("abc");
  auto* edit3 = W<QLineEdit>("Edit3");
  QCOMPARE(edit3->text(), U("abc"));
  if (byMouse) {
    QTest::mouseClick(edit3, Qt::LeftButton, {}, QPoint(edit3->width() - 5, 10));
  } else {
    Focus("Edit6");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QCOMPARE(QApplication::focusWidget(), edit3);
  QCOMPARE(form_->ActiveControl(), C("Edit3"));
  QCOMPARE(edit3->selectedText(), byMouse ? QString() : U("abc"));
  QCOMPARE(static_cast<TEdit*>(C("Edit3"))->SelLength(), byMouse ? 0 : 3);
  // Typing replaces a selection once, then every further character stays.
  QTest::keyClicks(edit3, QStringLiteral("xyz"));
  QCOMPARE(edit3->text(), byMouse ? U("abcxyz") : U("xyz"));
  QCOMPARE(static_cast<TEdit*>(C("Edit3"))->Text(), edit3->text().toStdString());
}

void DialogWidgetsTest::typedTextReachesModelOrIsRefused_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("shown");
  QTest::newRow("ASCII") << U("C:/a b") << U("abC:/a b");
  QTest::newRow("Japanese") << U("日本語") << U("ab日本語");
  QTest::newRow("half-width kana") << U("ｶﾅ") << U("abｶﾅ");
  QTest::newRow("accented letter") << U("é") << U("ab");
  QTest::newRow("emoji") << U("😀") << U("ab");
  QTest::newRow("good then bad") << U("x😀y") << U("abxy");
}

void DialogWidgetsTest::typedTextReachesModelOrIsRefused() {
  QFETCH(QString, typed);
  QFETCH(QString, shown);
  Show();
  auto* model = static_cast<TEdit*>(C("Edit2"));
  model->SetText("ab");
  QTest::mouseClick(W<QLineEdit>("Edit2"), Qt::LeftButton, {}, QPoint(120, 10));
  // One key event per character, as typed; a surrogate pair is one character.
  for (qsizetype i = 0; i < typed.size(); ++i) {
    const qsizetype length = typed[i].isHighSurrogate() ? 2 : 1;
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed.mid(i, length));
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    i += length - 1;
  }
  QCOMPARE(W<QLineEdit>("Edit2")->text(), shown);
  QCOMPARE(model->Text(), Utf8ToAnsi(shown.toStdString()));
}

void DialogWidgetsTest::pastedUnconvertibleTextIsRefused() {
  Show();
  auto* model = static_cast<TEdit*>(C("Edit5"));
  model->SetText(Ansi("設定"));
  auto* edit5 = W<QLineEdit>("Edit5");
  QTest::mouseClick(edit5, Qt::LeftButton, {}, QPoint(200, 10));
  QApplication::clipboard()->setText(U("café"));
  QTest::keyClick(edit5, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(edit5->text(), U("設定"));
  QCOMPARE(model->Text(), Ansi("設定"));
  // A line break would become lines of the settings file.
  QApplication::clipboard()->setText(U("a.exe\n[Pos]"));
  QTest::keyClick(edit5, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(model->Text(), Ansi("設定"));
  QApplication::clipboard()->setText(U("ファイル"));
  QTest::keyClick(edit5, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(edit5->text(), U("設定ファイル"));
  QCOMPARE(model->Text(), Ansi("設定ファイル"));
}

// --- Error box and open-file dialog ---

void DialogWidgetsTest::errorBox_data() {
  QTest::addColumn<bool>("fromOk");
  QTest::addColumn<QString>("text");
  QTest::newRow("raised by code") << false << U("書き込めません.");
  QTest::newRow("OK with a bad width") << true << U("'2 5' は整数ではありません.");
}

void DialogWidgetsTest::errorBox() {
  QFETCH(bool, fromOk);
  QFETCH(QString, text);
  Show();
  struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool okButton = false;
    Qt::WindowModality modality = Qt::NonModal;
  } seen;
  WhenModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) return modal->close(), void();
    seen = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size()),
            box->button(QMessageBox::Ok) != nullptr, box->windowModality()};
    QTest::mouseClick(box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok) : box->buttons().value(0), Qt::LeftButton);
  });
  if (fromOk) {
    static_cast<TEdit*>(C("Edit6"))->SetText("2 5");
    QTest::mouseClick(W("Button6"), Qt::LeftButton);
  } else {
    Application->HandleEvent([] { throw EIniFileException(Ansi("書き込めません")); });
  }
  QCOMPARE(seen.title, U("Vadoveziz"));
  QCOMPARE(seen.text, text);
  QCOMPARE(seen.icon, QMessageBox::Critical);
  QCOMPARE(seen.buttons, 1);
  QVERIFY(seen.okButton);
  QCOMPARE(seen.modality, Qt::ApplicationModal);
  // The dialog is back and stays open.
  QVERIFY(!QApplication::activeModalWidget());
  QVERIFY(window_->isVisible());
  QVERIFY(!Application->Terminated());
}

namespace {

struct OpenSeen {
  QStringList filters;
  QString selectedFilter;
  QStringList selectedFiles;
  QPoint pos;
  QPoint expectedPos;
  Qt::WindowModality modality = Qt::NonModal;
  bool native = true;
  QFileDialog::FileMode mode = QFileDialog::ExistingFile;
};

// Records what the open dialog offers, then confirms `choose` with filter `filter` or cancels.
std::function<void(QWidget*)> DriveOpenDialog(OpenSeen& seen, QString choose, int filter) {
  return [&seen, choose, filter](QWidget* modal) {
    auto* box = qobject_cast<QFileDialog*>(modal);
    if (!box) return modal->close(), void();
    seen.filters = box->nameFilters();
    seen.selectedFilter = box->selectedNameFilter();
    seen.selectedFiles = box->selectedFiles();
    seen.pos = box->frameGeometry().topLeft();
    const QRect screen = box->screen()->availableGeometry();
    const QSize size = box->frameGeometry().size();
    seen.expectedPos = QPoint(screen.x() + (screen.width() - size.width()) / 2,
                              screen.y() + (screen.height() - size.height()) / 3);
    seen.modality = box->windowModality();
    seen.native = !box->testOption(QFileDialog::DontUseNativeDialog);
    seen.mode = box->fileMode();
    if (choose.isEmpty()) {
      box->reject();
      return;
    }
    box->selectNameFilter(seen.filters.value(filter - 1));
    box->selectFile(choose);
    QMetaObject::invokeMethod(box, "accept", Qt::DirectConnection);
  };
}

}  // namespace

void DialogWidgetsTest::openDialogFirstAndLaterOpenings() {
  Show();
  const QString dir = dir_->path();
  const QStringList datFilters = {U("DATファイル(.dat) (*.dat)"), U("全てのファイル(.*) (*.*)")};

  // First opening: the first filter, no name; a name that does not exist is taken.
  OpenSeen first;
  WhenModal(DriveOpenDialog(first, dir + U("/新規.dat"), 2));
  QTest::mouseClick(W("Button2"), Qt::LeftButton);
  QCOMPARE(first.filters, datFilters);
  QCOMPARE(first.selectedFilter, U("DATファイル(.dat)"));
  QVERIFY(!first.native);
  QCOMPARE(first.mode, QFileDialog::AnyFile);
  QCOMPARE(first.modality, Qt::ApplicationModal);
  QCOMPARE(first.pos, first.expectedPos);
  QCOMPARE(W<QLineEdit>("Edit2")->text(), dir + U("/新規.dat"));
  QCOMPARE(form_->OpenDialog2->FilterIndex, 2);

  // Later opening: the confirmed filter and the last name.
  OpenSeen later;
  WhenModal(DriveOpenDialog(later, dir + U("/b.dat"), 1));
  QTest::mouseClick(W("Button2"), Qt::LeftButton);
  QCOMPARE(later.selectedFilter, U("全てのファイル(.*)"));
  QCOMPARE(later.selectedFiles, QStringList{dir + U("/新規.dat")});
  QCOMPARE(later.pos, later.expectedPos);
  QCOMPARE(form_->OpenDialog2->FilterIndex, 1);
  QCOMPARE(W<QLineEdit>("Edit2")->text(), dir + U("/b.dat"));

  // The three executable buttons share one dialog; its own filters.
  OpenSeen exe;
  WhenModal(DriveOpenDialog(exe, dir + U("/app.exe"), 1));
  QTest::mouseClick(W("Button4"), Qt::LeftButton);
  QCOMPARE(exe.filters, (QStringList{U("実行ファイル(.exe) (*.exe)"), U("全てのファイル(.*) (*.*)")}));
  QCOMPARE(exe.selectedFilter, U("実行ファイル(.exe)"));
  OpenSeen shared;
  WhenModal(DriveOpenDialog(shared, QString(), 1));
  QTest::mouseClick(W("Button5"), Qt::LeftButton);
  QCOMPARE(shared.selectedFiles, QStringList{dir + U("/app.exe")});
  QCOMPARE(W<QLineEdit>("Edit4")->text(), dir + U("/app.exe"));
  QCOMPARE(W<QLineEdit>("Edit5")->text(), QString());
}

void DialogWidgetsTest::openDialogCancelChangesNothing() {
  Show();
  static_cast<TEdit*>(C("Edit3"))->SetText("keep");
  form_->OpenDialog3->FileName = dir_->path().toStdString() + "/old.exe";
  form_->OpenDialog3->FilterIndex = 2;
  OpenSeen seen;
  WhenModal(DriveOpenDialog(seen, QString(), 1));
  QTest::mouseClick(W("Button3"), Qt::LeftButton);
  QCOMPARE(seen.selectedFilter, U("全てのファイル(.*)"));
  QCOMPARE(seen.selectedFiles, QStringList{dir_->path() + U("/old.exe")});
  QCOMPARE(W<QLineEdit>("Edit3")->text(), U("keep"));
  QCOMPARE(form_->OpenDialog3->FilterIndex, 2);
  QCOMPARE(form_->OpenDialog3->FileName, dir_->path().toStdString() + "/old.exe");
}

void DialogWidgetsTest::openDialogUnconvertiblePathIsAnError() {
  Show();
  OpenSeen seen;
  QString errorText;
  WhenModal([&](QWidget* modal) {
    DriveOpenDialog(seen, dir_->path() + U("/café.dat"), 2)(modal);
    // The error box follows once the dialog has gone.
    WhenModal([&](QWidget* next) {
      auto* box = qobject_cast<QMessageBox*>(next);
      if (box) errorText = box->text();
      next->close();
    });
  });
  QTest::mouseClick(W("Button2"), Qt::LeftButton);
  QVERIFY(!errorText.isEmpty());
  QCOMPARE(W<QLineEdit>("Edit2")->text(), QString());
  QCOMPARE(form_->OpenDialog2->FilterIndex, 1);
  QVERIFY(form_->OpenDialog2->FileName.empty());
}

// --- Start without a display ---

void DialogWidgetsTest::noDisplay_data() {
  QTest::addColumn<QString>("display");
  QTest::newRow("no display named") << QString();
  QTest::newRow("X server not there") << U(":97");
}

void DialogWidgetsTest::noDisplay() {
  QFETCH(QString, display);
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
  if (!display.isEmpty()) env.insert(U("DISPLAY"), display);
  program.setProcessEnvironment(env);
  program.setWorkingDirectory(dir_->path());
  program.start(QString::fromUtf8(VZ_PROGRAM), {});
  QVERIFY(program.waitForFinished(60000));
  QCOMPARE(program.exitStatus(), QProcess::NormalExit);
  QCOMPARE(program.exitCode(), 1);
  const QString err = QString::fromUtf8(program.readAllStandardError());
  QCOMPARE(err.count(QLatin1Char('\n')), 1);
  QVERIFY2(err.contains(U("画面がありません")), qPrintable(err));
}

int RunQtHelpersTest(int argc, char** argv);

int main(int argc, char** argv) {
  std::unique_ptr<TBackend> backend = CreateQtBackend(argc, argv);
  if (!backend) return 1;
  SetBackend(backend.get());
  int result = 0;
  {
    DialogWidgetsTest test(static_cast<QtBackend&>(*backend));
    result = QTest::qExec(&test, argc, argv);
  }
  result |= RunQtHelpersTest(argc, argv);
  SetBackend(nullptr);
  return result;
}

#include "dialog_widgets_test.moc"

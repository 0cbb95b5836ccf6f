#include "qt_form.h"

#include <QApplication>

#include <algorithm>

#include "platform/application.h"
#include "qt_button.h"
#include "qt_checkbox.h"
#include "qt_color.h"
#include "qt_edit.h"
#include "qt_edit_captions.h"
#include "qt_font.h"
#include "qt_icon.h"
#include "qt_label.h"
#include "qt_text.h"

namespace {

std::unique_ptr<QtControl> MakePeer(TControl& control, QWidget* page) {
  if (auto* edit = dynamic_cast<TEdit*>(&control)) return std::make_unique<QtEdit>(*edit, page);
  if (auto* button = dynamic_cast<TButton*>(&control)) return std::make_unique<QtButton>(*button, page);
  if (auto* box = dynamic_cast<TCheckBox*>(&control)) return std::make_unique<QtCheckBox>(*box, page);
  if (auto* label = dynamic_cast<TLabel*>(&control)) return std::make_unique<QtLabel>(*label, page);
  return nullptr;
}

}  // namespace

QtForm::QtForm(TForm& form) : form_(form), window_(new QtFormWindow(form)), input_(std::make_unique<QtInput>(form)) {
  form.SetPeer(this);
  QSize extent;
  for (TControl* control : form.Controls()) {
    auto peer = MakePeer(*control, window_->Page());
    if (!peer) continue;
    input_->Watch(peer->Widget(), control);
    extent = extent.expandedTo(QSize(control->Left() + control->Width(), control->Top() + control->Height()));
    controls_.push_back(std::move(peer));
  }
  window_->SetPageExtent(extent);
  for (QWidget* container : {static_cast<QWidget*>(window_.data()), static_cast<QWidget*>(window_->ScrollArea()),
                             window_->ScrollArea()->viewport(), window_->Page()})
    input_->Watch(container, nullptr);
  for (const auto& [edit, caption] : EditCaptions(form)) {
    auto find = [&](const TControl* c) {
      auto it = std::find_if(controls_.begin(), controls_.end(), [c](const auto& p) { return &p->Control() == c; });
      return it == controls_.end() ? nullptr : it->get();
    };
    QtControl* editPeer = find(edit);
    QtControl* captionPeer = find(caption);
    if (editPeer && captionPeer) captionPeer->AddNamedWidget(editPeer->Widget());
  }
}

QtForm::~QtForm() {
  Detach();
  controls_.clear();
  delete window_.data();
}

void QtForm::Detach() {
  if (attached_ && form_.Peer() == this) form_.SetPeer(nullptr);
  attached_ = false;
  for (auto& control : controls_) control->Detach();
}

void QtForm::FormChanged(TForm&, TChange what) {
  if (window_) Push(what);
}

void QtForm::Push(TChange what) {
  switch (what) {
    case TChange::Bounds:
      window_->ApplyPosition();
      break;
    case TChange::Caption:
      window_->setWindowTitle(ToQString(form_.Caption()));
      break;
    case TChange::Color: {
      QWidget* page = window_->Page();
      QPalette palette = page->palette();
      palette.setColor(QPalette::Window, ToQColor(form_.Color));
      page->setPalette(palette);
      page->setAutoFillBackground(true);
      window_->ScrollArea()->viewport()->setPalette(palette);
      break;
    }
    default:
      break;
  }
}

void QtForm::Show() {
  Application->HandleEvent([&] {
    QFont font = ToQFont(form_.Font);
    window_->setFont(font);
    QPalette palette = window_->palette();
    // Not the disabled group: a disabled caption keeps the style's grey.
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
      palette.setColor(group, QPalette::WindowText, ToQColor(form_.Font.Color));
      palette.setColor(group, QPalette::Text, ToQColor(form_.Font.Color));
      palette.setColor(group, QPalette::ButtonText, ToQColor(form_.Font.Color));
    }
    window_->setPalette(palette);
    for (TChange what : {TChange::Caption, TChange::Color}) Push(what);
    for (auto& control : controls_) control->PushAll();
  });
  const QIcon icon = ToQIcon(Application->Icon);
  if (!icon.isNull()) {
    window_->setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
  }
  window_->winId();  // the native window, so the position can be given frame included
  window_->ApplySize();
  window_->ApplyPosition();
  Application->HandleEvent([&] { form_.FocusFirst(); });
  window_->show();
  window_->activateWindow();
}

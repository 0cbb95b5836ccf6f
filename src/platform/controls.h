#pragma once
// The standard controls as plain state. A setter that really changes the state tells the backend
// (through the control's peer) and fires the control's event synchronously; a setter that changes
// nothing does neither. The same entry points serve the program's code and the user's input.
#include <string>

#include "classes.h"
#include "graphics.h"

class TForm;

// What changed, for the backend that mirrors a control onto a widget.
enum class TChange { Bounds, Enabled, Visible, Color, Caption, Text, Checked, ReadOnly, Selection, Focus };

class TControl;

// Implemented by a backend: mirrors one control's state onto its native widget.
class TControlPeer {
 public:
  virtual ~TControlPeer() = default;
  virtual void Changed(TControl& control, TChange what) = 0;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // The form that shows this control.
  TForm* Parent() const { return parent_; }
  void SetParent(TForm* form);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  TColor Color() const { return color_; }
  void SetColor(TColor v);

  // Caption of labels, buttons and check boxes; an edit box's caption is its text.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int v) { tabOrder_ = v; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v) { tabStop_ = v; }
  // Whether this kind of control can take the focus at all (labels cannot).
  virtual bool CanTakeFocus() const { return true; }
  bool Focused() const;

  void SetPeer(TControlPeer* peer) { peer_ = peer; }
  TControlPeer* Peer() const { return peer_; }

 protected:
  void Notify(TChange what);
  // Runs the handler, if any, with this control as the sender. Its errors travel on to whatever
  // made the change; user input reaches the model through TApplication::HandleEvent.
  void Fire(const TNotifyEvent& event);
  std::string caption_;

 private:
  TForm* parent_ = nullptr;
  TControlPeer* peer_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  TColor color_ = clWindow;
  int tabOrder_ = -1;
  bool tabStop_ = true;
};

class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* AOwner);
  bool CanTakeFocus() const override { return false; }
};

class TEdit : public TControl {
 public:
  explicit TEdit(TComponent* AOwner);
  const std::string& Text() const { return caption_; }
  // Fires OnChange when the text really changes, byte for byte.
  void SetText(const std::string& v);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  // The selection, in bytes of the text.
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  void SetSelection(int start, int length);
  void SelectAll() { SetSelection(0, static_cast<int>(Text().size())); }
  TNotifyEvent OnChange;

 private:
  bool readOnly_ = false;
  int selStart_ = 0, selLength_ = 0;
};

class TButton : public TControl {
 public:
  explicit TButton(TComponent* AOwner);
  // Presses the button: fires OnClick.
  void Click();
  TNotifyEvent OnClick;
};

class TCheckBox : public TControl {
 public:
  explicit TCheckBox(TComponent* AOwner);
  bool Checked() const { return checked_; }
  // Fires OnClick when the check state really changes.
  void SetChecked(bool v);
  void Toggle() { SetChecked(!checked_); }
  TNotifyEvent OnClick;

 private:
  bool checked_ = false;
};

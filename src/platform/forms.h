#pragma once
// The form and the application object. A form is made from its layout description; it holds its
// controls in creation order, knows its tab order and focus, and applies the dialog keyboard
// rules, so every backend behaves the same. The application object owns the main form, runs the
// message loop through the backend, and is the one place that catches the program's errors.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "classes.h"
#include "controls.h"
#include "graphics.h"

class TForm;
class TPublishedMembers;

enum class TBorderStyle { bsSizeable, bsDialog };
enum class TKey { Tab, Enter, Escape, Space, Left, Right, Up, Down };
struct TShiftState {
  bool Shift = false, Ctrl = false, Alt = false;
};
enum class TFocusReason { Program, Keyboard, Mouse };

// Implemented by a backend: mirrors the form itself onto its native window.
class TFormPeer {
 public:
  virtual ~TFormPeer() = default;
  virtual void FormChanged(TForm& form, TChange what) = 0;
};

class TForm : public TComponent {
 public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  // Makes the form from the layout description its class publishes, then runs OnCreate through
  // the application object (an error there is shown, and creation goes on).
  void Create();
  // Reads a layout description `text` (named `fileName` in error messages): creates the controls
  // in order, sets their properties and binds the published members by name. Throws Exception
  // naming the file and line for an unknown class, property, component or handler.
  void ReadLayout(std::string_view text, const std::string& fileName);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  // Outer position of the window on the screen.
  int Left() const { return left_; }
  int Top() const { return top_; }
  void SetLeft(int v);
  void SetTop(int v);
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientWidth(int v) { clientWidth_ = v; }
  void SetClientHeight(int v) { clientHeight_ = v; }
  // Outer size limits; equal minimum and maximum fix the size.
  int MinWidth = 0, MaxWidth = 0, MinHeight = 0, MaxHeight = 0;
  TBorderStyle BorderStyle = TBorderStyle::bsSizeable;
  bool AutoScroll = true;
  TColor Color = clBtnFace;
  TFont Font;
  int PixelsPerInch = 96;
  TNotifyEvent OnCreate;

  // The controls in creation order.
  const std::vector<TControl*>& Controls() const { return controls_; }
  TControl* FindControl(std::string_view name) const;
  // Controls that take part in the tab order, in that order (disabled ones included).
  std::vector<TControl*> TabOrderList() const;

  TControl* ActiveControl() const { return active_; }
  // Moves the focus; an edit box focused from the keyboard selects its whole text.
  void FocusControl(TControl* control, TFocusReason reason);
  // The next (or previous) enabled, visible tab stop after `from`, wrapping around.
  TControl* FindNextControl(TControl* from, bool forward) const;
  // Focus for the first show: the first control of the tab order, text selected.
  void FocusFirst();

  // A key pressed while `ActiveControl` has the focus. Returns true when the dialog's rules
  // consumed it (the backend then swallows it); false leaves it to the focused widget (typing,
  // arrow keys in an edit box).
  bool KeyDown(TKey key, TShiftState shift);

  // Closing the window (close box, system menu, Alt+F4): ends the application for the main form.
  void Close();

  void SetPeer(TFormPeer* peer) { peer_ = peer; }
  TFormPeer* Peer() const { return peer_; }
  // Called by a control created by the layout reader, in creation order.
  void AddControl(TControl* control);
  // Called by a control that is freed or moves to another form.
  void RemoveControl(TControl* control);

 protected:
  // A form class lists its published component references and handlers here, by name.
  virtual void Publish(TPublishedMembers& members);

 private:
  void Notify(TChange what);
  std::string caption_;
  int left_ = 0, top_ = 0;
  int clientWidth_ = 0, clientHeight_ = 0;
  std::vector<TControl*> controls_;
  TControl* active_ = nullptr;
  TFormPeer* peer_ = nullptr;
};

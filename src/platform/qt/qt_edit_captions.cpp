#include "qt_edit_captions.h"

#include <climits>
#include <cstdlib>

#include "platform/controls.h"
#include "platform/forms.h"

namespace {

bool IsCaption(const TControl* c) {
  return dynamic_cast<const TLabel*>(c) != nullptr || dynamic_cast<const TCheckBox*>(c) != nullptr;
}

// How far `caption` is from naming `edit` on its left, or INT_MAX when it does not.
int LeftDistance(const TControl& caption, const TControl& edit) {
  const int right = caption.Left() + caption.Width();
  // A check box's box may reach a pixel or two under the field it names.
  if (caption.Left() >= edit.Left() || right > edit.Left() + 2) return INT_MAX;
  if (std::abs(caption.Top() - edit.Top()) > 4) return INT_MAX;
  return edit.Left() - right + 2;
}

// How far `caption` is from naming `edit` from above, or INT_MAX.
int AboveDistance(const TControl& caption, const TControl& edit) {
  const int bottom = caption.Top() + caption.Height();
  const int gap = edit.Top() - bottom;
  if (gap < 0 || gap > 8) return INT_MAX;
  if (caption.Left() > edit.Left() || caption.Left() + caption.Width() <= edit.Left()) return INT_MAX;
  return gap;
}

}  // namespace

std::map<const TControl*, const TControl*> EditCaptions(const TForm& form) {
  std::map<const TControl*, const TControl*> result;
  for (const TControl* edit : form.Controls()) {
    if (!dynamic_cast<const TEdit*>(edit)) continue;
    for (auto distance : {LeftDistance, AboveDistance}) {
      const TControl* best = nullptr;
      int bestDistance = INT_MAX;
      for (const TControl* caption : form.Controls()) {
        if (!IsCaption(caption)) continue;
        const int d = distance(*caption, *edit);
        if (d < bestDistance) best = caption, bestDistance = d;
      }
      if (best) {
        result[edit] = best;
        break;
      }
    }
  }
  return result;
}

#pragma once
// The open-file dialog component. It remembers the file chosen last and the file type selected
// when that choice was confirmed, and offers both the next time it opens.
#include <string>

#include "classes.h"

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* AOwner);

  // Pairs of description and pattern separated by '|', e.g. "INIファイル(.ini)|*.ini|...".
  std::string Filter;
  // 1-based index of the preselected pair; the last confirmed one after a choice.
  int FilterIndex = 1;
  // The chosen file's full path; its first 260 bytes are offered as the initial name.
  std::string FileName;

  // Opens the dialog modally through the backend. True with FileName (and FilterIndex) set when
  // the user confirmed a file; false, changing nothing, when the user cancelled.
  bool Execute();
};

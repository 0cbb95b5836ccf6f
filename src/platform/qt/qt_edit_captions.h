#pragma once
// Which caption names an edit box, for assistive technology: the label or check box that sits just
// left of it on the same line, or else the one just above it. Found from the layout alone, since
// a form's description says nothing about which caption belongs to which field.
#include <map>

class TForm;
class TControl;

std::map<const TControl*, const TControl*> EditCaptions(const TForm& form);

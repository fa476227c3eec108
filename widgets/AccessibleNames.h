#pragma once
// Names for the controls of a window, as a screen reader announces them, taken
// from what the window shows, so that a window needs no line per control:
// - a label beside a control (left of it on its row) or above it (starting at
//   its left edge) becomes its buddy: the label's text is then the control's
//   name, and the label's access key focuses it;
// - a control with no label beside an option or check box takes its text;
// - a choice box that has an accessible name is labelled by a hidden label of
//   that text (on Linux screen readers name choice boxes by their labels only);
// - a grid, list, multi-line text or scrolling area that no label names takes
//   the title of the tab page it lies on, or else its window's title.
// A control that has an accessible name of its own keeps it.
class QComboBox;
class QString;
class QWidget;

namespace pellori {

void nameControlsFromLabels(QWidget* window);

// Names a choice box as screen readers read it on Linux: a hidden label of the
// text, its buddy, that goes when the box goes. For boxes a window makes after
// it is shown (the rule above names the others).
void nameChoiceBox(QComboBox* box, const QString& text);

// From now on every window the program shows gets these names when it is
// first shown, its texts from the language file already in place.
void nameControlsWhenShown();

} // namespace pellori

#pragma once

namespace faktorlupe {

// Return presses the focused push button, as it did on the old desktop, where Qt only lets Space
// do it (and Return the dialog's default button). The key goes to the button alone: Return in a
// line edit, a dialog's default button and every other control keep their own meaning, and
// Enter on the keypad stays the screen reader's. Called once, before the first window opens.
void letReturnPressButtons();

} // namespace faktorlupe

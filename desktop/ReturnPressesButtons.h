#pragma once

namespace faktorlupe {

// Return and Enter press the focused push button, as they did on the old desktop, where Qt only
// lets Space do it (and Return the dialog's default button). The key goes to the button alone:
// Return in a line edit, a dialog's default button and every other control keep their own
// meaning. Called once, before the first window opens.
void letReturnPressButtons();

} // namespace faktorlupe

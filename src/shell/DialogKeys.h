#pragma once

class QPushButton;
class QWidget;

// The default and cancel buttons of a dialog that is a child window, not a QDialog: Enter presses the default
// button (or the button that has the focus) and Escape the cancel button, wherever the focus is in the dialog,
// before the control itself sees the key. A list or calendar that has popped up keeps its own Enter and Escape.
namespace DialogKeys {

// Call once the dialog's controls are built.
void install(QWidget* dialog, QPushButton* defaultButton, QPushButton* cancelButton);

} // namespace DialogKeys

#pragma once
// Message boxes: a modal question or notice, answered by one of its buttons
// (TWindowing::MessageBox). Closing the box without a button answers Cancel where there is
// one, else No where there is one, else OK.

enum TMessageKind { mkInformation, mkWarning, mkError, mkConfirmation };

// The sets of buttons a box can have.
enum TMessageButtons { bsOk, bsOkCancel, bsYesNo, bsYesNoCancel };

enum TMessageAnswer { mrOk, mrCancel, mrYes, mrNo };

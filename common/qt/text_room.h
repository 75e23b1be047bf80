#pragma once
// Room for a dialog's texts, so none is ever cut. A window manager draws a
// dialog's caption in its title bar beside its icon and three buttons and
// cuts what does not fit ("Up… ta"); Qt sizes a message box to its text and
// leaves the caption too little. A button as narrow as its text lets a long
// label (Russian ones are) touch its edges.
#include <QString>

class QDialog;

namespace qtui {

// How wide a window must be for its caption to show whole in a title bar.
int CaptionRoom(const QString& caption);

// How wide a push button must be for `text` to keep clear of its edges.
int ButtonRoom(const QString& text);

// Makes `dialog` at least as wide as its caption needs and each of its push
// buttons as wide as its text needs. Call once its texts are set.
void MakeRoomForTexts(QDialog& dialog);

}  // namespace qtui

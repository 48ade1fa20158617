#pragma once
// The help viewer: shows the help file "QNT5.HLP" (HTML) of the current directory in a window of its own.
class QWidget;
class QTextBrowser;

namespace qnt {

inline constexpr const char* kHilfedatei = "QNT5.HLP";

// Opens the help window at the contents (or brings it to the front there). A missing or unreadable help
// file gives an error box.
void hilfeInhalt(QWidget* eltern);
// Closes an open help window.
void hilfeBeenden();
// The open help window's text view, or nullptr.
QTextBrowser* hilfefenster();

} // namespace qnt

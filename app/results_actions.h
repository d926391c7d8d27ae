#pragma once

namespace orbalis {

class Dialogs;
class ResultsWindow;

// What the results window asks for and the application carries out for the
// reading it shows: the PDF report ("Save As &PDF…" and the toolbar's PDF),
// the marriage match ("&Match With a Saved Reading…") and the Kuja dosha
// details ("Kuja Dosha &Details", the toolbar's Details). Connects the
// window's signals; the details window opens once and comes to the front on
// later requests, and goes with the results window.
void ConnectResultsActions(ResultsWindow& window, Dialogs& dialogs);

}  // namespace orbalis

#pragma once

namespace orbalis {

class Dialogs;
class ResultsWindow;

// What the results window asks for and the application carries out for the
// reading it shows: the PDF report ("Save As &PDF…" and the toolbar's PDF),
// the marriage match ("&Match With a Saved Reading…") and the Kuja dosha
// details ("Kuja Dosha &Details", the toolbar's Details) and the dasha
// ("&Vimshottari Dasha"). Connects the window's signals; the details and
// dasha windows open once and come to the front on later requests, and go
// with the results window. Call it after connecting the answer to a change
// of positions, which an open dasha window follows.
void ConnectResultsActions(ResultsWindow& window, Dialogs& dialogs);

}  // namespace orbalis

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "model/birth_details.h"
#include "model/chart_reading.h"
#include "model/positions_mode.h"
#include "reading/reading.h"

namespace orbalis {

class Dialogs;
class ReadingFileReceiver;
class SingleInstance;
class BirthDetailsWindow;
class ResultsWindow;

// Start-up's refusal of a second instance: when another instance holds the
// lock, hands it `readingFile` if one is given, else (or when it cannot take
// the file) shows "Application is already running", and returns true; the
// caller then ends the process without showing a window. Where no lock can
// be made the program starts all the same and says why on standard error.
bool RefuseSecondInstance(SingleInstance& instance, Dialogs& dialogs,
                          const QString& readingFile = QString());

// The program as a whole: the state of the current reading, which lives once
// for the run, and the windows that show it.
class OrbalisApplication final : public QObject {
    Q_OBJECT

  public:
    explicit OrbalisApplication(Dialogs& dialogs, QObject* parent = nullptr);
    ~OrbalisApplication() override;

    // Shows the birth-details window; the program then waits for the user.
    // A reading file named on the command line is then opened as
    // "&Open Previously Saved Reading" opens the file it asks for.
    void Start(const QString& readingFile = QString());
    // A reading from the entries of the birth-details window: validates them,
    // computes the reading, shows it in a fresh results window and hides the
    // birth-details window. A refused reading changes nothing.
    void RunReading();
    // Asks for a reading file, then OpenReadingFrom; from the results window
    // as from the birth-details window, its dialogs over the window in front.
    void OpenReading();
    // Reads the reading file at path back into the birth-details window and
    // runs the reading; false when the file is refused ("Please Check The
    // File." shown, the form untouched).
    bool OpenReadingFrom(const QString& path);
    // Takes the reading files later starts hand over at `socketPath` (see
    // SingleInstance::handOverPath): each is opened as OpenReadingFrom opens
    // it, and the program's window comes to the front. False when it cannot
    // listen there.
    bool ListenForReadingFiles(const QString& socketPath);
    // Closes every window of the program and ends the event loop.
    void ExitApplication();
    // The positions mode chosen in the results window: remembered, and the
    // reading on screen is computed again with it. A reading the mode
    // cannot compute is refused with a message and stays as it was.
    void ChoosePositionsMode(PositionsMode mode);

    BirthDetailsWindow& mainForm() { return *mainForm_; }
    // The results window of the reading on screen, if any.
    ResultsWindow* resultsWindow() const;

    BirthDetails birthDetails;
    ChartReading chartReading;
    // The path last chosen for a reading file or a text export; empty at start.
    QString lastFileName;
    // How readings place the bodies; from the user's settings.
    PositionsMode positionsMode = PositionsMode::Classic;

  private:
    void ShowResults(const ReadingDisplay& display);
    // The reading of `birth` in `mode` into `reading`, or a message box on
    // `parent` saying why it was refused (and `reading` unchanged).
    std::optional<ReadingDisplay> ComputeOrRefuse(const BirthDetails& birth, PositionsMode mode,
                                                  ChartReading& reading, QWidget* parent);
    // Back and New: the results window goes, the birth-details window returns
    // with its entries.
    void ReturnToBirthDetails(bool showFormFirst);
    void SaveReading();
    void ExportReading();
    void SaveReadingPicture();
    // The results window while there is one, else the birth-details window.
    QWidget* FrontWindow() const;
    void OpenHandedOverReading(const QString& path);
    void OpenNextHandOver();

    Dialogs& dialogs_;
    std::unique_ptr<BirthDetailsWindow> mainForm_;
    QPointer<ResultsWindow> resultsWindow_;
    ReadingFileReceiver* receiver_ = nullptr;  // a child, once listening
    bool exiting_ = false;
    // Reading files handed over, the first one opening, the rest waiting.
    QStringList handOvers_;
};

}  // namespace orbalis

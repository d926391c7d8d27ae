#include "app/application.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <cstdio>

#include "app/reading_hand_over.h"
#include "app/results_actions.h"
#include "app/single_instance.h"
#include "model/program_identity.h"
#include "model/text_utils.h"
#include "reading/input_rules.h"
#include "reading/reading.h"
#include "reading/reading_file.h"
#include "ui/birth_details/birth_details_window.h"
#include "ui/common/dialogs.h"
#include "ui/common/positions_setting.h"
#include "ui/common/qt_text.h"
#include "ui/common/reading_file_commands.h"
#include "ui/common/text_export_command.h"
#include "ui/results/jpeg_save.h"
#include "ui/results/results_form.h"
#include "ui/results/results_window.h"

namespace orbalis {

namespace {

// Shows a top-level window with its frame centred on its screen's free area.
void ShowCentred(QWidget& window) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(window.screen()->availableGeometry().center());
    window.move(frame.topLeft());
    window.show();
}

}  // namespace

bool RefuseSecondInstance(SingleInstance& instance, Dialogs& dialogs, const QString& readingFile) {
    if (instance.acquire()) {
        if (!instance.problem().isEmpty()) {
            std::fprintf(stderr,
                         "orbalis: no single-instance lock can be made (%s); starting without it\n",
                         EscapedControls(instance.problem().toStdString()).c_str());
        }
        return false;
    }
    if (!readingFile.isEmpty() && HandOverReadingFile(instance.handOverPath(), readingFile))
        return true;
    dialogs.showMessage(nullptr,
                        QCoreApplication::translate("Orbalis", "Application is already running"),
                        QtText(kProgramTitle), MessageIcon::Information);
    return true;
}

OrbalisApplication::OrbalisApplication(Dialogs& dialogs, QObject* parent)
    : QObject(parent),
      positionsMode(LoadPositionsMode()),
      dialogs_(dialogs),
      mainForm_(std::make_unique<BirthDetailsWindow>(dialogs)) {
    connect(mainForm_.get(), &BirthDetailsWindow::readingRequested, this,
            &OrbalisApplication::RunReading);
    connect(mainForm_.get(), &BirthDetailsWindow::openRequested, this,
            &OrbalisApplication::OpenReading);
    connect(mainForm_.get(), &BirthDetailsWindow::exitRequested, this,
            &OrbalisApplication::ExitApplication);
}

OrbalisApplication::~OrbalisApplication() = default;

ResultsWindow* OrbalisApplication::resultsWindow() const {
    return resultsWindow_;
}

void OrbalisApplication::Start(const QString& readingFile) {
    mainForm_->show();
    if (!readingFile.isEmpty()) OpenReadingFrom(readingFile);
}

std::optional<ReadingDisplay> OrbalisApplication::ComputeOrRefuse(const BirthDetails& birth,
                                                                  PositionsMode mode,
                                                                  ChartReading& reading,
                                                                  QWidget* parent) {
    std::string refusal;
    std::optional<ReadingDisplay> display = ComputeReading(birth, mode, reading, refusal);
    if (!display)
        dialogs_.showMessage(parent, QString::fromStdString(refusal), QtText(kProgramTitle),
                             MessageIcon::Error);
    return display;
}

void OrbalisApplication::RunReading() {
    if (!mainForm_->ValidateInput()) return;
    const BirthDetails birth = BirthDetailsFromForm(mainForm_->entries());
    // Computed aside, so that a refused reading leaves the last one whole.
    ChartReading reading = chartReading;
    const std::optional<ReadingDisplay> display =
        ComputeOrRefuse(birth, positionsMode, reading, FrontWindow());
    if (!display) return;
    birthDetails = birth;
    chartReading = std::move(reading);
    ShowResults(*display);
    mainForm_->hide();
}

void OrbalisApplication::ChoosePositionsMode(PositionsMode mode) {
    if (resultsWindow_ && mode != positionsMode) {
        ChartReading reading = chartReading;
        const std::optional<ReadingDisplay> display =
            ComputeOrRefuse(birthDetails, mode, reading, resultsWindow_);
        if (!display) {
            resultsWindow_->SetPositionsMode(positionsMode);
            return;
        }
        chartReading = std::move(reading);
        resultsWindow_->display()->ShowReading(chartReading, *display);
    }
    positionsMode = mode;
    SavePositionsMode(mode);
    if (resultsWindow_) resultsWindow_->SetPositionsMode(mode);
}

QWidget* OrbalisApplication::FrontWindow() const {
    return resultsWindow_ ? static_cast<QWidget*>(resultsWindow_) : mainForm_.get();
}

void OrbalisApplication::OpenReading() {
    const std::optional<QString> path = ChooseReadingFileToOpen(dialogs_, FrontWindow());
    if (path) OpenReadingFrom(*path);
}

bool OrbalisApplication::OpenReadingFrom(const QString& path) {
    const std::optional<ReadingFileLines> lines = ReadReadingFileAt(dialogs_, FrontWindow(), path);
    if (!lines) return false;
    mainForm_->setEntries(ApplyReadingFile(*lines, mainForm_->entries()));
    RunReading();
    return true;
}

bool OrbalisApplication::ListenForReadingFiles(const QString& socketPath) {
    if (!receiver_) {
        receiver_ = new ReadingFileReceiver(this);
        // Opened once the socket's own handling is over.
        connect(receiver_, &ReadingFileReceiver::fileReceived, this,
                &OrbalisApplication::OpenHandedOverReading, Qt::QueuedConnection);
    }
    return receiver_->Listen(socketPath);
}

// Hand-overs wait in order for any open dialog to close (the window that
// asked for it must stay while its dialog runs), and one of them opens at a
// time; a file already waiting is not queued twice, so a flood of the same
// file costs one reading and at most one message.
void OrbalisApplication::OpenHandedOverReading(const QString& path) {
    if (handOvers_.contains(path)) return;
    handOvers_.append(path);
    if (handOvers_.size() == 1) dialogs_.whenClosed([this] { OpenNextHandOver(); });
}

void OrbalisApplication::OpenNextHandOver() {
    if (handOvers_.isEmpty()) return;
    const QString path = handOvers_.front();
    OpenReadingFrom(path);
    handOvers_.removeFirst();
    if (!handOvers_.isEmpty()) dialogs_.whenClosed([this] { OpenNextHandOver(); });
    QWidget* front = FrontWindow();
    front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
    front->raise();
    front->activateWindow();
}

void OrbalisApplication::ShowResults(const ReadingDisplay& display) {
    // The birth-details window, and with it the reading commands, is only
    // reachable once the results window has gone; a window left over from an
    // earlier reading is replaced all the same.
    if (resultsWindow_) {
        // Hidden first so that no close event asks to end the program; gone
        // once the event loop has finished with it.
        resultsWindow_->hide();
        resultsWindow_->deleteLater();
    }
    auto* window = new ResultsWindow(dialogs_, birthDetails);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->display()->ShowReading(chartReading, display);
    window->SetPositionsMode(positionsMode);
    connect(window, &ResultsWindow::backRequested, this, [this] { ReturnToBirthDetails(false); });
    connect(window, &ResultsWindow::newRequested, this, [this] { ReturnToBirthDetails(true); });
    connect(window, &ResultsWindow::openRequested, this, &OrbalisApplication::OpenReading);
    connect(window, &ResultsWindow::exitRequested, this, &OrbalisApplication::ExitApplication);
    connect(window, &ResultsWindow::saveRequested, this, &OrbalisApplication::SaveReading);
    connect(window, &ResultsWindow::exportRequested, this, &OrbalisApplication::ExportReading);
    connect(window, &ResultsWindow::saveJpegRequested, this,
            &OrbalisApplication::SaveReadingPicture);
    connect(window, &ResultsWindow::positionsModeChosen, this,
            &OrbalisApplication::ChoosePositionsMode);
    ConnectResultsActions(*window, dialogs_);
    resultsWindow_ = window;
    window->showMaximized();
}

void OrbalisApplication::ReturnToBirthDetails(bool showFormFirst) {
    // Back and New differ only in their order; where the window system would
    // place the form by what else is on screen, both centre it.
    if (showFormFirst) ShowCentred(*mainForm_);
    if (resultsWindow_) {
        // Hidden first so that no close event asks to end the program.
        resultsWindow_->hide();
        resultsWindow_->deleteLater();
        resultsWindow_ = nullptr;
    }
    if (!showFormFirst) ShowCentred(*mainForm_);
}

void OrbalisApplication::SaveReading() {
    SaveReadingFile(dialogs_, resultsWindow_, birthDetails, lastFileName);
}

void OrbalisApplication::ExportReading() {
    ExportReadingAsText(dialogs_, resultsWindow_, birthDetails, chartReading, lastFileName);
}

void OrbalisApplication::SaveReadingPicture() {
    if (resultsWindow_)
        SaveFormAsJpeg(dialogs_, resultsWindow_->display(), QtText(birthDetails.name));
}

void OrbalisApplication::ExitApplication() {
    // Closing a window may ask to exit again (closing the birth-details
    // window does); one pass over the windows is enough.
    if (exiting_) return;
    exiting_ = true;
    // Guarded pointers: closing one window may delete another.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) windows.append(window);
    for (const QPointer<QWidget>& window : windows) {
        if (window) window->close();
    }
    QCoreApplication::quit();
}

}  // namespace orbalis

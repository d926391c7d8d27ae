#include "ui/match/match_command.h"

#include <QCoreApplication>

#include "model/program_identity.h"
#include "reading/input_rules.h"
#include "reading/reading.h"
#include "reading/reading_file.h"
#include "ui/common/dialogs.h"
#include "ui/common/qt_text.h"
#include "ui/common/reading_file_commands.h"
#include "ui/common/window_language.h"
#include "ui/match/match_window.h"
#include "ui/match/vashya_setting.h"

namespace orbalis {

MatchWindow* MatchWithSavedReading(Dialogs& dialogs, QWidget* parent, const BirthDetails& birth,
                                   const ChartReading& reading, PositionsMode mode) {
    const std::optional<ReadingFileLines> lines = OpenReadingFile(dialogs, parent);
    if (!lines) return nullptr;

    // The saved values go onto a fresh form, whose rules then speak as they
    // do when the file is opened on the birth-details window. The picture
    // writer plays no part in a match.
    FormEntries entries = ApplyReadingFile(*lines, FormEntries{});
    entries.imageWriterAvailable = true;
    if (const std::optional<InputProblem> problem = FirstInputProblem(entries)) {
        dialogs.showMessage(parent, WindowText(problem->message), QtText(kProgramTitle),
                            problem->icon);
        return nullptr;
    }
    const BirthDetails savedBirth = BirthDetailsFromForm(entries);
    ChartReading saved;
    std::string refusal;
    if (!ComputeChartReading(savedBirth, mode, saved, refusal)) {
        dialogs.showMessage(parent, QString::fromStdString(refusal), QtText(kProgramTitle),
                            MessageIcon::Error);
        return nullptr;
    }
    if (!AnalyseClassicalKujaDosha(reading) || !AnalyseClassicalKujaDosha(saved)) return nullptr;
    MatchPerson first{birth.name, reading, birth};
    MatchPerson second{savedBirth.name, saved, savedBirth};
    // Two readings of one name (the same person at two times, or a reading
    // matched with itself) are told apart by where they come from.
    if (first.name == second.name) second.name += " (saved reading)";

    const bool firstIsBride = dialogs.askYesNo(
        parent,
        QCoreApplication::translate(
            "Orbalis",
            "Is %1 the bride?\n\nYes: %1 is the bride and %2 the groom.\nNo: %2 is "
            "the bride and %1 the groom.\n\nThe match window can swap them later.")
            .arg(QtText(first.name), QtText(second.name)),
        QtText(kProgramTitle));
    auto* window =
        new MatchWindow(dialogs, first, second, firstIsBride, LoadVashyaPoints(), parent);
    window->show();
    return window;
}

}  // namespace orbalis

#include "gui/game/game_file_commands.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <filesystem>

#include "core/files/utf8_path.h"
#include "core/game/game_types.h"
#include "core/text/number_text.h"
#include "gui/app_context.h"
#include "gui/game/new_diag_dlg.h"
#include "gui/game/omades_dlg.h"
#include "gui/game/paixnidi_frm.h"
#include "gui/platform/app_paths.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {
namespace {

const QString kGamesFolder = QStringLiteral("Qnt");

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

void reportSaveFailure(QWidget* parent, const QString& path, const QString& cause,
                       const std::string& detail) {
    QString text = QStringLiteral("Σφάλμα! Το παιχνίδι δεν αποθηκεύτηκε στο αρχείο\n") + shownPath(path) +
                   QStringLiteral("\n\n") + cause + QStringLiteral("\n(") + qs(detail) + QStringLiteral(")");
    if (QFileInfo::exists(path)) {
        text += QStringLiteral("\n\nΤο αρχείο που υπήρχε με αυτό το όνομα έμεινε όπως ήταν.");
    }
    showError(parent, text);
}

void reportSaveFailure(QWidget* parent, const QString& path, const GameFileError& error) {
    const QString cause =
        error.kind() == GameFileError::Kind::NotStorable
            ? QStringLiteral("Ένα κείμενο ή ένας αριθμός του παιχνιδιού δεν χωρά στο αρχείο.")
            : QStringLiteral("Ο δίσκος ή ο φάκελος δεν δέχτηκε την εγγραφή του αρχείου.");
    reportSaveFailure(parent, path, cause, error.what());
}

}  // namespace

QString gameFileFilter(std::string_view game, bool saving) {
    const GameType* type = findGameType(game);
    if (!type) {
        return {};
    }
    QString description = QStringLiteral("Αρχεία ") + qs(type->name);
    if (type->name == games::kTrikast) {
        description = saving ? QStringLiteral("Αρχεία ΤRICAST") : QStringLiteral("Αρχεία TRIKAST");
    }
    return description + QStringLiteral("|*.") + qs(type->extension);
}

namespace {

// The file dialog of a game's files: the games folder beside the program (made when missing), the game's
// filter, and the name of the file last opened for the game.
FileDialogOptions gameFileOptions(const AppContext& ctx, const GameType& type, bool saving) {
    const QString folder = programPath(kGamesFolder);
    ensureFolder(folder);
    FileDialogOptions options;
    options.directory = folder;
    options.filter = gameFileFilter(type.name, saving);
    options.confirmOverwrite = saving;
    if (ctx.newDiagDlg) {
        options.proposedName = QFileInfo(ctx.newDiagDlg->lastOpenedFile()).fileName();
    }
    return options;
}

}  // namespace

QString cutRaceCellsWarning(const std::vector<CutRaceCell>& cut, bool placesGame) {
    if (cut.empty()) {
        return {};
    }
    const QString race = placesGame ? QStringLiteral("θέση") : QStringLiteral("κούρσα");
    QString text = QStringLiteral(
                       "Τα άλογα των παρακάτω βασικών δεν χωρούν ολόκληρα στο αρχείο (έως %1 "
                       "χαρακτήρες ανά %2) και όσα περισσεύουν θα χαθούν:\n")
                       .arg(cut.front().capacity)
                       .arg(race);
    for (const CutRaceCell& cell : cut) {
        text += QStringLiteral("\nΒασική %1, %2 %3: %4 χαρακτήρες")
                    .arg(cell.basic)
                    .arg(race)
                    .arg(cell.race)
                    .arg(cell.length);
    }
    text += QStringLiteral("\n\nΝα προχωρήσω στην αποθήκευση;");
    return text;
}

void saveGame(AppContext& ctx, QWidget* parent) {
    const GameType* type = findGameType(ctx.game.Paixnidi);
    TPaixnidiFrm* window = ctx.paixnidiFrm;
    if (!type || type->races == 0 || !window) {
        return;
    }
    FileDialogOptions options = gameFileOptions(ctx, *type, true);
    options.defaultSuffix = qs(type->extension);
    QString path = dialogs().saveFile(parent, options);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + options.defaultSuffix;  // where the dialog left a name without one
    }

    GameFile file;
    try {
        file = gameFileFromTables(ctx.selection, ctx.game.Aloga, us(window->sumFrom()->text()),
                                  us(window->sumTo()->text()), ctx.groups, ctx.superGroups,
                                  ctx.newDiagDlg ? ctx.newDiagDlg->meetingData() : MeetingData{},
                                  us(window->informationLine()));
    } catch (const ConversionError& error) {
        reportSaveFailure(
            parent, path,
            QStringLiteral("Ένα όριο αθροίσματος, ομάδας ή υπερομάδας δεν είναι ακέραιος αριθμός."),
            error.what());
        return;
    } catch (const GameFileError& error) {
        reportSaveFailure(parent, path, error);
        return;
    }

    const std::vector<CutRaceCell> cut = raceCellsCutOnSaving(file);
    if (!cut.empty() &&
        !askYesNo(parent, QStringLiteral("ΠΡΟΕΙΔΟΠΟΙΗΣΗ"),
                  cutRaceCellsWarning(cut, type->kind == GameKind::Places), MessageKind::Warning)) {
        return;
    }
    try {
        writeGameFile(utf8Path(us(path)), file);
    } catch (const GameFileError& error) {
        reportSaveFailure(parent, path, error);
    }
}

void loadGame(AppContext& ctx, QWidget* parent) {
    const GameType* type = findGameType(ctx.game.Paixnidi);
    TNewDiagDlg* newGame = ctx.newDiagDlg;
    TPaixnidiFrm* window = ctx.paixnidiFrm;
    if (!type || type->races == 0 || !newGame || !window) {
        return;
    }
    const FileDialogOptions options = gameFileOptions(ctx, *type, false);
    const QString path = dialogs().openFile(parent, options);
    if (path.isEmpty()) {
        return;
    }

    // The whole file is read and checked before anything of it is used.
    GameFile file;
    try {
        file = readGameFile(utf8Path(us(path)), type->races);
    } catch (const GameFileError& error) {
        if (error.kind() == GameFileError::Kind::Damaged) {
            showError(parent, QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο."));
        } else {
            showError(parent, QStringLiteral("Αδύνατη η ανάγνωση του αρχείου ") + shownPath(path));
        }
        return;
    }
    newGame->setLastOpenedFile(path);

    // The meeting data and the horses go into the new-game dialog, the game window starts afresh.
    newGame->setMeetingData(file.meeting);
    newGame->markHorses(file.horses);
    window->resetFor(type->races);
    if (!newGame->collectHorses()) {
        showInformation(parent, QStringLiteral("Παρακαλώ επιλέξτε άλογα για όλες τις κούρσες."));
        return;
    }
    const LoadedGame loaded = tablesFromGameFile(file, type->name);  // every race has horses here
    window->setSelectedHorses();
    window->showLoadedBasics(loaded);
    window->show();
    window->raise();
    window->activateWindow();

    // The group and super-group tables as the file holds them, their dialogs hidden.
    ctx.groups = loaded.groups;
    ctx.superGroups = loaded.superGroups;
    TOmadesDlg::get(ctx).hide();
    TYPEOmadesDlg::get(ctx).hide();
    refreshGroupDialogs(ctx);

    // A game saved without basics starts with the entry of basic 1, as a new game does.
    if (ctx.selection.hasNoBasics()) {
        window->openEditorForEntryOnBasic1();
    }
}

}  // namespace quintaro::gui

#pragma once
// The game-file deletion dialog: choose "ΣΚΟΡ 4", "ΣΚΟΡ 6" or "ΤΕΤΡΑΠΛΟ", tick files of that game in the
// folder "Qnt" beside the program, and delete them after a confirmation.

#include <QDialog>
#include <vector>

#include "core/files/game_file_listing.h"

class QCheckBox;
class QListWidget;
class QRadioButton;

namespace quintaro::gui {

class TPaixnTypeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPaixnTypeDlg(QWidget* parent = nullptr);

    QListWidget* fileList() const { return ChkLstFiles; }
    QCheckBox* selectAllBox() const { return ChkAll; }
    QRadioButton* gameOption(int index) const { return options_[static_cast<std::size_t>(index)]; }

    // "&ΔΙΑΓΡΑΦΗ": confirmation, deletion of the ticked files, relisting.
    void BtnDeleteClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void relist();
    void ChkAllClick();
    QString chosenExtension() const;

    QRadioButton* options_[3] = {};
    QListWidget* ChkLstFiles;
    QCheckBox* ChkAll;
    std::vector<ListedGameFile> listed_;
};

}  // namespace quintaro::gui

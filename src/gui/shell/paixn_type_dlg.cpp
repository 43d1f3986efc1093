#include "gui/shell/paixn_type_dlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/platform/app_paths.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {
namespace {

struct Option {
    const char16_t* caption;
    const char* extension;
};
constexpr Option kOptions[3] = {{u"ΣΚΟΡ 4", "sk4"}, {u"ΣΚΟΡ 6", "sk6"}, {u"ΤΕΤΡΑΠΛΟ", "tet"}};

}  // namespace

TPaixnTypeDlg::TPaixnTypeDlg(QWidget* parent)
    : QDialog(parent),
      ChkLstFiles(new QListWidget(this)),
      ChkAll(new QCheckBox(QStringLiteral("Επιλογή όλων"), this)) {
    setObjectName(QStringLiteral("PaixnTypeDlg"));
    setWindowTitle(QStringLiteral("ΕΠΙΛΕΞΤΕ ΠΑΙΧΝΙΔΙ ΓΙΑ ΔΙΑΓΡΑΦΗ ΑΡΧΕΙΩΝ"));
    setModal(true);
    paintDialogBackground(this);

    auto* gameBox = new QGroupBox(QStringLiteral("ΠΑΙΧΝΙΔΙ"), this);
    auto* gameLayout = new QVBoxLayout(gameBox);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        options_[i] = new QRadioButton(QString::fromUtf16(kOptions[i].caption), gameBox);
        group->addButton(options_[i], i);
        gameLayout->addWidget(options_[i]);
    }
    gameLayout->addStretch();
    options_[0]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this] { relist(); });

    ChkLstFiles->setObjectName(QStringLiteral("ChkLstFiles"));
    ChkAll->setObjectName(QStringLiteral("ChkAll"));
    connect(ChkAll, &QCheckBox::clicked, this, &TPaixnTypeDlg::ChkAllClick);

    auto* deleteButton = new QPushButton(QStringLiteral("&ΔΙΑΓΡΑΦΗ"), this);
    deleteButton->setObjectName(QStringLiteral("BtnDelete"));
    auto* cancelButton = new QPushButton(QStringLiteral("&ΑΚΥΡΟ"), this);
    cancelButton->setObjectName(QStringLiteral("BtnCancel"));
    connect(deleteButton, &QPushButton::clicked, this, &TPaixnTypeDlg::BtnDeleteClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);  // also Esc

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(new QLabel(QStringLiteral("Επιλέξτε αρχεία για διαγραφή"), this));
    listColumn->addWidget(ChkLstFiles);
    listColumn->addWidget(ChkAll);
    auto* top = new QHBoxLayout;
    top->addWidget(gameBox);
    top->addLayout(listColumn, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(deleteButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    resize(460, 320);
}

void TPaixnTypeDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    relist();
}

QString TPaixnTypeDlg::chosenExtension() const {
    for (int i = 0; i < 3; ++i) {
        if (options_[i]->isChecked()) {
            return QString::fromLatin1(kOptions[i].extension);
        }
    }
    return QString::fromLatin1(kOptions[0].extension);
}

void TPaixnTypeDlg::relist() {
    ChkLstFiles->clear();
    listed_ = listGameFiles(us(programPath(QStringLiteral("Qnt"))), us(chosenExtension()));
    for (const ListedGameFile& file : listed_) {
        auto* item = new QListWidgetItem(qs(file.shownName), ChkLstFiles);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
        item->setToolTip(qs(file.fileName));
    }
}

void TPaixnTypeDlg::ChkAllClick() {
    const Qt::CheckState state = ChkAll->isChecked() ? Qt::Checked : Qt::Unchecked;
    for (int i = 0; i < ChkLstFiles->count(); ++i) {
        ChkLstFiles->item(i)->setCheckState(state);
    }
}

void TPaixnTypeDlg::BtnDeleteClick() {
    if (!askYesNo(
            this, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"),
            QStringLiteral("Παρακαλώ , επιβεβαιώστε τη διαγραφή των επιλεγμένων αρχείων για το επιλεγμένο "
                           "παιχνίδι."),
            MessageKind::Information)) {
        return;
    }
    std::vector<std::string> ticked;
    for (int i = 0; i < ChkLstFiles->count() && i < static_cast<int>(listed_.size()); ++i) {
        if (ChkLstFiles->item(i)->checkState() == Qt::Checked) {
            ticked.push_back(listed_[static_cast<std::size_t>(i)].fileName);
        }
    }
    deleteGameFiles(us(programPath(QStringLiteral("Qnt"))), ticked);
    relist();
}

}  // namespace quintaro::gui

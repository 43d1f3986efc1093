#include "gui/trio/standard3_frm.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/trio/number_group.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/trio/number_board.h"
#include "gui/trio/trio_style.h"

namespace quintaro::gui {

TStandard3Frm::TStandard3Frm(AppContext&, QWidget* parent)
    : QDialog(parent),
      SgrdA(new NumberBoard(marks_, QColor(255, 102, 179), this)),
      Edit2(new QLineEdit(QStringLiteral("0"), this)),
      Edit3(new QLineEdit(QStringLiteral("0"), this)),
      BBtnOK(new QPushButton(QStringLiteral("OK"), this)),
      BBtnCancel(new QPushButton(QStringLiteral("&ΑΚΥΡΟ"), this)) {
    setObjectName(QStringLiteral("Standard3Frm"));
    setWindowTitle(QStringLiteral("ΣΤΑΝΤΑΡ Ή ΖΗΤΟΥΜΕΝΟΙ ΑΡΙΘΜΟΙ"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setFixedSize(299, 251);
    paintDialogBackground(this);

    titleBand(QStringLiteral("Ε Π Ι Λ Ο Γ Η     Α Ρ Ι Θ Μ Ω Ν"), this)->setGeometry(4, 8, 291, 24);
    SgrdA->setObjectName(QStringLiteral("SgrdA"));
    SgrdA->move(4, 44);
    connect(SgrdA, &NumberBoard::cellReleased, this, &TStandard3Frm::SgrdAMouseUp);

    auto* fromLabel = new QLabel(QStringLiteral("Από"), this);
    fromLabel->setGeometry(60, 120, 60, 18);
    auto* toLabel = new QLabel(QStringLiteral("Έως"), this);
    toLabel->setGeometry(170, 120, 60, 18);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(60, 140, 60, 24);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setGeometry(170, 140, 60, 24);
    for (QLineEdit* edit : {Edit2, Edit3}) {
        edit->installEventFilter(this);
    }

    BBtnOK->setObjectName(QStringLiteral("BBtnOK"));
    BBtnOK->setGeometry(40, 200, 100, 30);
    BBtnOK->setAutoDefault(false);
    BBtnCancel->setObjectName(QStringLiteral("BBtnCancel"));
    BBtnCancel->setGeometry(160, 200, 100, 30);
    BBtnCancel->setAutoDefault(false);
    connect(BBtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BBtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TStandard3Frm::resetGroup() {
    marks_.clear();
    Edit2->setText(QStringLiteral("0"));
    Edit3->setText(QStringLiteral("0"));
    SgrdA->update();
}

void TStandard3Frm::setMarks(const trio::TrioBoard& marks) {
    marks_ = marks;
    SgrdA->update();
}

QString TStandard3Frm::fromText() const {
    return Edit2->text();
}

QString TStandard3Frm::toText() const {
    return Edit3->text();
}

void TStandard3Frm::setBounds(const QString& from, const QString& to) {
    Edit2->setText(from);
    Edit3->setText(to);
}

void TStandard3Frm::SgrdAMouseUp(int row, int column) {
    const trio::MarkClick click = trio::clickMark(marks_, selection_, trio::boardNumber(row, column));
    SgrdA->update();
    if (click.tooMany) {
        showInformation(this, qs(trio::kTooManyMarksText), qs(trio::kTooManyMarksCaption));
        return;
    }
    if (click.toText) {
        Edit3->setText(qs(*click.toText));
    }
}

void TStandard3Frm::Edit2Exit() {
    Edit2->setText(qs(trio::leaveFromEdit(us(Edit2->text()), us(Edit3->text()))));
}

void TStandard3Frm::Edit3Exit() {
    Edit3->setText(qs(trio::leaveToEdit(us(Edit2->text()), us(Edit3->text()), marks_.count())));
}

bool TStandard3Frm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Edit2 || watched == Edit3) {
        if (event->type() == QEvent::KeyPress) {
            const char32_t typed = typedCharacter(event);
            if (typed == 13) {
                focusNextChild();
                return true;
            }
            if (typed != 0 && !trio::boundEditAcceptsKey(typed)) {
                return true;  // dropped
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Leaving for another control of this dialog, not for another window.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                if (watched == Edit2) {
                    Edit2Exit();
                } else {
                    Edit3Exit();
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quintaro::gui

#include "gui/game/info_dial_dlg.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/game/pictures.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"

namespace quintaro::gui {
namespace {

// Message texts join their lines with carriage returns.
QString lines(const std::string& text) {
    QString out = qs(text);
    out.replace(QChar(13), QChar(10));
    return out;
}

}  // namespace

TInfoDialDlg::TInfoDialDlg(QWidget* parent)
    : QDialog(parent),
      Image1(new QLabel(this)),
      Label1(new QLabel(this)),
      Label2(new QLabel(QStringLiteral("Νικήτρια :"), this)),
      Label3(new QLabel(this)),
      Label4(new QLabel(this)),
      BtnOk(new QPushButton(QStringLiteral("&ΟΚ"), this)) {
    setObjectName(QStringLiteral("InfoDialDlg"));
    setWindowTitle(QStringLiteral("ΔΙΑΛΟΓΗ ΕΠΙΤΥΧΙΩΝ"));
    paintDialogBackground(this);

    Image1->setFixedSize(32, 32);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(340);
    Label3->setFont(bold);
    QFont second = Label4->font();
    second.setBold(true);
    second.setItalic(true);
    second.setUnderline(true);
    Label4->setFont(second);

    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addWidget(Label1, 1);

    auto* panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* winning = new QHBoxLayout;
    winning->addWidget(Label2);
    winning->addWidget(Label3, 1);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addLayout(winning);
    panelLayout->addWidget(Label4);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnOk);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    BtnOk->setDefault(true);
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TInfoDialDlg::fill(const CheckResult& result) {
    win_ = result.win;
    Image1->setPixmap(resultPicture(result.win));
    Label1->setText(lines(result.message));
    Label3->setText(qs(result.winningLine));
    Label4->setText(qs(result.secondLine));
}

void TInfoDialDlg::showResult(const CheckResult& result) {
    fill(result);
    adjustSize();
    centreOnScreen(this);
    exec();
}

QString TInfoDialDlg::message() const {
    return Label1->text();
}

QString TInfoDialDlg::winningLine() const {
    return Label3->text();
}

QString TInfoDialDlg::secondLine() const {
    return Label4->text();
}

}  // namespace quintaro::gui

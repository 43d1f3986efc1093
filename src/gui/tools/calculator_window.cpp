#include "gui/tools/calculator_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"
#include "gui/platform/window_look.h"
#include "gui/tools/calculator_grid.h"

namespace quintaro::gui {
namespace {

QLineEdit* resultField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(QStringLiteral("0"), parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedWidth(90);
    field->setAlignment(Qt::AlignRight);
    return field;
}

}  // namespace

CalculatorWindow::CalculatorWindow(const Texts& texts, QWidget* parent)
    : ToolDialog(parent),
      AdvProbability(new CalculatorGrid(this)),
      EdtMargin(resultField(this, "EdtMargin")),
      EdtReturn(resultField(this, "EdtReturn")),
      EdtGaniota(resultField(this, "EdtGaniota")),
      BtnCalc(addButton(texts.calculateButton, "BtnCalc")),
      BtnClear(addButton(QStringLiteral("Clear  "), "BtnClear")),
      BtnExit(addButton(QStringLiteral("EXIT"), "BtnExit")),
      side_(new QGridLayout()) {
    setWindowTitle(texts.caption);
    paintDialogBackground(this, texts.background);

    // The row labels stand beside the grid's input and result rows.
    auto* rowLabels = new QVBoxLayout();
    rowLabels->setSpacing(0);
    rowLabels->setContentsMargins(0, AdvProbability->frameWidth(), 0, AdvProbability->frameWidth());
    rowLabels->addSpacing(CalculatorGrid::kRowHeight);
    for (const QString& text : {texts.inputRowLabel, texts.resultRowLabel}) {
        QLabel* label = fontLabel(text, this, true);
        label->setFixedHeight(CalculatorGrid::kRowHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rowLabels->addWidget(label);
    }

    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(8);
    grid->addWidget(fontLabel(QStringLiteral("ΓΕΓΟΝΟΤΑ"), this, true), 0, 1, Qt::AlignHCenter);
    grid->addLayout(rowLabels, 1, 0);
    grid->addWidget(AdvProbability, 1, 1);

    int row = 0;
    for (auto [caption, field] :
         {std::pair{QStringLiteral("MARGIN"), EdtMargin}, std::pair{QStringLiteral("RETURN %"), EdtReturn},
          std::pair{QStringLiteral("GANIOTA %"), EdtGaniota}}) {
        side_->addWidget(fontLabel(caption, this, true), row, 0);
        side_->addWidget(field, row, 1);
        ++row;
    }
    side_->setVerticalSpacing(4);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    for (QPushButton* button : {BtnCalc, BtnClear, BtnExit}) {
        button->setMinimumWidth(120);
        buttons->addWidget(button);
    }

    auto* body = new QHBoxLayout();
    body->addLayout(grid);
    body->addSpacing(16);
    body->addLayout(side_);

    QLabel* heading = fontLabel(texts.heading, this, true, 16);
    heading->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(6);
    layout->addLayout(body);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnCalc, &QPushButton::clicked, this, &CalculatorWindow::calculate);
    connect(BtnClear, &QPushButton::clicked, this, &CalculatorWindow::ClearClick);
    connect(BtnExit, &QPushButton::clicked, this, &QDialog::close);
}

void CalculatorWindow::clearWindow() {
    EdtMargin->setText(QStringLiteral("0"));
    EdtReturn->setText(QStringLiteral("0"));
    EdtGaniota->setText(QStringLiteral("0"));
    AdvProbability->clearCells();
}

void CalculatorWindow::calculate() {
    AdvProbability->commitEditing();  // a value still being typed counts
    calc::CalculatorFields fields = currentFields();
    try {
        run(fields);
    } catch (const std::exception& e) {
        showFields(fields);
        showError(this, qs(e.what()));
        return;
    }
    showFields(fields);
}

void CalculatorWindow::showEvent(QShowEvent* event) {
    clearWindow();
    AdvProbability->setCurrentCell(CalculatorGrid::kInputRow, 0);
    AdvProbability->setFocus();
    ToolDialog::showEvent(event);
}

void CalculatorWindow::ClearClick() {
    if (askYesNo(this, QStringLiteral("ΠΡΟΕΙΔΟΠΟΙΗΣΗ"), QStringLiteral("Clear All Information ?"),
                 MessageKind::Warning)) {
        clearWindow();
    }
}

calc::CalculatorFields CalculatorWindow::currentFields() const {
    calc::CalculatorFields fields;
    fields.margin = us(EdtMargin->text());
    fields.returnPercent = us(EdtReturn->text());
    fields.cut = us(EdtGaniota->text());
    fields.results = AdvProbability->resultCells();
    return fields;
}

void CalculatorWindow::showFields(const calc::CalculatorFields& fields) {
    EdtMargin->setText(qs(fields.margin));
    EdtReturn->setText(qs(fields.returnPercent));
    EdtGaniota->setText(qs(fields.cut));
    AdvProbability->setResults(fields.results);
}

}  // namespace quintaro::gui

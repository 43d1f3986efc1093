#pragma once
// Dialogs for window tests: every box that a window shows is recorded, and questions, input boxes, file and
// print dialogs take their answers from a script ("the next answer is Yes", "the next file is X").
// A dialog that finds no scripted answer is recorded as unexpected and answered No / cancel.

#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <variant>

#include "gui/platform/dialogs.h"

namespace quintaro::gui::test {

struct ShownDialog {
    QString type;  // "message", "question", "input", "open", "save", "print"
    MessageKind kind = MessageKind::Information;
    QString caption;
    QString text;  // message text, prompt, or file filter
    FileDialogOptions file;
};

class ScriptedDialogs final : public Dialogs {
public:
    ScriptedDialogs();            // installs itself
    ~ScriptedDialogs() override;  // restores the Qt dialogs

    // The script.
    void answerYes() { answers_.push_back(true); }
    void answerNo() { answers_.push_back(false); }
    void answerInput(std::optional<QString> text) { answers_.push_back(InputAnswer{std::move(text)}); }
    void answerFile(const QString& path) { answers_.push_back(FileAnswer{path}); }  // empty: cancel
    void answerPrintToPdf(const QString& pdfPath) {
        answers_.push_back(PrintAnswer{pdfPath});
    }  // empty: cancel

    // Runs when a message box is shown (after it is recorded), e.g. to check the state at that moment.
    std::function<void(const ShownDialog&)> onShown;

    QList<ShownDialog> shown;
    QStringList unexpected;
    bool scriptDone() const { return answers_.empty(); }

    // The texts of the message boxes shown so far.
    QStringList messages() const;
    void clear() {
        shown.clear();
        unexpected.clear();
        answers_.clear();
    }

    void message(QWidget* parent, MessageKind kind, const QString& caption, const QString& text) override;
    bool question(QWidget* parent, MessageKind kind, const QString& caption, const QString& text) override;
    std::optional<QString> input(QWidget* parent, const QString& caption, const QString& prompt,
                                 const QString& initial) override;
    QString openFile(QWidget* parent, const FileDialogOptions& options) override;
    QString saveFile(QWidget* parent, const FileDialogOptions& options) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;

private:
    struct InputAnswer {
        std::optional<QString> text;
    };
    struct FileAnswer {
        QString path;
    };
    struct PrintAnswer {
        QString pdfPath;
    };
    using Answer = std::variant<bool, InputAnswer, FileAnswer, PrintAnswer>;

    template <typename T>
    std::optional<T> take(const QString& what);
    void record(ShownDialog dialog);

    std::deque<Answer> answers_;
};

}  // namespace quintaro::gui::test

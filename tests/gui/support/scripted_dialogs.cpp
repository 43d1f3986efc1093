#include "support/scripted_dialogs.h"

#include <QPrinter>

namespace quintaro::gui::test {

ScriptedDialogs::ScriptedDialogs() {
    setDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    setDialogs(nullptr);
}

QStringList ScriptedDialogs::messages() const {
    QStringList out;
    for (const ShownDialog& d : shown) {
        if (d.type == QStringLiteral("message") || d.type == QStringLiteral("question")) {
            out << d.text;
        }
    }
    return out;
}

template <typename T>
std::optional<T> ScriptedDialogs::take(const QString& what) {
    if (answers_.empty() || !std::holds_alternative<T>(answers_.front())) {
        unexpected << what;
        return std::nullopt;
    }
    T answer = std::get<T>(answers_.front());
    answers_.pop_front();
    return answer;
}

void ScriptedDialogs::record(ShownDialog dialog) {
    shown << dialog;
    if (onShown) {
        onShown(shown.last());
    }
}

void ScriptedDialogs::message(QWidget*, MessageKind kind, const QString& caption, const QString& text) {
    record({QStringLiteral("message"), kind, caption, text, {}});
}

bool ScriptedDialogs::question(QWidget*, MessageKind kind, const QString& caption, const QString& text) {
    record({QStringLiteral("question"), kind, caption, text, {}});
    return take<bool>(QStringLiteral("question: ") + text).value_or(false);
}

std::optional<QString> ScriptedDialogs::input(QWidget*, const QString& caption, const QString& prompt,
                                              const QString&) {
    record({QStringLiteral("input"), MessageKind::Information, caption, prompt, {}});
    const auto answer = take<InputAnswer>(QStringLiteral("input: ") + prompt);
    return answer ? answer->text : std::nullopt;
}

QString ScriptedDialogs::openFile(QWidget*, const FileDialogOptions& options) {
    record({QStringLiteral("open"), MessageKind::Information, options.caption, options.filter, options});
    const auto answer = take<FileAnswer>(QStringLiteral("open: ") + options.filter);
    return answer ? answer->path : QString();
}

QString ScriptedDialogs::saveFile(QWidget*, const FileDialogOptions& options) {
    record({QStringLiteral("save"), MessageKind::Information, options.caption, options.filter, options});
    const auto answer = take<FileAnswer>(QStringLiteral("save: ") + options.filter);
    return answer ? answer->path : QString();
}

bool ScriptedDialogs::choosePrinter(QWidget*, QPrinter& printer) {
    record({QStringLiteral("print"), MessageKind::Information, {}, {}, {}});
    const auto answer = take<PrintAnswer>(QStringLiteral("print"));
    if (!answer || answer->pdfPath.isEmpty()) {
        return false;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(answer->pdfPath);
    return true;
}

}  // namespace quintaro::gui::test

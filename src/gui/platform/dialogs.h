#pragma once
// One seam for every message box, Yes/No question, input box, file dialog and print dialog of the program.
// Windows call dialogs(); the program installs QtDialogs, window tests a scripted implementation.

#include <QString>
#include <optional>

class QWidget;
class QPrinter;

namespace quintaro::gui {

enum class MessageKind { Information, Warning, Error };

struct FileDialogOptions {
    QString caption;
    QString directory;
    QString filter;         // "Αρχεία ΣΚΟΡ 4|*.sk4" style: description, bar, pattern
    QString defaultSuffix;  // added to a name typed without an extension (save dialogs)
    QString proposedName;   // file name offered at first
    bool confirmOverwrite = true;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An OK box. An empty caption shows the application title.
    virtual void message(QWidget* parent, MessageKind kind, const QString& caption, const QString& text) = 0;

    // A Yes/No box with No as the default button; true for Yes.
    virtual bool question(QWidget* parent, MessageKind kind, const QString& caption, const QString& text) = 0;

    // An input box; nullopt when cancelled.
    virtual std::optional<QString> input(QWidget* parent, const QString& caption, const QString& prompt,
                                         const QString& initial) = 0;

    // File dialogs; an empty result when cancelled.
    virtual QString openFile(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual QString saveFile(QWidget* parent, const FileDialogOptions& options) = 0;

    // The system print dialog on the given printer; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
};

Dialogs& dialogs();

// Installs another implementation (tests); nullptr restores the Qt one. The caller keeps ownership.
void setDialogs(Dialogs* implementation);

// Shorthands for the common boxes.
void showInformation(QWidget* parent, const QString& text, const QString& caption = {});
void showWarning(QWidget* parent, const QString& text, const QString& caption = {});
void showError(QWidget* parent, const QString& text, const QString& caption = {});
bool askYesNo(QWidget* parent, const QString& caption, const QString& text,
              MessageKind kind = MessageKind::Warning);

// The Qt filter for a "description|pattern" text: "description (pattern)".
QString qtFilter(const QString& barFilter);

}  // namespace quintaro::gui

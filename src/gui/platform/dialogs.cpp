#include "gui/platform/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "gui/app_title.h"

namespace quintaro::gui {
namespace {

QString captionOrTitle(const QString& caption) {
    return caption.isEmpty() ? appTitle() : caption;
}

// Message texts join their lines with carriage returns; Qt breaks lines at line feeds.
QString displayText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QChar(13), QChar(10));
    return text;
}

QMessageBox::Icon iconOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Information:
            break;
    }
    return QMessageBox::Information;
}

class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, MessageKind kind, const QString& caption, const QString& text) override {
        QMessageBox box(iconOf(kind), captionOrTitle(caption), displayText(text), QMessageBox::Ok, parent);
        box.exec();
    }

    bool question(QWidget* parent, MessageKind kind, const QString& caption, const QString& text) override {
        QMessageBox box(kind == MessageKind::Information ? QMessageBox::Question : iconOf(kind),
                        captionOrTitle(caption), displayText(text), QMessageBox::Yes | QMessageBox::No,
                        parent);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }

    std::optional<QString> input(QWidget* parent, const QString& caption, const QString& prompt,
                                 const QString& initial) override {
        bool ok = false;
        QString text =
            QInputDialog::getText(parent, captionOrTitle(caption), prompt, QLineEdit::Normal, initial, &ok);
        if (!ok) {
            return std::nullopt;
        }
        return text;
    }

    QString openFile(QWidget* parent, const FileDialogOptions& o) override {
        QFileDialog dialog(parent, o.caption, o.directory, qtFilter(o.filter));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (!o.proposedName.isEmpty()) {
            dialog.selectFile(o.proposedName);
        }
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    }

    QString saveFile(QWidget* parent, const FileDialogOptions& o) override {
        QFileDialog dialog(parent, o.caption, o.directory, qtFilter(o.filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(o.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !o.confirmOverwrite);
        dialog.setSizeGripEnabled(true);
        if (!o.proposedName.isEmpty()) {
            dialog.selectFile(o.proposedName);
        }
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    }

    bool choosePrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

QtDialogs& qtDialogs() {
    static QtDialogs instance;
    return instance;
}

Dialogs* current = nullptr;

}  // namespace

Dialogs& dialogs() {
    return current ? *current : qtDialogs();
}

void setDialogs(Dialogs* implementation) {
    current = implementation;
}

void showInformation(QWidget* parent, const QString& text, const QString& caption) {
    dialogs().message(parent, MessageKind::Information, caption, text);
}

void showWarning(QWidget* parent, const QString& text, const QString& caption) {
    dialogs().message(parent, MessageKind::Warning, caption, text);
}

void showError(QWidget* parent, const QString& text, const QString& caption) {
    dialogs().message(parent, MessageKind::Error, caption, text);
}

bool askYesNo(QWidget* parent, const QString& caption, const QString& text, MessageKind kind) {
    return dialogs().question(parent, kind, caption, text);
}

QString qtFilter(const QString& barFilter) {
    const qsizetype bar = barFilter.indexOf(QLatin1Char('|'));
    if (bar < 0) {
        return barFilter;
    }
    return barFilter.left(bar) + QStringLiteral(" (") + barFilter.mid(bar + 1) + QStringLiteral(")");
}

}  // namespace quintaro::gui

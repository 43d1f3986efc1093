#include "gui/platform/help_viewer.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/platform/app_paths.h"

namespace quintaro::gui {
namespace {
QPointer<HelpWindow>& instance() {
    static QPointer<HelpWindow> window;
    return window;
}
}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("ΒΟΗΘΕΙΑ"));
    setObjectName(QStringLiteral("HelpWindow"));
    resize(560, 480);
    browser_->setOpenExternalLinks(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Κλείσιμο"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(buttons);
}

HelpWindow* HelpWindow::show(QWidget* parent, int context) {
    // A window owned by the active modal dialog stays usable while that dialog runs.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner) {
        owner = parent ? parent->window() : nullptr;
    }
    if (!instance()) {
        instance() = new HelpWindow(owner);
    } else if (instance()->parentWidget() != owner) {
        instance()->setParent(owner, instance()->windowFlags());
    }
    HelpWindow* window = instance();
    window->load(context);
    window->QDialog::show();
    window->raise();
    window->activateWindow();
    return window;
}

HelpWindow* HelpWindow::existing() {
    return instance();
}

QString HelpWindow::pageText() const {
    return browser_->toPlainText();
}

void HelpWindow::load(int context) {
    context_ = context;
    const QString page = programPath(QStringLiteral("help/%1.html").arg(context));
    if (QFile::exists(page)) {
        browser_->setSource(QUrl::fromLocalFile(page));
    } else {
        browser_->setHtml(QStringLiteral("<h3>ΒΟΗΘΕΙΑ</h3><p>Δεν βρέθηκε η σελίδα βοήθειας %1 (%2).</p>")
                              .arg(context)
                              .arg(page.toHtmlEscaped()));
    }
}

}  // namespace quintaro::gui

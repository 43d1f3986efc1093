#pragma once
// The about box ("ΓΕΝΙΚΑ"): the product's name, picture and version, the maker with the web address, the
// telephones and an e-mail address that opens a new message. Created on first use and shown modally.

#include <memory>

#include "core/shell/version_info.h"
#include "gui/tools/tool_dialog.h"

class QLabel;
class QPushButton;

namespace quintaro::gui {

struct AppContext;
class LinkLabel;

class TAboutDlg : public ToolDialog {
    Q_OBJECT
public:
    explicit TAboutDlg(AppContext& context, QWidget* parent = nullptr);
    ~TAboutDlg() override;

    QLabel* versionLabel() const { return LblVersion; }
    LinkLabel* webLabel() const { return LblWeb; }
    LinkLabel* emailLabel() const { return LblEmail; }
    QPushButton* okButton() const { return BtnOk; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* LblVersion;
    LinkLabel* LblWeb;
    LinkLabel* LblEmail;
    QPushButton* BtnOk;
    std::unique_ptr<TVerInfoRes> verInfo_;  // held while the box is shown
};

}  // namespace quintaro::gui

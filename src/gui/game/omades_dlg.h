#pragma once
// The group limits ("ΟΡΙΑ ΟΜΑΔΩΝ") and the super-group limits ("ΟΡΙΑ ΥΠΕΡΟΜΑΔΩΝ"): small tool windows above
// the others, created on first use, that show and edit the core's group and super-group tables.

#include <QDialog>

class QPushButton;

namespace quintaro::gui {

struct AppContext;
class LimitGrid;

class TYPEOmadesDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog, created on first use.
    static TYPEOmadesDlg& get(AppContext& context);

    void refresh();
    void BtnOKClick();

    LimitGrid* grid() const { return SGrd; }

private:
    TYPEOmadesDlg(AppContext& context, QWidget* parent);

    AppContext& ctx_;
    LimitGrid* SGrd;
};

class TOmadesDlg : public QDialog {
    Q_OBJECT
public:
    // The dialog, created on first use.
    static TOmadesDlg& get(AppContext& context);

    void refresh();

    // "&OK": orders the groups, rebuilds the super-groups, hides both dialogs and gives the game window's
    // grid the focus. A conversion error leaves both dialogs open.
    void BtnOKClick();
    // "&ΥΠΕΡΟΜΑΔΕΣ": orders the groups, rebuilds the super-groups and shows their dialog.
    void BtnYperomadesClick();
    void BtnHelpClick();

    LimitGrid* grid() const { return SGrd; }

private:
    TOmadesDlg(AppContext& context, QWidget* parent);
    bool orderAndRebuild();

    AppContext& ctx_;
    LimitGrid* SGrd;
};

// Shows the tables again in whichever of the two dialogs exist (after the game window changed them).
void refreshGroupDialogs(AppContext& context);

}  // namespace quintaro::gui

#pragma once
// "&ΣΤΗΛΕΣ" of the game window: the choice between the plain and the gathered columns, then the chosen
// list. Refused with "Παρακαλώ πατήστε Μέτρημα πρώτα!" while there are no counted columns.

namespace quintaro::gui {

struct AppContext;

// Runs the command with the windows of the context. `countingCost` is the cost of the last counting, shown
// in the plain list's caption. The caller gives its grid the focus afterwards.
void showColumns(AppContext& context, double countingCost);

}  // namespace quintaro::gui

#pragma once
// The explanation shown before the TRIO construction window opens: twelve lines joined by carriage returns.

#include <QString>
#include <QStringList>

namespace quintaro::gui {

inline QString trioInformationText() {
    const QStringList lines = {
        QStringLiteral("Με το Κατασκευαστικό εχετε τη δυνατότητα να κατασκευάσετε συστήματα για ΤΡΙΟ"),
        QStringLiteral("για 100% 3άρι, 100% 3άρι ή 2άρι(α)"),
        QStringLiteral("χωρίς όρους ή κάποιους ή όλους τους όρους κατά επιλογίν"),
        QStringLiteral("ΑΘΡΟΙΣΜΑ : είναι το Αθροισμα των πέντε αριθμών της Νικήτριας Στήλης"),
        QStringLiteral("ΜΟΝΑ : είναι οι αριθμοί που είναι Μονοί"),
        QStringLiteral("ΖΥΓΑ : είναι οι Ζυγοί αριθμοί"),
        QStringLiteral("ΑΡΙΣΤΕΡΑ : είναι οι αριθμοί που έχουν λήγοντα 1,2,3,4,5"),
        QStringLiteral("ΔΕΞΙΑ : είναι οι αριθμοί που έχουν λήγοντα 6,7,8,9,0"),
        QStringLiteral("ΛΗΓΟΝΤΕΣ : είναι τα 1,2,3,4,5,6,7,8,9,0 που λήγουν οι αριθμοί"),
        QStringLiteral("5άδες : είναι οι 7 5άδες των 35 αριθμών , 1-5,6-10,11-15,16-20"),
        QStringLiteral("ΕΥΡΟΣ ΣΤΗΛΗΣ : είναι η Διαφορά του Μεγαλύτερου αριθμού μείον τον Μικρότερο"),
        QStringLiteral("Α : είναι η επιλογή Στάνταρ ή Ζητούμενοι αριθμοί με εύρος"),
    };
    return lines.join(QChar(13));
}

}  // namespace quintaro::gui

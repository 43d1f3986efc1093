#pragma once
// Who makes the program and how to reach them, as the splash and the about box show it.

#include <QString>

namespace quintaro::gui::maker {

inline QString makerLine() {
    return QStringLiteral("Εργαστήριο Λογισμικού Στοιχήματος");
}
inline QString webAddress() {
    return QStringLiteral("www.example.com");
}
inline QString telephones() {
    return QStringLiteral("Τηλ. : 210 000 0000  -  210 000 0001");
}
inline QString emailAddress() {
    return QStringLiteral("info@example.com");
}

// The new message the about box opens: to the address, with the product's name as subject and no body.
inline QString mailtoText(const QString& address) {
    return QStringLiteral("mailto:") + address + QStringLiteral("?Subject=ΒΕΛΤΡΑΝΟ&Body=");
}

}  // namespace quintaro::gui::maker

#include "gui/trio/trio_file_io.h"

#include <QDir>
#include <QFile>

#include "core/files/atomic_write.h"
#include "core/files/utf8_path.h"
#include "gui/platform/dialogs.h"
#include "gui/platform/qt_text.h"

namespace quintaro::gui {

std::optional<std::string> readFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool writeFileBytes(const QString& path, const std::string& bytes) {
    try {
        writeFileAtomically(utf8Path(us(path)), bytes);
        return true;
    } catch (const AtomicWriteError&) {
        return false;
    }
}

void reportWriteFailure(QWidget* parent, const QString& path) {
    showError(parent, QStringLiteral("Αδύνατη η εγγραφή του αρχείου ") + QDir::toNativeSeparators(path));
}

}  // namespace quintaro::gui

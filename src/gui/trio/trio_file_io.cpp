#include "gui/trio/trio_file_io.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "gui/platform/dialogs.h"

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void reportWriteFailure(QWidget* parent, const QString& path) {
    showError(parent, QStringLiteral("Αδύνατη η εγγραφή του αρχείου ") + QDir::toNativeSeparators(path));
}

}  // namespace quintaro::gui

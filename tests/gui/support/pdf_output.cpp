#include "support/pdf_output.h"

#include <QFile>
#include <QMap>
#include <QPrinter>
#include <QRegularExpression>
#include <QtEndian>
#include <algorithm>

namespace quintaro::gui::test {

PdfForms::PdfForms(QString folder) : folder_(std::move(folder)) {
    setCouponFormOutput(this);
}

PdfForms::~PdfForms() {
    setCouponFormOutput(nullptr);
}

std::unique_ptr<QPrinter> PdfForms::nextPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(360);
    printer->setOutputFileName(file(++made_));
    return printer;
}

void PdfForms::formPrinted(coupons::FormKind kind, const coupons::CouponFormContent& content) {
    kinds.push_back(kind);
    forms.push_back(content);
}

QString PdfForms::file(int n) const {
    return folder_ + QStringLiteral("/form_%1.pdf").arg(n);
}

std::vector<std::vector<int>> PdfForms::couponsOnForms(const CouponList& coupons) const {
    std::vector<std::vector<int>> out;
    for (const auto& form : forms) {
        std::vector<int> numbers;
        for (const TsSthlh* carried : {&form.first, form.second ? &*form.second : nullptr}) {
            if (carried) {
                numbers.push_back(static_cast<int>(std::find(coupons.begin(), coupons.end(), *carried) -
                                                   coupons.begin() + 1));
            }
        }
        out.push_back(numbers);
    }
    return out;
}

namespace {

// The stream of an object ("<< ... >> stream ... endstream"), inflated when it is compressed.
QByteArray streamOf(const QByteArray& object) {
    const qsizetype start = object.indexOf("stream\n");
    const qsizetype end = object.lastIndexOf("endstream");
    if (start < 0 || end < start) {
        return {};
    }
    QByteArray data = object.mid(start + 7, end - start - 7);
    if (!object.left(start).contains("/FlateDecode")) {
        return data;
    }
    // qUncompress wants the expected size in front; it grows its buffer when the guess is short.
    QByteArray sized(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size() * 8), sized.data());
    return qUncompress(sized + data);
}

}  // namespace

PdfPages readPdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF-")) {
        return {};
    }
    // The file's objects by number.
    QMap<int, QByteArray> objects;
    static const QRegularExpression objectStart(QStringLiteral("(?:^|\\n)(\\d+) 0 obj\\n"));
    const QString text = QString::fromLatin1(bytes);
    auto it = objectStart.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const qsizetype begin = m.capturedEnd();
        const qsizetype end = bytes.indexOf("endobj", begin);
        objects.insert(m.captured(1).toInt(), bytes.mid(begin, end < 0 ? -1 : end - begin));
    }
    PdfPages pages;
    static const QRegularExpression page(QStringLiteral("/Type /Page\\n"));
    static const QRegularExpression contents(QStringLiteral("/Contents (\\d+) 0 R"));
    static const QRegularExpression showsText(QStringLiteral("\\bT[jJ]\\b"));
    for (const QByteArray& object : objects) {
        const QString dictionary = QString::fromLatin1(object.left(400));
        if (!page.match(dictionary).hasMatch()) {
            continue;
        }
        ++pages.pages;
        const QRegularExpressionMatch c = contents.match(dictionary);
        if (c.hasMatch() &&
            showsText.match(QString::fromLatin1(streamOf(objects.value(c.captured(1).toInt())))).hasMatch()) {
            ++pages.withText;
        }
    }
    return pages;
}

}  // namespace quintaro::gui::test

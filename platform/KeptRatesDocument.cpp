#include "platform/KeptRatesDocument.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QStandardPaths>

namespace ratio {

namespace {

// A header line "ratio-rates 1 <yyyy-MM-dd> <document size>" and the
// document's bytes; the size tells a complete file from a cut one.
const QByteArray magic = "ratio-rates";
const QByteArray version = "1";
constexpr qint64 maximumHeaderSize = 64;

QByteArray header(const QDate& downloaded, qsizetype documentSize) {
    return magic + ' ' + version + ' ' + downloaded.toString(Qt::ISODate).toLatin1() + ' ' +
           QByteArray::number(static_cast<qint64>(documentSize)) + '\n';
}

} // namespace

KeptRatesDocument::KeptRatesDocument(QString folder) : folder(std::move(folder)) {}

QString KeptRatesDocument::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString KeptRatesDocument::filePath() const {
    return QDir(folder).filePath("kept-rates");
}

bool KeptRatesDocument::save(const QByteArray& document, const QDate& downloaded) const {
    if (!downloaded.isValid() || document.size() > qsizetype(maximumRatesDocumentSize))
        return false;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(header(downloaded, document.size()));
    file.write(document);
    return file.commit();
}

std::optional<KeptRatesDocument::Kept> KeptRatesDocument::load() const {
    if (folder.isEmpty())
        return std::nullopt;
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray content = file.read(maximumHeaderSize + qint64(maximumRatesDocumentSize) + 1);
    const qsizetype lineEnd = content.indexOf('\n');
    if (lineEnd < 0 || lineEnd > maximumHeaderSize)
        return std::nullopt;

    const QList<QByteArray> fields = content.left(lineEnd).split(' ');
    if (fields.size() != 4 || fields[0] != magic || fields[1] != version)
        return std::nullopt;
    const QDate downloaded = QDate::fromString(QString::fromLatin1(fields[2]), Qt::ISODate);
    bool sizeIsNumber = false;
    const qlonglong size = fields[3].toLongLong(&sizeIsNumber);
    Kept kept{content.mid(lineEnd + 1), downloaded, {}};
    if (!downloaded.isValid() || !sizeIsNumber || size != kept.document.size() || !file.atEnd())
        return std::nullopt;
    kept.rates = RatesDocument::read(kept.document);
    return kept;
}

} // namespace ratio

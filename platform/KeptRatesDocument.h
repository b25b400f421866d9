#pragma once

#include "platform/RatesDocument.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

namespace ratio {

// The last rate document that was applied, with the day it was downloaded,
// so that the currency units exist before (or without) the next download.
// One file, replaced atomically; a file that is missing, damaged or cut
// short reads as nothing.
class KeptRatesDocument {
  public:
    struct Kept {
        QByteArray document;
        QDate downloaded;
        RatesDocument rates; // the document, read

        // The day the kept rates are of: the document's own, or its download day.
        QDate ratesDay() const { return rates.day(downloaded); }
    };

    // `folder` is created on the first save.
    explicit KeptRatesDocument(QString folder = defaultFolder());

    // False when the folder or the file cannot be written; the old file stays.
    bool save(const QByteArray& document, const QDate& downloaded) const;
    std::optional<Kept> load() const;

    QString filePath() const;
    const QString& dataFolder() const { return folder; }
    // The application's data folder.
    static QString defaultFolder();

  private:
    QString folder;
};

} // namespace ratio

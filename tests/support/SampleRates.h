// Rate documents as the central bank writes them, and the files tests keep
// them and other bytes in.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace ratio::testing {

// A document of the given rate elements, of `day` (empty: undated).
inline QByteArray rateDocument(const QByteArray& day, const QByteArray& rates) {
    if (day.isEmpty())
        return "<Cube>" + rates + "</Cube>";
    return "<Cube><Cube time='" + day + "'>\n" + rates + "</Cube></Cube>\n";
}

// One day's rates in the bank's own envelope.
inline const QByteArray sampleRates =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\""
    " xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n" +
    rateDocument("2026-12-04", "<Cube currency='USD' rate='1.0854'/>\n"
                               "<Cube currency='JPY' rate='160.5'/>\n"
                               "<Cube currency='GBP' rate='0.8431'/>\n") +
    "</gesmes:Envelope>\n";

// The file's bytes; none when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces the file's content; false when it could not be written whole.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace ratio::testing

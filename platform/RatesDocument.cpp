#include "platform/RatesDocument.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <set>

namespace ratio {

namespace {

bool isTableCurrency(std::string_view code) {
    const auto table = currencyTable();
    return std::any_of(table.begin(), table.end(),
                       [code](const CurrencyTableRow& row) { return row.code == code; });
}

std::string xmlProblem(const QXmlStreamReader& xml) {
    return "not a well-formed XML document (" + xml.errorString().toStdString() + " at line " +
           std::to_string(xml.lineNumber()) + ", column " + std::to_string(xml.columnNumber()) +
           ")";
}

// One Cube element: a rate, a skipped rate, the document's day, or nothing.
void readCube(const QXmlStreamAttributes& attributes, RatesDocument& document,
              std::set<std::string, std::less<>>& seen) {
    if (!document.time.isValid() && attributes.hasAttribute(QLatin1String("time")))
        document.time = QDate::fromString( // strict: the ISO reading takes trailing text
            attributes.value(QLatin1String("time")).toString().trimmed(), u"yyyy-MM-dd");
    if (!attributes.hasAttribute(QLatin1String("currency")))
        return;
    const std::string code =
        attributes.value(QLatin1String("currency")).toString().trimmed().toStdString();
    if (!seen.insert(code).second)
        return; // the first element for a code decides it
    if (!attributes.hasAttribute(QLatin1String("rate"))) {
        document.skipped.push_back({code, "no rate attribute"});
        return;
    }
    const std::string rate =
        attributes.value(QLatin1String("rate")).toString().trimmed().toStdString();
    if (const auto problem = rateTextProblem(rate)) {
        document.skipped.push_back({code, *problem});
        return;
    }
    document.rates.emplace(code, rate);
}

} // namespace

RatesDocument RatesDocument::read(const QByteArray& bytes) {
    RatesDocument document;
    if (bytes.size() > qsizetype(maximumRatesDocumentSize)) {
        document.problem = "larger than 1 MiB";
        return document;
    }
    if (bytes.trimmed().isEmpty()) {
        document.problem = "empty";
        return document;
    }
    QXmlStreamReader xml(bytes);
    std::set<std::string, std::less<>> seen;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("Cube"))
            readCube(xml.attributes(), document, seen);
    }
    if (xml.hasError()) {
        // Rates read before the fault are not trusted: nothing is applied from it.
        document.problem = xmlProblem(xml);
        document.rates.clear();
        document.skipped.clear();
        return document;
    }
    const bool anyKnown = std::any_of(document.rates.begin(), document.rates.end(),
                                      [](const auto& rate) { return isTableCurrency(rate.first); });
    if (!anyKnown)
        document.problem = "no usable rate for any known currency in it";
    return document;
}

} // namespace ratio

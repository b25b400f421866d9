#include "platform/QSettingsStore.h"

#include <QEvent>
#include <QMetaType>
#include <QVariant>

#include <limits>
#include <optional>

namespace ratio {

namespace {

constexpr QChar textMark = u'\'';

// The digits an integer is written as, and nothing looser: no sign "+", no
// spaces, no digits of other scripts, and within the range of long long.
std::optional<qlonglong> asWrittenInteger(const QString& text) {
    const qsizetype firstDigit = text.startsWith(u'-') ? 1 : 0;
    if (text.size() == firstDigit)
        return std::nullopt;
    for (qsizetype i = firstDigit; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    return ok ? std::optional<qlonglong>(value) : std::nullopt;
}

StoredValue fromString(const QString& written) {
    if (written.startsWith(textMark))
        return StoredValue::ofText(written.mid(1).toStdString());
    if (const auto integer = asWrittenInteger(written))
        return StoredValue::ofInteger(*integer);
    return StoredValue::ofText(written.toStdString());
}

StoredValue fromVariant(const QVariant& variant) {
    if (!variant.isValid())
        return {};
    switch (variant.metaType().id()) {
    case QMetaType::QString:
        return fromString(variant.toString());
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return StoredValue::ofInteger(variant.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong: {
        const qulonglong value = variant.toULongLong();
        if (value > static_cast<qulonglong>(std::numeric_limits<qlonglong>::max()))
            return StoredValue::other();
        return StoredValue::ofInteger(static_cast<qlonglong>(value));
    }
    default:
        return StoredValue::other();
    }
}

} // namespace

// Keeps QSettings' scheduled save (an UpdateRequest it posts to itself) from
// running, and remembers that one was due.
class QSettingsStore::SaveHold : public QObject {
  public:
    bool saveDue = false;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::UpdateRequest)
            return false;
        saveDue = true;
        return true;
    }
};

QSettingsStore::QSettingsStore()
    : settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ratio"),
               QStringLiteral("Ratio")) {}

QSettingsStore::QSettingsStore(const QString& iniFilePath)
    : settings(iniFilePath, QSettings::IniFormat) {}

QSettingsStore::~QSettingsStore() = default;

void QSettingsStore::holdSaving() {
    if (saveHold)
        return;
    saveHold = std::make_unique<SaveHold>();
    settings.installEventFilter(saveHold.get());
}

void QSettingsStore::resumeSaving() {
    if (!saveHold)
        return;
    settings.removeEventFilter(saveHold.get());
    const bool saveDue = saveHold->saveDue;
    saveHold.reset();
    if (saveDue)
        settings.sync();
}

StoredValue QSettingsStore::value(const std::string& key) const {
    if (key.empty()) // QSettings rejects an empty key with a warning
        return {};
    return fromVariant(settings.value(QString::fromStdString(key)));
}

void QSettingsStore::setText(const std::string& key, const std::string& text) {
    if (key.empty())
        return;
    QString written = QString::fromStdString(text);
    if (written.startsWith(textMark) || asWrittenInteger(written))
        written.prepend(textMark);
    settings.setValue(QString::fromStdString(key), written);
}

void QSettingsStore::setInteger(const std::string& key, long long value) {
    if (key.empty())
        return;
    settings.setValue(QString::fromStdString(key), QVariant::fromValue(qlonglong(value)));
}

} // namespace ratio

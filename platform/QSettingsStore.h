#pragma once

#include "units/KeyValueStore.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace ratio {

// The settings store on QSettings: the platform's own per-user store, or an
// INI file at a given path.
//
// INI files keep no types: every value reads back as text. So integers are
// written as plain base-10 digits and read back as integers, and a text that
// would read as an integer (optional "-", then ASCII digits only), or that
// begins with an apostrophe, is written with one more apostrophe in front.
// "unit0" therefore stays a text even when a long name is all digits, and a
// count edited by hand as "APP_OPENED_COUNT=3" still reads as an integer.
// Typed values from a typed backend are read as what they are.
//
// A file that cannot be parsed yields what QSettings could read and nothing
// else; it is left untouched on disk until the first write, which rewrites it
// with everything that was readable plus the change. Writes are never forced:
// QSettings saves on its own schedule and on destruction. Between
// holdSaving() and resumeSaving() that schedule waits (the start's first
// frame does not wait for the disk); resumeSaving() then saves what was
// written meanwhile, and destruction saves it in any case.
class QSettingsStore final : public KeyValueStore {
  public:
    // The user's store: organisation and application "Ratio" (on Linux an
    // INI file under the user's configuration folder).
    QSettingsStore();
    explicit QSettingsStore(const QString& iniFilePath);
    ~QSettingsStore() override;

    StoredValue value(const std::string& key) const override;
    void setText(const std::string& key, const std::string& text) override;
    void setInteger(const std::string& key, long long value) override;

    void holdSaving();
    void resumeSaving();

  private:
    class SaveHold;

    QSettings settings;
    std::unique_ptr<SaveHold> saveHold;
};

} // namespace ratio

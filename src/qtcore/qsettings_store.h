#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

class QSettings;

namespace kugel {

// The settings store on QSettings: the user's native store on the desktop
// (registry on Windows, a config file elsewhere), or an INI file for the
// headless driver. Values live flat inside one optional group.
class QSettingsStore : public SettingsStore {
  public:
    // The program's own native store, and the automation tool's, whose
    // settings the hand-over reads and writes.
    static std::unique_ptr<QSettingsStore> programStore();
    static std::unique_ptr<QSettingsStore> automationToolStore();
    // The native store of an organisation's application.
    static std::unique_ptr<QSettingsStore> native(const std::string& organisation,
                                                  const std::string& application,
                                                  const std::string& group = {});
    // An INI file at `path`; the file is created on the first write.
    static std::unique_ptr<QSettingsStore> iniFile(const std::string& path,
                                                   const std::string& group = {});

    ~QSettingsStore() override;
    QSettingsStore(const QSettingsStore&) = delete;
    QSettingsStore& operator=(const QSettingsStore&) = delete;

    bool contains(const std::string& name) const override;
    std::optional<int> readInt(const std::string& name) const override;
    std::optional<std::string> readString(const std::string& name) const override;
    std::optional<std::string> readBinary(const std::string& name) const override;
    void writeInt(const std::string& name, int value) override;
    void writeString(const std::string& name, const std::string& value) override;
    void writeBinary(const std::string& name, const std::string& bytes) override;
    void flush() override;
    // A store kept in a file is copied to the same name with ".damaged"
    // added, one copy at a time; the registry is not copied.
    std::optional<std::string> keepDamagedCopy() override;

  private:
    QSettingsStore(std::unique_ptr<QSettings> settings, const std::string& group);
    std::unique_ptr<QSettings> settings_;
};

}  // namespace kugel

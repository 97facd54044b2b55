#include "qtcore/qsettings_store.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/durable_file.h"

namespace kugel {
namespace {

QString key(const std::string& name) {
    return QString::fromStdString(name);
}

}  // namespace

QSettingsStore::QSettingsStore(std::unique_ptr<QSettings> settings, const std::string& group)
    : settings_(std::move(settings)) {
    if (!group.empty()) settings_->beginGroup(QString::fromStdString(group));
}

QSettingsStore::~QSettingsStore() {
    settings_->sync();
}

std::unique_ptr<QSettingsStore> QSettingsStore::programStore() {
    return native("Quandor", "KugelAU");
}

std::unique_ptr<QSettingsStore> QSettingsStore::automationToolStore() {
    return native("Quandor", "ClickRunner", "Settings");
}

std::unique_ptr<QSettingsStore> QSettingsStore::native(const std::string& organisation,
                                                       const std::string& application,
                                                       const std::string& group) {
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                QString::fromStdString(organisation),
                                                QString::fromStdString(application));
    return std::unique_ptr<QSettingsStore>(new QSettingsStore(std::move(settings), group));
}

std::unique_ptr<QSettingsStore> QSettingsStore::iniFile(const std::string& path,
                                                        const std::string& group) {
    auto settings = std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat);
    return std::unique_ptr<QSettingsStore>(new QSettingsStore(std::move(settings), group));
}

bool QSettingsStore::contains(const std::string& name) const {
    return settings_->contains(key(name));
}

std::optional<int> QSettingsStore::readInt(const std::string& name) const {
    const QVariant v = settings_->value(key(name));
    if (!v.isValid()) return std::nullopt;
    bool ok = false;
    const int i = v.toInt(&ok);
    if (!ok) return std::nullopt;
    return i;
}

std::optional<std::string> QSettingsStore::readString(const std::string& name) const {
    const QVariant v = settings_->value(key(name));
    if (!v.isValid()) return std::nullopt;
    return v.toString().toStdString();
}

std::optional<std::string> QSettingsStore::readBinary(const std::string& name) const {
    const QVariant v = settings_->value(key(name));
    // Only a value kept as bytes is binary; a text in its place is damaged.
    if (v.typeId() != QMetaType::QByteArray) return std::nullopt;
    const QByteArray bytes = v.toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void QSettingsStore::writeInt(const std::string& name, int value) {
    settings_->setValue(key(name), value);
}

void QSettingsStore::writeString(const std::string& name, const std::string& value) {
    settings_->setValue(key(name), QString::fromStdString(value));
}

void QSettingsStore::writeBinary(const std::string& name, const std::string& bytes) {
    settings_->setValue(key(name), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void QSettingsStore::flush() {
    settings_->sync();
    // QSettings keeps the system's reason to itself; not being allowed to
    // write is what its access error stands for. A format error only says
    // that reading found a damaged line, which the restore reports itself:
    // the values were still written.
    if (settings_->status() == QSettings::AccessError)
        throw FileError(FileOperation::Write, settings_->fileName().toStdString(), EACCES);
}

std::optional<std::string> QSettingsStore::keepDamagedCopy() {
    namespace fs = std::filesystem;
    const fs::path store = settings_->fileName().toStdString();
    std::error_code ec;
    if (!fs::is_regular_file(store, ec)) return std::nullopt;
    fs::path copy = store;
    copy += ".damaged";
    fs::copy_file(store, copy, fs::copy_options::overwrite_existing, ec);
    if (ec) return std::nullopt;
    return copy.string();
}

}  // namespace kugel

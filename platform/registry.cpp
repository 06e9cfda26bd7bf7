#include "platform/registry.h"

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <cstdlib>

namespace platform {
namespace {

// Values carry their kind as a prefix so that a number, a text and a byte
// string under the same name never read as each other.
constexpr const char* kDwordTag = "dword:";
constexpr const char* kSzTag = "sz:";
constexpr const char* kBinaryTag = "hex:";

QString SettingsKey(const std::string& keyPath, const std::string& name)
{
    QString path = QString::fromLatin1(keyPath.c_str());
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path + QLatin1Char('/') + QString::fromLatin1(name.c_str());
}

std::optional<QString> ReadTagged(const std::string& keyPath, const std::string& name, const char* tag)
{
    QSettings store(QString::fromStdString(Registry::FilePath()), QSettings::IniFormat);
    const QVariant raw = store.value(SettingsKey(keyPath, name));
    if (!raw.isValid())
        return std::nullopt;
    const QString text = raw.toString();
    if (!text.startsWith(QLatin1String(tag)))
        return std::nullopt;
    return text.mid(static_cast<int>(std::char_traits<char>::length(tag)));
}

bool WriteTagged(const std::string& keyPath, const std::string& name, const QString& value)
{
    QSettings store(QString::fromStdString(Registry::FilePath()), QSettings::IniFormat);
    store.setValue(SettingsKey(keyPath, name), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace

std::string ConfigHome()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.config";
}

std::string StateHome()
{
    const char* xdg = std::getenv("XDG_STATE_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.local/state";
}

std::string Registry::FilePath()
{
    return ConfigHome() + "/Quillon/registry.ini";
}

std::optional<std::uint32_t> Registry::GetDword(const std::string& keyPath, const std::string& name)
{
    const auto text = ReadTagged(keyPath, name, kDwordTag);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const uint value = text->toUInt(&ok);
    if (!ok)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::optional<std::string> Registry::GetString(const std::string& keyPath, const std::string& name)
{
    const auto text = ReadTagged(keyPath, name, kSzTag);
    if (!text)
        return std::nullopt;
    return text->toLatin1().toStdString();
}

std::optional<std::vector<std::uint8_t>> Registry::GetBinary(const std::string& keyPath,
                                                              const std::string& name)
{
    const auto text = ReadTagged(keyPath, name, kBinaryTag);
    if (!text)
        return std::nullopt;
    const QByteArray bytes = QByteArray::fromHex(text->toLatin1());
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool Registry::SetDword(const std::string& keyPath, const std::string& name, std::uint32_t value)
{
    return WriteTagged(keyPath, name, QLatin1String(kDwordTag) + QString::number(value));
}

bool Registry::SetString(const std::string& keyPath, const std::string& name, const std::string& value)
{
    return WriteTagged(keyPath, name, QLatin1String(kSzTag) + QString::fromLatin1(value.c_str()));
}

bool Registry::SetBinary(const std::string& keyPath, const std::string& name,
                         const std::vector<std::uint8_t>& value)
{
    const QByteArray bytes(reinterpret_cast<const char*>(value.data()), static_cast<qsizetype>(value.size()));
    return WriteTagged(keyPath, name, QLatin1String(kBinaryTag) + QString::fromLatin1(bytes.toHex()));
}

bool Registry::DeleteValue(const std::string& keyPath, const std::string& name)
{
    QSettings store(QString::fromStdString(FilePath()), QSettings::IniFormat);
    store.remove(SettingsKey(keyPath, name));
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace platform

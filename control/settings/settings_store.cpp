#include "control/settings/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>
#include <span>
#include <utility>

#include "model/file_io.h"

namespace circumvia::control {

namespace {

const QString kGroup = QStringLiteral("Parameters");

// Where the application's default QSettings keeps its file ("Vantor/Circumvia.conf" in
// the user's configuration folder once SetApplicationIdentity has run), so that both read
// the same values.
QString SettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           QCoreApplication::organizationName() + u'/' + QCoreApplication::applicationName() +
           QStringLiteral(".conf");
}

}  // namespace

SettingsStore::SettingsStore() : SettingsStore(SettingsPath()) {}

SettingsStore::SettingsStore(QString path) : path_(std::move(path)) {
    const QString names[] = {kDefault,     kPlayers,     kWhiteName,       kRedName,
                             kWhiteKind,   kRedKind,     kAnimationSpeed,  kGeometry,
                             kWindowState, kCoordinates, kRatings,         kLessons,
                             kPuzzles,     kPractice,    kTextRecordNotice};
    const std::optional<QByteArray> contents = ReadSettingsFileStart(path_);
    unreadable_ = !contents;
    if (contents) values_ = ParseSettingsFile(*contents, kGroup, names);
}

SettingsStore::~SettingsStore() {
    Sync();
}

QString SettingsStore::Read(const QString& name, const QString& fallback) const {
    const auto found = values_.find(name);
    return found == values_.end() ? fallback : found->second;
}

bool SettingsStore::Fits(const QString& name, const QString& value) const {
    SettingsValues values = values_;
    values[name] = value;
    return SettingsFileText(kGroup, values).size() <= kMaxSettingsFileBytes;
}

bool SettingsStore::Write(const QString& name, const QString& value) {
    const auto found = values_.find(name);
    if (found != values_.end() && found->second == value) return true;
    if (!Fits(name, value)) return false;
    values_[name] = value;
    changed_ = true;
    // Written at once, as a shared QSettings would show it at once to the rest of the
    // program; the file is tiny and values change only at set-up and at close.
    Sync();
    return true;
}

QByteArray SettingsStore::ReadBytes(const QString& name) const {
    return QByteArray::fromBase64(Read(name, {}).toLatin1());
}

bool SettingsStore::WriteBytes(const QString& name, const QByteArray& value) {
    return Write(name, QString::fromLatin1(value.toBase64()));
}

void SettingsStore::Sync() {
    if (!changed_) return;
    if (unreadable_) {
        TellFailureOnce();
        return;
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const QByteArray text = SettingsFileText(kGroup, values_);
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.constData()),
                                 static_cast<std::size_t>(text.size()));
    if (ReplaceFileContents(QFile::encodeName(path_).toStdString(), bytes)) {
        changed_ = false;
        failure_told_ = false;
    } else {
        TellFailureOnce();
    }
}

void SettingsStore::TellFailureOnce() {
    if (failure_told_) return;
    failure_told_ = true;
    if (failure_notice_) failure_notice_();
}

}  // namespace circumvia::control

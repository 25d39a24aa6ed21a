#pragma once
// The per-user settings store: the file of the application's default QSettings
// (organisation "Vantor", application "Circumvia", set by SetApplicationIdentity), group
// "Parameters", four named string values and, beside them, the player's comforts (window
// place, move list, animation speed, the kinds of the last players set up), kept out of the
// settings text so that its format stays as it is. Only these values are read (from the start of
// the file only) and written, so a damaged or huge file costs neither memory nor time and its junk
// is not kept.

#include <QString>
#include <functional>

#include "control/settings/settings_file.h"

namespace circumvia::control {

class SettingsStore {
public:
    SettingsStore();
    // The store of the file at `path` rather than the application's.
    explicit SettingsStore(QString path);
    // Writes changes not yet written.
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString Read(const QString& name, const QString& fallback) const;
    // Writes the file at once when the value changes; a failure keeps the old file, and
    // the value is written again at the next Sync. False, the value left as it was, when
    // the file with it would outgrow what is read back (kMaxSettingsFileBytes): an owner
    // of long values makes its value fit (see Fits) rather than lose everything.
    bool Write(const QString& name, const QString& value);
    // Whether the file with `value` as `name` stays within what is read back.
    bool Fits(const QString& name, const QString& value) const;
    // The file was there but could not be read: it is left as it is, nothing is written.
    bool Unreadable() const { return unreadable_; }
    // Writes the file if a change has not been written yet.
    void Sync();
    // Called at the first failed write (or the first change of an unreadable file), and
    // again only after a write has succeeded, so the player hears once that changes are
    // not being kept, not at every change.
    void SetFailureNotice(std::function<void()> notice) { failure_notice_ = std::move(notice); }
    // Binary values (the window's geometry and the layout of its panels), kept as base64
    // text; empty when absent.
    QByteArray ReadBytes(const QString& name) const;
    bool WriteBytes(const QString& name, const QByteArray& value);

    // Value names.
    static inline const QString kDefault = QStringLiteral("Default");
    static inline const QString kPlayers = QStringLiteral("Players");
    static inline const QString kWhiteName = QStringLiteral("P1");
    static inline const QString kRedName = QStringLiteral("P2");
    static inline const QString kWhiteKind = QStringLiteral("WhiteKind");
    static inline const QString kRedKind = QStringLiteral("RedKind");
    static inline const QString kAnimationSpeed = QStringLiteral("AnimationSpeed");
    static inline const QString kGeometry = QStringLiteral("Geometry");
    static inline const QString kWindowState = QStringLiteral("WindowState");
    static inline const QString kCoordinates = QStringLiteral("Coordinates");  // "1" shown
    // The players' ratings from rated games (see RatedPlayers).
    static inline const QString kRatings = QStringLiteral("Ratings");
    // The stars earned in each lesson (see LessonProgress).
    static inline const QString kLessons = QStringLiteral("Lessons");
    // The solver's puzzle rating and history (see PuzzleHistory), and the player's own
    // mistakes to practise (see PracticeList).
    static inline const QString kPuzzles = QStringLiteral("Puzzles");
    static inline const QString kPractice = QStringLiteral("Practice");
    // "1" once the player was told that a game file keeps no variations (GameExchange).
    static inline const QString kTextRecordNotice = QStringLiteral("TextRecordNotice");

private:
    void TellFailureOnce();

    QString path_;
    SettingsValues values_;
    bool changed_ = false;
    bool unreadable_ = false;
    bool failure_told_ = false;
    std::function<void()> failure_notice_;
};

}  // namespace circumvia::control

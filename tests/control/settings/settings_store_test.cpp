// The settings store on files it did not write itself or could not keep whole: nothing a
// player has is lost, and nothing is written that could not be read back.
#include "control/settings/settings_store.h"

#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "control/rated/rated_players.h"

namespace circumvia::control {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Enough players, each with a whole graph, to outgrow the file several times over.
RatedPlayers ManyPlayers(int count) {
    RatedPlayers players;
    for (int k = 0; k < count; ++k) {
        const RatedGame game = players.Plan(QStringLiteral("player %1").arg(k), kRed);
        for (std::size_t n = 0; n < kRatingHistoryLength; ++n) {
            players.Record(game, n % 3 == 0 ? rating::kWinPoints : rating::kLossPoints);
        }
    }
    return players;
}

TEST(SettingsStore, KeepsWhatItWritesReadableAtTheSizeLimit) {
    const QTemporaryDir folder;
    const QString path = folder.filePath("Circumvia.conf");
    const RatedPlayers players = ManyPlayers(4000);
    QString written;
    {
        SettingsStore store(path);
        ASSERT_TRUE(store.Write(SettingsStore::kWhiteName, QStringLiteral("Anna")));
        EXPECT_FALSE(store.Write(SettingsStore::kRatings, players.Text()));  // too long
        written = players.TextThatFits(
            [&](const QString& text) { return store.Fits(SettingsStore::kRatings, text); });
        ASSERT_TRUE(store.Write(SettingsStore::kRatings, written));
    }
    const QByteArray file = Contents(path);
    EXPECT_LE(file.size(), kMaxSettingsFileBytes);

    const SettingsStore again(path);
    EXPECT_EQ(again.Read(SettingsStore::kWhiteName, {}), QStringLiteral("Anna"));
    const RatedPlayers read = RatedPlayers::FromText(again.Read(SettingsStore::kRatings, {}));
    EXPECT_EQ(read.Text(), written);
    // The most played are kept, with their ratings; only the graphs' oldest points went.
    const QString most_played = QStringLiteral("player 0");
    ASSERT_EQ(read.All().count(most_played), 1u);
    EXPECT_DOUBLE_EQ(read.Of(most_played).rating, players.Of(most_played).rating);
}

TEST(SettingsStore, ReadsAFileThatStartsWithAByteOrderMark) {
    const QTemporaryDir folder;
    const QString path = folder.filePath("Circumvia.conf");
    WriteFile(path, "\xEF\xBB\xBF[Parameters]\nP1=Zo\xC3\xA9\nP2=Bruno\n");
    const SettingsStore store(path);
    EXPECT_EQ(store.Read(SettingsStore::kWhiteName, {}), QStringLiteral("Zo\u00e9"));
    EXPECT_EQ(store.Read(SettingsStore::kRedName, {}), QStringLiteral("Bruno"));
}

// Checks file permissions as an unprivileged user would meet them, even under root.
class AsUnprivileged {
public:
    AsUnprivileged() : before_(setfsuid(geteuid() == 0 ? 65534 : geteuid())) {}
    ~AsUnprivileged() { setfsuid(before_); }
    AsUnprivileged(const AsUnprivileged&) = delete;
    AsUnprivileged& operator=(const AsUnprivileged&) = delete;

private:
    int before_;
};

TEST(SettingsStore, LeavesAFileItCannotReadAsItIs) {
    const QTemporaryDir folder;
    const QString path = folder.filePath("Circumvia.conf");
    const QByteArray kept = "[Parameters]\nP1=Anna\nRatings={}\n";
    WriteFile(path, kept);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::WriteOwner | QFile::WriteUser));
    {
        const AsUnprivileged unprivileged;
        bool told = false;
        SettingsStore store(path);
        store.SetFailureNotice([&] { told = true; });
        EXPECT_TRUE(store.Unreadable());
        store.Write(SettingsStore::kWhiteName, QStringLiteral("Bruno"));
        EXPECT_TRUE(told);
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(Contents(path), kept);
}

}  // namespace
}  // namespace circumvia::control

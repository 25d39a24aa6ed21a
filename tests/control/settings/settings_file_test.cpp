#include "control/settings/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace circumvia::control {
namespace {

const QString kGroup = QStringLiteral("Parameters");
const QString kNames[] = {QStringLiteral("Default"), QStringLiteral("Players"),
                          QStringLiteral("P1"), QStringLiteral("P2")};

SettingsValues Parse(const QByteArray& contents) {
    return ParseSettingsFile(contents, kGroup, kNames);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Texts that need QSettings' quoting and escapes, read back by this reader and by
// QSettings itself, and QSettings' own file read by this reader.
TEST(SettingsFile, ValuesRoundTripWithQSettingsBothWays) {
    const SettingsValues values = {
        {"Default", "11F13000000000000000"},
        {"Players", "Anna;Zo\u00e9;\u0141ukasz,Bo \"Q\" \\ x"},
        {"P1", "  blanks at both ends  "},
        {"P2",
         "@at\ttab\x01"
         "1"},
    };
    EXPECT_EQ(Parse(SettingsFileText(kGroup, values)), values);

    const QTemporaryDir folder;
    const QString ours = folder.filePath("ours.conf");
    WriteFile(ours, SettingsFileText(kGroup, values));
    QSettings reader(ours, QSettings::IniFormat);
    for (const auto& [name, value] : values) {
        EXPECT_EQ(reader.value(kGroup + '/' + name).toString(), value) << name.toStdString();
    }

    const QString theirs = folder.filePath("theirs.conf");
    {
        QSettings writer(theirs, QSettings::IniFormat);
        for (const auto& [name, value] : values) writer.setValue(kGroup + '/' + name, value);
    }
    QFile file(theirs);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(Parse(file.readAll()), values);
}

TEST(SettingsFile, OnlyTheProgramsOwnValuesAreTakenAndWritten) {
    const QByteArray contents =
        "[General]\nDefault=not this one\n"
        "[Parameters]\nJunk=" +
        QByteArray(100000, 'x') +
        "\nP1=WHITE\n\x01\xff garbage\n"
        "[Other]\nP2=not this one either\n";
    const SettingsValues values = Parse(contents);
    EXPECT_EQ(values, (SettingsValues{{"P1", "WHITE"}}));
    EXPECT_EQ(SettingsFileText(kGroup, values), "[Parameters]\nP1=WHITE\n");
}

// A name written by hand or by an older program in Latin-1 keeps every character and is
// written back as UTF-8.
TEST(SettingsFile, Latin1ValuesKeepTheirCharacters) {
    const SettingsValues values = Parse("[Parameters]\nP2=Zo\xe9 \xc6sa\n");
    EXPECT_EQ(values.at("P2"), "Zo\u00e9 \u00c6sa");
    EXPECT_EQ(SettingsFileText(kGroup, values), "[Parameters]\nP2=Zo\u00e9 \u00c6sa\n");
}

TEST(SettingsFile, ReadsOnlyTheStartOfARegularFile) {
    const QTemporaryDir folder;
    const QString huge = folder.filePath("huge.conf");
    const QByteArray line = "[Parameters]\nP1=" + QByteArray(1000, 'n') + '\n';
    WriteFile(huge, line.repeated(3 * kMaxSettingsFileBytes / line.size()));
    const QByteArray start = ReadSettingsFileStart(huge).value_or(QByteArray());
    EXPECT_LE(start.size(), kMaxSettingsFileBytes);
    EXPECT_TRUE(start.endsWith('\n'));  // no value cut in two
    EXPECT_EQ(Parse(start).at("P1"), QString(1000, 'n'));

    const QString fifo = folder.filePath("fifo.conf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // At once, not waiting for a writer; and a pipe is not written over.
    EXPECT_FALSE(ReadSettingsFileStart(fifo));
    EXPECT_EQ(ReadSettingsFileStart(folder.filePath("none.conf")), QByteArray());
}

}  // namespace
}  // namespace circumvia::control

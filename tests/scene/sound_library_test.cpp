#include <gtest/gtest.h>

#include <QtGlobal>

#include "scene/board/board_resources.h"
#include "scene/gl/sound_library.h"

namespace circumvia::scene {
namespace {

int g_messages = 0;
QStringList g_texts;

void CountMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    ++g_messages;
    g_texts << text;
}

TEST(SoundLibrary, HoldsTheClickAsACompleteWavImage) {
    TSoundLibrary sounds;
    AddBoardSounds(sounds);
    const QByteArray* image = sounds.Image(kClickSample);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), 2572);
    EXPECT_TRUE(image->startsWith("RIFF"));
    EXPECT_EQ(sounds.Image("missing"), nullptr);
}

TEST(SoundLibrary, AMissingResourceIsNotAdded) {
    TSoundLibrary sounds;
    EXPECT_FALSE(sounds.AddSample("ghost", ":/no/such.wav"));
    EXPECT_EQ(sounds.Image("ghost"), nullptr);
    EXPECT_FALSE(sounds.Play("ghost"));
}

TEST(SoundLibrary, WithoutAnAudioOutputPlayingDoesNothingAndSaysNothing) {
    TSoundLibrary sounds;
    if (sounds.HasAudioOutput()) GTEST_SKIP() << "this machine has an audio output";
    AddBoardSounds(sounds);
    g_messages = 0;
    const QtMessageHandler previous = qInstallMessageHandler(CountMessage);
    bool played = false;
    for (int i = 0; i < 5; ++i) played = sounds.Play(kClickSample) || played;
    qInstallMessageHandler(previous);
    EXPECT_FALSE(played);
    EXPECT_EQ(g_messages, 0);
}

// ctest runs each test in a process of its own, so the audio backend starts here.
TEST(SoundLibrary, NoSoundServerIsNotReportedButOtherMessagesStillAre) {
    g_texts.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CountMessage);
    {
        TSoundLibrary sounds;
        AddBoardSounds(sounds);
        qWarning("a real problem");
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_texts.filter(QStringLiteral("pa_context_connect")).isEmpty())
        << g_texts.join('\n').toStdString();
    EXPECT_TRUE(g_texts.contains(QStringLiteral("a real problem")));
}

}  // namespace
}  // namespace circumvia::scene

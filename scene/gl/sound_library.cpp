#include "scene/gl/sound_library.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <atomic>

namespace circumvia::scene {

namespace {

// Without a sound server the audio backend says so on stderr at every start. No server
// only means no sound, which the library handles by not playing, so that one line is
// dropped while the outputs are asked for; every other message is passed on.
constexpr char kNoServerMessage[] = "PulseAudioService: pa_context_connect() failed";
std::atomic<QtMessageHandler> g_passed_on{nullptr};

void DropNoServerMessage(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (message.startsWith(QLatin1String(kNoServerMessage))) return;
    if (const QtMessageHandler next = g_passed_on.load()) next(type, context, message);
}

bool AskForAudioOutputs() {
    g_passed_on = qInstallMessageHandler(DropNoServerMessage);
    const bool found = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(g_passed_on.load());
    return found;
}

}  // namespace

// Asked once: without a device, an effect would print warnings and never finish playing.
TSoundLibrary::TSoundLibrary(QObject* parent)
    : QObject(parent), has_output_(AskForAudioOutputs()) {}

TSoundLibrary::~TSoundLibrary() = default;

bool TSoundLibrary::AddSample(const QString& name, const QString& resource_path) {
    QFile file(resource_path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    Sample sample{name, file.readAll(), QUrl("qrc" + resource_path), nullptr};
    if (has_output_) {
        // Made now so the sample is decoded before its first use.
        sample.effect = std::make_unique<QSoundEffect>();
        sample.effect->setSource(sample.url);
    }
    if (Sample* existing = Find(name)) {
        if (existing->effect.get() == playing_) playing_ = nullptr;
        *existing = std::move(sample);
    } else {
        samples_.push_back(std::move(sample));
    }
    return true;
}

const QByteArray* TSoundLibrary::Image(const QString& name) const {
    for (const Sample& sample : samples_) {
        if (sample.name == name) return &sample.image;
    }
    return nullptr;
}

TSoundLibrary::Sample* TSoundLibrary::Find(const QString& name) {
    for (Sample& sample : samples_) {
        if (sample.name == name) return &sample;
    }
    return nullptr;
}

bool TSoundLibrary::Play(const QString& name) {
    Sample* sample = Find(name);
    if (sample == nullptr) return false;
    ++requests_;
    if (!sample->effect) return false;
    if (playing_ != nullptr) playing_->stop();
    playing_ = sample->effect.get();
    playing_->play();
    return true;
}

}  // namespace circumvia::scene

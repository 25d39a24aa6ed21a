#include "scene/sound_library.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>

namespace circumvia::scene {

// Asked once: without a device, an effect would print warnings and never finish playing.
TSoundLibrary::TSoundLibrary(QObject* parent)
    : QObject(parent), has_output_(!QMediaDevices::audioOutputs().isEmpty()) {}

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

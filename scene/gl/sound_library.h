#pragma once
// Named sound samples, each a complete WAV file image, played asynchronously. Starting a
// sound cuts off the one still playing. Without an audio output nothing is created and
// playing does nothing, silently.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>
#include <vector>

class QSoundEffect;

namespace circumvia::scene {

class TSoundLibrary : public QObject {
public:
    explicit TSoundLibrary(QObject* parent = nullptr);
    ~TSoundLibrary() override;

    // Adds the WAV file at a resource path under a name; false when it cannot be read.
    bool AddSample(const QString& name, const QString& resource_path);
    // The WAV image of a sample; null when there is none of that name.
    const QByteArray* Image(const QString& name) const;
    // Starts a sample; false when there is no such sample or no audio output.
    bool Play(const QString& name);
    bool HasAudioOutput() const { return has_output_; }
    // How often a known sample was asked to start, whether or not there is an output.
    int Requests() const { return requests_; }

private:
    struct Sample {
        QString name;
        QByteArray image;
        QUrl url;
        std::unique_ptr<QSoundEffect> effect;
    };
    Sample* Find(const QString& name);

    std::vector<Sample> samples_;
    QSoundEffect* playing_ = nullptr;
    bool has_output_;
    int requests_ = 0;
};

}  // namespace circumvia::scene

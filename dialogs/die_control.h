#pragma once
// A six-sided die that shows one face and rolls for about a second: while it rolls a
// 60 ms timer on the user-interface thread changes the face at every tick. Its random
// numbers and its millisecond tick counter can be replaced, so tests roll it by hand.

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace circumvia::dialogs {

class TDieControl : public QWidget {
    Q_OBJECT
public:
    // The system's millisecond tick counter (32 bits, wrapping).
    using TickSource = std::function<std::uint32_t()>;
    // A face drawn uniformly from 1 to 6.
    using FaceSource = std::function<int()>;

    static constexpr int kFaces = 6;
    static constexpr int kFacePixels = 64;
    static constexpr int kTickMs = 60;
    static constexpr std::uint32_t kRollMs = 1000;

    explicit TDieControl(QWidget* parent = nullptr);

    void SetTickSource(TickSource ticks) { ticks_ = std::move(ticks); }
    void SetFaceSource(FaceSource faces) { faces_ = std::move(faces); }

    int Value() const { return value_; }
    // Shows a face (1..6; others are ignored); raises OnChange when it differs.
    void SetValue(int face);

    // Starts a roll; does nothing while one is under way (its start time stays), unless its
    // time is up and only its last tick is to come: then a new roll starts from now.
    void Roll();
    // True from the start of a roll until its last tick has stopped the timer.
    bool IsRolling() const { return timer_.isActive(); }
    // A tick of the roll's timer. Public so that tests can deliver ticks themselves.
    void TimerTick();
    // Ends a roll at once, leaving the face shown (the dialog closing).
    void Stop() { timer_.stop(); }

    QSize sizeHint() const override { return {kFacePixels + 2, kFacePixels + 2}; }

Q_SIGNALS:
    void OnChange();
    void OnClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Space or Return rolls it as a click does: Tab reaches the die.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TickSource ticks_;
    FaceSource faces_;
    QTimer timer_;
    int value_ = 1;
    std::uint32_t start_ = 0;
    bool last_tick_ = false;  // the time is up: the next tick is the last
};

// The resource path of a face's picture (":/dice/die_N.png").
QString DieFacePicture(int face);

}  // namespace circumvia::dialogs

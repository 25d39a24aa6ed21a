#pragma once
// The course of lessons shipped with the program and the learner's progress through it:
// the best stars earned in each lesson, kept in the settings as "key:stars" pairs joined
// by commas. Unknown keys and malformed pairs are dropped when read.

#include <QString>
#include <map>
#include <string>
#include <vector>

#include "model/lessons/lesson.h"

namespace circumvia::control {

// The lessons compiled into the program, in teaching order.
const std::vector<Lesson>& ShippedLessons();

class LessonProgress {
public:
    static LessonProgress FromText(const QString& text, const std::vector<Lesson>& lessons);
    QString Text() const;

    int StarsOf(const std::string& key) const;
    // Keeps the better of the stars already earned and these.
    void Record(const std::string& key, int stars);

private:
    std::map<std::string, int> stars_;
};

}  // namespace circumvia::control

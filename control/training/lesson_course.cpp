#include "control/training/lesson_course.h"

#include <QFile>
#include <algorithm>
#include <sstream>

#include "model/lessons/lesson_run.h"

namespace circumvia::control {

const std::vector<Lesson>& ShippedLessons() {
    static const std::vector<Lesson> lessons = [] {
        QFile file(QStringLiteral(":/lessons/lessons.txt"));
        if (!file.open(QIODevice::ReadOnly)) return std::vector<Lesson>{};
        std::istringstream in(file.readAll().toStdString());
        return ReadLessons(in).lessons;
    }();
    return lessons;
}

LessonProgress LessonProgress::FromText(const QString& text, const std::vector<Lesson>& lessons) {
    LessonProgress progress;
    for (const QString& pair : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(u':');
        if (parts.size() != 2) continue;
        bool number = false;
        const int stars = parts[1].toInt(&number);
        const std::string key = parts[0].trimmed().toStdString();
        const bool known = std::any_of(lessons.begin(), lessons.end(),
                                       [&](const Lesson& lesson) { return lesson.key == key; });
        if (number && known && stars >= 1 && stars <= kMostStars) progress.stars_[key] = stars;
    }
    return progress;
}

QString LessonProgress::Text() const {
    QStringList pairs;
    for (const auto& [key, stars] : stars_) {
        pairs << QString::fromStdString(key) + u':' + QString::number(stars);
    }
    return pairs.join(u',');
}

int LessonProgress::StarsOf(const std::string& key) const {
    const auto found = stars_.find(key);
    return found == stars_.end() ? 0 : found->second;
}

void LessonProgress::Record(const std::string& key, int stars) {
    stars_[key] = std::max(StarsOf(key), stars);
}

}  // namespace circumvia::control

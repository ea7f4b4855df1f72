#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kelvane {

// The notations rolled this session, newest first, for Up and Down in the notation box. What
// the player was typing before walking back is kept and comes back past the newest.
class NotationHistory {
  public:
    static constexpr int kCapacity = 100;

    // The notations of earlier sessions, newest first.
    void Load(const QStringList& newestFirst) {
        entries_ = newestFirst.mid(0, kCapacity);
        position_ = -1;
    }

    void Add(const QString& notation) {
        entries_.removeAll(notation);
        entries_.prepend(notation);
        while (entries_.size() > kCapacity) {
            entries_.removeLast();
        }
        position_ = -1;
    }

    // The next older notation, or nothing past the oldest.
    [[nodiscard]] std::optional<QString> Older(const QString& typed) {
        if (position_ + 1 >= entries_.size()) {
            return std::nullopt;
        }
        if (position_ == -1) {
            draft_ = typed;
        }
        return entries_.at(++position_);
    }

    // The next newer notation, then the text typed before walking back, then nothing.
    [[nodiscard]] std::optional<QString> Newer() {
        if (position_ == -1) {
            return std::nullopt;
        }
        --position_;
        return position_ == -1 ? draft_ : entries_.at(position_);
    }

  private:
    QStringList entries_;
    qsizetype position_ = -1;
    QString draft_;
};

}  // namespace kelvane

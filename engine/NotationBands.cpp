#include "engine/NotationBands.h"

#include <cstdint>
#include <limits>
#include <utility>

#include "engine/NotationCharacters.h"

namespace kelvane::notation {

namespace {

// Reads "10+ Strong hit; 7-9 Weak hit; 6- Miss", the text after "?" up to any "#", which
// stands from the given column on.
class BandReader {
  public:
    BandReader(std::string_view text, int column) : text_(text), column_(column) {}

    std::variant<std::vector<OutcomeRule>, Error> Run() {
        std::vector<OutcomeRule> bands;
        for (;;) {
            SkipBlanks();
            if (bands.size() == kMaxBands) {
                return Error{ErrorCode::TooManyBands, column_};
            }
            OutcomeRule band;
            if (AtBandEnd()) {
                return Error{ErrorCode::ExpectedBand, column_};
            }
            const char first = text_[next_];
            const bool minusDigit =
                first == '-' && next_ + 1 < text_.size() && IsDigit(text_[next_ + 1]);
            if (IsDigit(first) || minusDigit) {
                const int rangeColumn = column_;
                Condition range;
                if (!ReadRange(range)) {
                    return Error{ErrorCode::BadBandRange, rangeColumn};
                }
                band.conditions.push_back(range);
                SkipBlanks();
                if (AtBandEnd()) {
                    return Error{ErrorCode::ExpectedBandName, column_};
                }
            }
            const std::size_t nameStart = next_;
            const int nameColumn = column_;
            while (!AtBandEnd()) {
                Advance();
            }
            band.name = Trim(text_.substr(nameStart, next_ - nameStart));
            if (Characters(band.name) > kMaxBandName) {
                return Error{ErrorCode::BandNameTooLong,
                             nameColumn + static_cast<int>(kMaxBandName)};
            }
            bands.push_back(std::move(band));
            if (next_ == text_.size()) {
                return bands;
            }
            Advance();  // the ";"
        }
    }

  private:
    [[nodiscard]] bool AtBandEnd() const { return next_ == text_.size() || text_[next_] == ';'; }
    // Past the character at next_, all its bytes; a stray continuation byte is passed over
    // alone and, as elsewhere in the notation, counts no column.
    void Advance() {
        const auto byte = static_cast<unsigned char>(text_[next_]);
        ++next_;
        // A byte from 0xC0 up leads a character of several bytes.
        while (byte >= 0xC0U && next_ < text_.size() && !StartsCharacter(text_[next_])) {
            ++next_;
        }
        column_ += StartsCharacter(static_cast<char>(byte)) ? 1 : 0;
    }
    void SkipBlanks() {
        while (next_ < text_.size() && IsBlank(text_[next_])) {
            Advance();
        }
    }
    bool ReadNumber(std::int64_t& number) {
        const bool negative = text_[next_] == '-';
        if (negative) {
            Advance();
        }
        if (next_ == text_.size() || !IsDigit(text_[next_])) {
            return false;
        }
        number = 0;
        while (next_ < text_.size() && IsDigit(text_[next_])) {
            const int digit = text_[next_] - '0';
            if (number > (std::numeric_limits<std::int64_t>::max() - digit) / 10) {
                return false;
            }
            number = number * 10 + digit;
            Advance();
        }
        number = negative ? -number : number;
        return true;
    }
    // N, N-M, N+ or N-, ending at a blank or the band's end.
    bool ReadRange(Condition& range) {
        std::int64_t low = 0;
        if (!ReadNumber(low)) {
            return false;
        }
        range.low = low;
        range.high = low;
        if (next_ < text_.size() && text_[next_] == '+') {
            Advance();
            range.high = kNoLimit;
        } else if (next_ < text_.size() && text_[next_] == '-') {
            Advance();
            if (next_ < text_.size() && (IsDigit(text_[next_]) || text_[next_] == '-')) {
                std::int64_t high = 0;
                if (!ReadNumber(high) || high < low) {
                    return false;
                }
                range.high = high;
            } else {
                range.low = kNoFloor;
            }
        }
        return next_ == text_.size() || IsBlank(text_[next_]) || text_[next_] == ';';
    }

    std::string_view text_;
    std::size_t next_ = 0;
    int column_;
};

}  // namespace

std::variant<std::vector<OutcomeRule>, Error> ReadBands(std::string_view text, int column) {
    return BandReader(text, column).Run();
}

}  // namespace kelvane::notation

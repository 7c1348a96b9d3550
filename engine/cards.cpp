#include "engine/cards.h"

#include <array>

namespace tablamor {

std::string CardCodeText(int code) {
    std::string text(3, '0');
    text[0] = static_cast<char>('0' + code / 100 % 10);
    text[1] = static_cast<char>('0' + code / 10 % 10);
    text[2] = static_cast<char>('0' + code % 10);
    return text;
}

int ParseCardCode(std::string_view text) {
    if (text.size() != 3) return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value <= kMaxCards ? value : -1;
}

std::string CardImageName(int code) {
    static constexpr std::array<const char*, 4> kSuitWords = {"CUORI", "QUADR", "FIORI", "PICCH"};
    static constexpr std::array<const char*, 13> kRankWords = {
        "A", "02", "03", "04", "05", "06", "07", "08", "09", "10", "J", "Q", "K"};
    int suit = CardSuit(code);
    int rank = CardRank(code);
    if (suit == 0 || rank <= 0) return {};
    return std::string(kSuitWords[suit - 1]) + "_" + kRankWords[rank - 1];
}

} // namespace tablamor

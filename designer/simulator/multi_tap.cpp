#include "designer/simulator/multi_tap.h"

namespace simulator {
namespace {

// A letter is committed when more than this many ticks pass without a key.
constexpr int kCommitTicks = 6;

int VariantCount(char base) {
    switch (base) {
        case 'P': case 'W': return 4;
        case '+': case '/': case '%': return 2;
        default: return 3;
    }
}

char Variant(char base, int variant) {
    switch (base) {
        case ' ': return ' ';
        case '+': return variant == 0 ? '+' : '$';
        case '/': return variant == 0 ? '/' : '*';
        case '%': return variant == 0 ? '%' : '#';
        default: return static_cast<char>(base + variant);
    }
}

}  // namespace

char MultiTap::BaseCharacter(int key) {
    constexpr char kBases[] = {' ', 'A', 'D', 'G', 'J', 'M', 'P', 'T', 'W', '+', '/', '%'};
    return key >= 1 && key <= 12 ? kBases[key - 1] : 0;
}

void MultiTap::Press(int key) {
    if (BaseCharacter(key) == 0) return;
    if (pending_ && key == key_) {
        variant_ = (variant_ + 1) % VariantCount(BaseCharacter(key));
    } else {
        pending_ = true;
        key_ = key;
        variant_ = 0;
    }
    ticks_ = 0;
}

bool MultiTap::Tick() {
    if (!pending_) return false;
    return ++ticks_ > kCommitTicks;
}

char MultiTap::PendingCharacter() const { return pending_ ? Variant(BaseCharacter(key_), variant_) : 0; }

char MultiTap::Take() {
    const char c = PendingCharacter();
    Clear();
    return c;
}

void MultiTap::Clear() {
    pending_ = false;
    key_ = 0;
    variant_ = 0;
    ticks_ = 0;
}

}  // namespace simulator

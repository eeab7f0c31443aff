#include "music/fretting.h"

#include <algorithm>
#include <ostream>

namespace tambrel {

Fretting::Fretting(const FretList& marked) {
    for (int s = 0; s < kStringCount; ++s) {
        const int v = marked[s];
        frets_[s] = v < 0 ? -v : v;
        if (v < 0) barres_ = static_cast<std::uint8_t>(barres_ | 1U << s);
    }
}

Fretting::Fretting(std::initializer_list<int> marked) {
    FretList list{};
    std::copy_n(marked.begin(), std::min<std::size_t>(marked.size(), kStringCount), list.begin());
    *this = Fretting(list);
}

FretList Fretting::marked() const {
    FretList list = frets_;
    for (int s = 0; s < kStringCount; ++s)
        if (beginsBarre(s)) list[s] = -list[s];
    return list;
}

std::ostream& operator<<(std::ostream& out, const Fretting& fretting) {
    for (int v : fretting.marked()) out << v << ' ';
    return out;
}

} // namespace tambrel

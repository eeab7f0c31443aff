#include "music/fretting.h"

#include <algorithm>
#include <ostream>

namespace tambrel {

Fretting::Fretting(std::initializer_list<int> marked) {
    FretList list{};
    std::copy_n(marked.begin(), std::min<std::size_t>(marked.size(), kStringCount), list.begin());
    *this = Fretting(list);
}

std::ostream& operator<<(std::ostream& out, const Fretting& fretting) {
    for (int v : fretting.marked()) out << v << ' ';
    return out;
}

} // namespace tambrel

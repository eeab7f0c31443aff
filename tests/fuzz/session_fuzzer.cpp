// Feeds arbitrary command streams, one command a line, to the headless session: whatever the
// bytes, every line gives a result, an empty result or an error line, never a crash or a hang.
#include "session/script_session.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tambrel::ScriptSession session;
    std::string line;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == '\n') {
            session.execute(line);
            line.clear();
        } else {
            line += static_cast<char>(data[i]);
        }
    }
    session.execute("state");
    return 0;
}

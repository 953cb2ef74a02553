#include "submit/reply_capture.h"

namespace tavimor {

void IdCodeCapture::append(std::string_view bytes) {
    const std::size_t room = kMaxCaptureBytes - text_.size();
    text_.append(bytes.substr(0, room));
}

void IdCodeCapture::scanLine(std::string_view line) {
    if (line.find(kMarker) == std::string_view::npos) return;
    std::size_t i = 0;
    while (i < line.size()) {
        i = line.find('Y', i);
        if (i == std::string_view::npos) return;
        if (i + 1 < line.size() && line[i + 1] == 'o') {
            const std::size_t end = line.find('<', i);
            if (end == std::string_view::npos) {
                append(line.substr(i));
                return;
            }
            append(line.substr(i, end - i));
            i = end + 1;
        } else {
            ++i;
        }
    }
}

}  // namespace tavimor

#include "printinfo/pif_buffer.h"

#include <new>
#include <stdexcept>

namespace varnel::pif {

bool resizeBuffer(std::vector<uint8_t>& buffer, size_t bytes) {
    try {
        buffer.resize(bytes);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

void Stream::close() {
    if (file) std::fclose(file);
    file = nullptr;
    std::vector<uint8_t>().swap(buffer);
}

} // namespace varnel::pif

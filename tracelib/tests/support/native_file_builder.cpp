#include "support/native_file_builder.h"

#include "formats/byte_reader.h"
#include "formats/native_blocks.h"
#include "support/implode_encoder.h"

namespace varnel::test {

Bytes TaggedItem(uint8_t tag, std::span<const uint8_t> value) {
    Bytes item = {static_cast<uint8_t>(value.size() + 1), tag};
    item.insert(item.end(), value.begin(), value.end());
    return item;
}

Bytes TaggedItem(uint8_t tag, std::initializer_list<uint8_t> value) {
    return TaggedItem(tag, std::span<const uint8_t>(value.begin(), value.size()));
}

Bytes I32(int32_t v) {
    Bytes b;
    ByteWriter(b).putI32(v);
    return b;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes Block(std::span<const uint8_t> payload, BlockOptions options) {
    Bytes stored = options.compress ? Implode(payload, options.implode)
                                    : Bytes(payload.begin(), payload.end());
    Bytes block;
    ByteWriter w(block);
    w.putU16(static_cast<uint16_t>(static_cast<int>(stored.size()) + 4 + options.lengthDelta));
    w.putU8(options.compress ? native::kCompressed : native::kStored);
    w.putU8(options.checked ? native::kChecked : native::kUnchecked);
    w.putU16(options.checked
                 ? static_cast<uint16_t>(native::Checksum(stored) + options.checksumDelta)
                 : 0);
    w.putBytes(stored);
    return block;
}

Bytes NativeFile(std::initializer_list<Bytes> blocks, bool withEnd) {
    Bytes file(native::kMagic.begin(), native::kMagic.end());
    for (const Bytes& b : blocks)
        file.insert(file.end(), b.begin(), b.end());
    if (withEnd) file.insert(file.end(), {0xFF, 0xFF});
    return file;
}

} // namespace varnel::test

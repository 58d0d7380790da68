"""Where the numeric fields of an SR-4731 file lie, read from its block map.

Used by the mutation run to aim changes at the values the reader interprets
(offsets, spacings, group index, event times) as well as at random bytes.
"""

import struct


def _text_end(data, at):
    end = data.find(b"\0", at)
    return len(data) if end < 0 else end + 1


class _Cursor:
    def __init__(self, data, at, end):
        self.data, self.at, self.end = data, at, end
        self.fields = []  # (name, offset, struct format)

    def skip_name(self, name):
        if self.data.startswith(name.encode() + b"\0", self.at):
            self.at += len(name) + 1

    def num(self, name, fmt):
        size = struct.calcsize(fmt)
        if self.at + size > self.end:
            raise ValueError("block overrun")
        self.fields.append((name, self.at, fmt))
        self.at += size

    def chars(self, n):
        self.at += n

    def text(self):
        self.at = _text_end(self.data, self.at)

    def value(self, fmt, at):
        return struct.unpack_from(fmt, self.data, at)[0]


def _blocks(data):
    at = 4 if data.startswith(b"Map\0") else 0
    revision, map_size, count = struct.unpack_from("<HiH", data, at)
    at += 8
    blocks, offset = {}, map_size
    for _ in range(count - 1):
        end = _text_end(data, at)
        name = data[at : end - 1].decode("latin-1")
        _, size = struct.unpack_from("<Hi", data, end)
        at = end + 6
        blocks.setdefault(name, (offset, size))
        offset += size
    return revision, blocks


def numeric_fields(data):
    """Returns [(block.field, offset, struct format)] of the fields found."""
    revision, blocks = _blocks(data)
    issue2 = revision >= 200
    found = []

    def cursor(name):
        offset, size = blocks[name]
        c = _Cursor(data, offset, min(len(data), offset + size))
        c.skip_name(name)
        return c

    if "GenParams" in blocks:
        c = cursor("GenParams")
        c.chars(2), c.text(), c.text()
        if issue2:
            c.num("gen.fiberType", "<H")
        c.num("gen.nominalWavelength", "<H")
        c.text(), c.text(), c.text(), c.chars(2)
        c.num("gen.userOffset", "<i")
        if issue2:
            c.num("gen.userOffsetDistance", "<i")
        found += c.fields
    if "FxdParams" in blocks:
        c = cursor("FxdParams")
        c.num("fxd.dateTime", "<I")
        c.chars(2)
        c.num("fxd.actualWavelength", "<H")
        c.num("fxd.acquisitionOffset", "<i")
        if issue2:
            c.num("fxd.acquisitionOffsetDistance", "<i")
        c.num("fxd.pulseCount", "<H")
        pulses = min(c.value("<H", c.fields[-1][1]), 10)
        for k in range(pulses):
            c.num("fxd.pulseNS%d" % k, "<H")
        for k in range(pulses):
            c.num("fxd.dataSpacing%d" % k, "<i")
        for k in range(pulses):
            c.num("fxd.pointCount%d" % k, "<i")
        c.num("fxd.groupIndex", "<i")
        c.num("fxd.backscatter", "<H")
        c.num("fxd.averages", "<i")
        if issue2:
            c.num("fxd.averagingTime", "<H")
        c.num("fxd.acquisitionRange", "<i")
        if issue2:
            c.num("fxd.acquisitionRangeDistance", "<i")
        c.num("fxd.frontPanelOffset", "<i")
        for name in ("noiseFloor", "noiseFloorScale", "powerOffset", "lossThreshold",
                     "reflThreshold", "endThreshold"):
            c.num("fxd." + name, "<H")
        found += c.fields
    if "KeyEvents" in blocks:
        c = cursor("KeyEvents")
        try:
            c.num("key.count", "<H")
            for k in range(c.value("<H", c.fields[-1][1])):
                c.num("key%d.number" % k, "<H")
                c.num("key%d.time" % k, "<i")
                c.num("key%d.attenuation" % k, "<H")
                c.num("key%d.loss" % k, "<h")
                c.num("key%d.reflectance" % k, "<i")
                c.chars(8)
                if issue2:
                    for m in range(5):
                        c.num("key%d.marker%d" % (k, m), "<i")
                c.text()
            c.num("key.endToEndLoss", "<i")
            c.num("key.orl", "<H")
        except ValueError:
            pass
        found += c.fields
    return found


def set_field(data, offset, fmt, value):
    out = bytearray(data)
    size = struct.calcsize(fmt)
    value &= (1 << (8 * size)) - 1
    out[offset : offset + size] = value.to_bytes(size, "little")
    return bytes(out)
